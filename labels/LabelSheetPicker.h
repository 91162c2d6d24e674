#pragma once
// A small picture of a sheet of label stock on which the user clicks the first free label: the
// labels before it are shaded as used, the chosen one is outlined in the highlight colour.
#include <QWidget>

#include "labels/LabelSetup.h"

namespace rp {

class LabelSheetPicker : public QWidget {
    Q_OBJECT
  public:
    explicit LabelSheetPicker(QWidget* parent = nullptr);

    void setSheet(const LabelSetup& setup);
    // From 1, numbered across, then down.
    void setStartLabel(int label);
    int startLabel() const { return start_; }

    QSize sizeHint() const override;

  signals:
    void labelPicked(int label);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    // Pixels per inch of the sheet as it is drawn now.
    double scale() const;

    LabelSetup setup_;
    int start_ = 1;
};

}  // namespace rp
