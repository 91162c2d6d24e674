#include "envelopes/EnvelopeRun.h"

#include <QCoreApplication>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "framework/ReportCanvas.h"
#include "mailpiece/Postnet.h"

namespace rp {
namespace {

// The barcode's top edge lies this far above the top of the delivery address.
constexpr double kBarcodeLift = 0.165;

constexpr double kPointsPerInch = 72.0;
// Positions are stored to 3 decimals: a block the designer put against the envelope's edge
// may come back up to half a thousandth further out.
constexpr double kStoredRounding = 0.0005;

// How far in from the page's edge the envelope lies: all of the spare room at one side of the
// feeder, half of it when centred, none at the other side.
double spare(double spare, FeedPosition position, FeedPosition fullAt) {
    if (position == fullAt) return spare;
    if (position == FeedPosition::Center) return spare / 2;
    return 0;
}

void font(ReportCanvas& canvas, const QString& name, int points, bool bold, bool italic) {
    canvas.setFont(ReportFont{name, static_cast<double>(points), bold, italic});
}

// The refusal of a setup whose delivery address lies off its envelope.
QString deliveryOffEnvelopeText(const EnvelopeSetup& setup) {
    return QCoreApplication::translate(
               "EnvelopeRun",
               "The envelope setup \"%1\" places the delivery address off the envelope. Open it "
               "in the Envelope Designer and move the address onto the envelope.")
        .arg(setup.descript.text());
}

}  // namespace

FeedMethod runFeedMethod(std::int32_t storedPosition) {
    FeedMethod method = decodePosition(storedPosition);
    if (method.clockwise) {
        if (method.position == FeedPosition::Left)
            method.position = FeedPosition::Right;
        else if (method.position == FeedPosition::Right)
            method.position = FeedPosition::Left;
    }
    return method;
}

bool pageDiffersFromEnvelope(QSizeF page, QSizeF envelope) {
    const auto tenths = [](double inches) { return static_cast<long>(std::trunc(inches * 10)); };
    return tenths(page.width()) != tenths(envelope.width()) ||
           tenths(page.height()) != tenths(envelope.height());
}

QPointF envelopeFeedOffset(const EnvelopeSetup& setup, QSizeF page, QPointF unprintable) {
    const QSizeF envelope(setup.envWidth, setup.envHeight);
    double dx = 0;
    double dy = 0;
    if (pageDiffersFromEnvelope(page, envelope)) {
        const FeedMethod feed = runFeedMethod(setup.position);
        const double spareX = page.width() - envelope.width();
        const double spareY = page.height() - envelope.height();
        const bool faceUp = setup.facing != 1;
        // Face down the envelope is seen from behind: its left lies on the feeder's right.
        const FeedPosition full = faceUp ? FeedPosition::Right : FeedPosition::Left;
        if (setup.orient == 1) {
            dx = feed.clockwise ? 0 : spareX;
            dy = spare(spareY, feed.position, full);
        } else {
            dx = spare(spareX, feed.position, full);
        }
    }
    dx = std::max(0.0, dx + unprintable.x());
    dy = std::max(0.0, dy + unprintable.y());
    return {dx, dy};
}

bool deliveryOnEnvelope(const EnvelopeSetup& setup) {
    const double letter = setup.delFontSize / kPointsPerInch;
    const double left = setup.delLeft;
    const double top = setup.delTop;
    return left >= -kStoredRounding && top >= -kStoredRounding &&
           left + letter <= setup.envWidth + kStoredRounding &&
           top + letter <= setup.envHeight + kStoredRounding;
}

void requireDeliveryOnEnvelope(const EnvelopeSetup& setup) {
    if (!deliveryOnEnvelope(setup))
        throw std::runtime_error(deliveryOffEnvelopeText(setup).toStdString());
}

const QImage& stampPicture() {
    static const QImage stamp = [] {
        QImage image(60, 60, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillRect(QRect(5, 5, 50, 50), QColor(200, 40, 40));
        painter.setPen(QPen(Qt::white, 2));
        painter.drawRect(QRect(9, 9, 42, 42));
        painter.setBrush(Qt::white);
        painter.setPen(Qt::NoPen);
        for (int i = 0; i < 6; ++i) {  // the perforation
            const int at = 5 + i * 10;
            for (const QPoint& p : {QPoint(at, 3), QPoint(at, 57), QPoint(3, at), QPoint(57, at)})
                painter.drawEllipse(p, 3, 3);
        }
        painter.setPen(Qt::white);
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(13);
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(QRect(9, 9, 42, 42), Qt::AlignCenter, QStringLiteral("USA"));
        return image;
    }();
    return stamp;
}

void beforePrintEnvelope(ReportCanvas& canvas, const EnvelopeSetup& setup) {
    requireDeliveryOnEnvelope(setup);
    canvas.setLandscape(setup.orient == 1);
}

void printEnvelope(ReportCanvas& canvas, const EnvelopeSetup& setup, const AddressValues& address,
                   bool preview, PieceBarcoder* barcoder) {
    const QSizeF page(canvas.pageWidth(), canvas.pageHeight());
    const QSizeF envelope(setup.envWidth, setup.envHeight);
    const QPointF offset =
        envelopeFeedOffset(setup, page, QPointF(canvas.unprintableLeft(), canvas.unprintableTop()));
    const double dx = offset.x();
    const double dy = offset.y();
    canvas.setMarginLeft(0);
    canvas.setMarginTop(0);

    // The stamp goes to the envelope's top right corner wherever the feed puts the envelope.
    if (preview && pageDiffersFromEnvelope(page, envelope)) {
        canvas.setOrigin(0, 0);
        canvas.picture(QRectF(dx + envelope.width() - 1.0, dy + 0.125, 0.75, 0.75), stampPicture());
    }

    if (setup.useReturn) {
        font(canvas, setup.retFontName, setup.retFontSize, setup.retFontBold, setup.retFontItalic);
        canvas.setOrigin(setup.retLeft + dx, setup.retTop + dy);
        canvas.home();
        for (const auto& line : setup.retLines) canvas.println(line);
    }

    if (setup.useMessage) {
        font(canvas, setup.messFontName, setup.messFontSize, setup.messFontBold,
             setup.messFontItalic);
        canvas.setOrigin(setup.messLeft + dx, setup.messTop + dy);
        canvas.home();
        canvas.println(setup.messText);
    }

    QStringList lines;
    composeAddressBlock(lines, address, setup.contents);
    font(canvas, setup.delFontName, setup.delFontSize, setup.delFontBold, setup.delFontItalic);
    canvas.setOrigin(setup.delLeft + dx, setup.delTop + dy);
    canvas.home();
    for (const QString& line : lines) canvas.println(line);

    if (barcodeEligible(setup.barcode, address.zip)) {
        canvas.setOrigin(setup.delLeft + dx, setup.delTop - kBarcodeLift + dy);
        canvas.gotoXY(0, 0);
        PieceBarcoder postnet;
        (barcoder ? *barcoder : postnet).draw(canvas, address.zip, address.street);
    }
}

void runEnvelope(ReportCanvas& canvas, const EnvelopeSetup& setup, const AddressValues& address,
                 bool preview, PieceBarcoder* barcoder) {
    beforePrintEnvelope(canvas, setup);
    if (!canvas.start()) return;
    printEnvelope(canvas, setup, address, preview, barcoder);
}

PrintStatusTexts envelopeStatusTexts() {
    PrintStatusTexts texts;
    texts.cancelQuestion.clear();
    texts.printCanceled = QCoreApplication::translate("EnvelopeRun", "\rEnvelope Print Canceled!");
    texts.previewCanceled =
        QCoreApplication::translate("EnvelopeRun", "\rEnvelope Preview Canceled!");
    texts.previewStopped = QCoreApplication::translate("EnvelopeRun", "\rPreview Stopped!");
    texts.printCompleted =
        QCoreApplication::translate("EnvelopeRun", "\rEnvelope Print Completed!");
    texts.previewReady = QCoreApplication::translate("EnvelopeRun", "\rEnvelope Preview Ready!");
    return texts;
}

}  // namespace rp
