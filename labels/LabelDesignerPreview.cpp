#include "labels/LabelDesignerPreview.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "labels/LabelDesignerModel.h"
#include "mailpiece/BarcodePicture.h"

namespace rp {
QImage labelBarcodePicture(BarcodeSymbology symbology) {
    return barcodePicture(symbology, QSize(LabelDesignerModel::kBarcodePictureWidth,
                                           LabelDesignerModel::kBarcodePictureHeight));
}

QFont labelPreviewFont(const LabelDesignerModel& model) {
    const LabelFont font = model.font();
    QFont qfont(font.name);
    qfont.setPixelSize(std::max(1, model.characterHeight()));
    qfont.setItalic(font.italic);
    const int width = pitchCharacterWidth(font.name, model.ppi());
    if (width <= 0) {
        qfont.setBold(font.bold);
        return qfont;
    }
    qfont.setBold(font.name.contains(QStringLiteral("BOLD")));
    qfont.setFixedPitch(true);
    const int natural = QFontMetrics(qfont).horizontalAdvance(QLatin1Char('0'));
    if (natural > 0) qfont.setStretch(std::clamp(width * 100 / natural, 1, 4000));
    return qfont;
}

void drawLabelPreview(QPainter& painter, const LabelDesignerModel& model,
                      const QStringList& lines) {
    const QSize size = model.labelSize();
    const qreal radius = kLabelCornerSize / 2.0;
    painter.save();
    painter.fillRect(QRect(QPoint(0, 0), size), kPreviewBackground);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRect(0, 0, size.width() - 1, size.height() - 1), radius, radius);

    QPainterPath clip;
    clip.addRoundedRect(QRectF(1, 1, size.width() - 3, size.height() - 3), radius, radius);
    painter.setClipPath(clip);
    const QFont font = labelPreviewFont(model);
    painter.setFont(font);
    const int descent = QFontMetrics(font).descent();
    const int pitch = model.linePitch();
    for (int k = 0; k < lines.size(); ++k)
        painter.drawText(QPoint(model.x(), model.y() + (k + 1) * pitch - descent), lines[k]);

    if (model.barcode())
        painter.drawImage(model.barcodePosition(), labelBarcodePicture(model.symbology()));
    painter.restore();
}

QList<AccessibleItem> labelPreviewItems(const LabelDesignerModel& model, const QStringList& lines) {
    const QFontMetrics metrics(labelPreviewFont(model));
    const int pitch = model.linePitch();
    QList<AccessibleItem> items;
    for (int k = 0; k < lines.size(); ++k)
        if (!lines[k].trimmed().isEmpty())
            items.push_back({lines[k].trimmed(), QString(),
                             QRect(model.x(), model.y() + k * pitch,
                                   metrics.horizontalAdvance(lines[k]), pitch)});
    if (model.barcode())
        items.push_back(
            {QCoreApplication::translate("LabelDesignerPreview", "Postal barcode"), QString(),
             QRect(model.barcodePosition(), QSize(LabelDesignerModel::kBarcodePictureWidth,
                                                  LabelDesignerModel::kBarcodePictureHeight))});
    return items;
}

QImage labelPreviewImage(const LabelDesignerModel& model, const QStringList& lines) {
    QImage image(model.labelSize(), QImage::Format_RGB32);
    QPainter painter(&image);
    drawLabelPreview(painter, model, lines);
    return image;
}

}  // namespace rp
