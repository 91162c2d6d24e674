#pragma once
// The Filter page: the fourteen filter lines with their labels, the match count, "Set Now" and
// "Clear". The page builds and sets the filter when asked; the main window decides when (it
// answers setNowRequested) and does its own part afterwards.
#include <QWidget>
#include <array>
#include <functional>

#include "app/FilterBuilder.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace xbase {
class Table;
}

namespace rp {

class FilterPage : public QWidget {
    Q_OBJECT
  public:
    explicit FilterPage(QWidget* parent = nullptr);

    QLineEdit* line(int i) const { return lines_[static_cast<std::size_t>(i)]; }
    QLabel* label(int i) const { return labels_[static_cast<std::size_t>(i)]; }
    QLabel* countLabel() const { return count_; }
    QPushButton* setNowButton() const { return setNow_; }
    QPushButton* clearButton() const { return clear_; }
    FilterLines lines() const;
    void clearLines();

    // Shows the short date format in the empty date line.
    void setDateFormat(const QString& shortDateFmt);

    // Places each line where the record page has the field of its FilterLineDef name and each
    // label where that field's label is (rectangles in the page's coordinates, the two pages
    // being the same size), with the match count and the buttons below. From then on the page
    // has no layout of its own; calling again places everything afresh.
    using RectOf = std::function<QRect(const QString& fieldName)>;
    void copyGeometryFrom(const RectOf& fieldRect, const RectOf& labelRect);

    // Set Now, the page's part. "Searching..." shows (painted at once) while the filter is built
    // and counted by applyAddressFilter; then "<n> matches", or "<n> matches (all records)"
    // with the table's count when there is no user expression. A filter that lets nothing
    // through leaves no user expression. userExpression: as for applyAddressFilter.
    void setNow(xbase::Table& table, const QString& shortDateFmt, QString& userExpression);

  signals:
    // "Set Now" was pressed, or "Clear" after emptying the lines.
    void setNowRequested();

  private:
    // QLineEdit's own margin each side of its text, in pixels.
    static constexpr int kLineEditMargin = 2;
    void fitPlaceholders();

    std::array<QLineEdit*, kFilterLineCount> lines_{};
    std::array<QLabel*, kFilterLineCount> labels_{};
    QLabel* count_ = nullptr;
    QPushButton* setNow_ = nullptr;
    QPushButton* clear_ = nullptr;
    QWidget* footer_ = nullptr;
};

// Where a control of a page lies in the page's coordinates; an empty rectangle for null.
QRect rectOnPage(const QWidget* page, const QWidget* control);
// The label whose buddy the control is, among the labels of the control's parent; null if none.
QLabel* buddyLabelOf(const QWidget* control);

}  // namespace rp
