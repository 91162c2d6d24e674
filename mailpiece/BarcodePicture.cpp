#include "mailpiece/BarcodePicture.h"

#include <QPainter>
#include <algorithm>
#include <vector>

#include "mailpiece/PostnetBars.h"

namespace rp {
namespace {

// A ZIP+4 with its delivery point: 62 bars.
const QString kPostnetSample = QStringLiteral("12345678901");
// The postal service's published example, 65 bars.
const MailerTracking kSampleTracking{QStringLiteral("01"), QStringLiteral("234"),
                                     QStringLiteral("567094"), 987654321};
const QString kSampleRouting = QStringLiteral("01234567891");

void drawPostnet(QPainter& painter, QSize size) {
    const std::vector<Bar> bars = postnetBars(kPostnetSample);
    const int pitch = std::max(1, size.width() / int(bars.size()));
    for (int i = 0; i < int(bars.size()); ++i) {
        const int top = bars[std::size_t(i)] == Bar::Full ? 0 : size.height() / 2;
        painter.fillRect(i * pitch, top, std::max(1, pitch / 2), size.height() - top, Qt::black);
    }
}

void drawFourState(QPainter& painter, QSize size) {
    const std::vector<FourStateBar> bars = intelligentMailBars(kSampleTracking, kSampleRouting);
    const double pitch = double(size.width()) / double(bars.size());
    const int barWidth = std::max(1, int(pitch / 2));
    const int third = size.height() / 3;
    for (int i = 0; i < int(bars.size()); ++i) {
        const FourStateBar bar = bars[std::size_t(i)];
        const bool up = bar == FourStateBar::Full || bar == FourStateBar::Ascender;
        const bool down = bar == FourStateBar::Full || bar == FourStateBar::Descender;
        const int top = up ? 0 : third;
        const int bottom = down ? size.height() : size.height() - third;
        painter.fillRect(int(i * pitch), top, barWidth, std::max(1, bottom - top), Qt::black);
    }
}

}  // namespace

QImage barcodePicture(BarcodeSymbology symbology, QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    if (size.isEmpty()) return picture;
    QPainter painter(&picture);
    if (symbology == BarcodeSymbology::IntelligentMail)
        drawFourState(painter, size);
    else
        drawPostnet(painter, size);
    return picture;
}

}  // namespace rp
