#include "labels/LabelSheetPicker.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "labels/LabelSheet.h"

namespace rp {
namespace {

constexpr int kHeight = 150;

}  // namespace

LabelSheetPicker::LabelSheetPicker(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void LabelSheetPicker::setSheet(const LabelSetup& setup) {
    setup_ = setup;
    updateGeometry();
    update();
}

void LabelSheetPicker::setStartLabel(int label) {
    start_ = label;
    update();
}

QSize LabelSheetPicker::sizeHint() const {
    const double depth = std::max(double(setup_.sheetDepth), 0.1);
    const int width = int(kHeight * std::max(double(setup_.sheetWidth), 0.1) / depth);
    return {std::clamp(width, 40, 2 * kHeight) + 1, kHeight + 1};
}

double LabelSheetPicker::scale() const {
    return std::min((width() - 1) / std::max(double(setup_.sheetWidth), 0.1),
                    (height() - 1) / std::max(double(setup_.sheetDepth), 0.1));
}

void LabelSheetPicker::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const double k = scale();
    painter.setPen(palette().color(QPalette::Mid));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(0, 0, double(setup_.sheetWidth) * k, double(setup_.sheetDepth) * k));
    for (int row = 0; row < setup_.down; ++row)
        for (int column = 0; column < setup_.across; ++column) {
            const int number = row * setup_.across + column + 1;
            const QRectF inches = labelRect(setup_, column, row);
            const QRectF rect(inches.x() * k, inches.y() * k, inches.width() * k,
                              inches.height() * k);
            painter.setBrush(number < start_ ? palette().color(QPalette::Mid) : QColor(Qt::white));
            painter.setPen(number == start_ ? QPen(palette().color(QPalette::Highlight), 2)
                                            : QPen(palette().color(QPalette::Dark)));
            painter.drawRect(rect);
        }
}

void LabelSheetPicker::mousePressEvent(QMouseEvent* event) {
    const double k = scale();
    const int label = labelAt(setup_, event->position() / k);
    if (label == 0) return;
    setStartLabel(label);
    emit labelPicked(label);
}

}  // namespace rp
