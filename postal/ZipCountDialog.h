#pragma once
// The "Count Zip Codes" window: counts the ZIP codes of the address file's view as soon as it
// is shown (with a status line and Cancel), then offers Print, Preview, Print Setup and Close.
// The count lines stay valid while the window is open; printing reuses them.
#include <QElapsedTimer>
#include <QStringList>
#include <functional>

#include "framework/Dialog.h"

class QLabel;
class QPushButton;
class QWidget;

namespace xbase {
class Table;
}

namespace rp {

class ZipCountDialog : public Dialog {
    Q_OBJECT
  public:
    ZipCountDialog(xbase::Table& table, QWidget* parent = nullptr);

    // Prints (preview false) or previews the report of the count lines.
    std::function<void(const QStringList& lines, bool preview)> printReport;
    // The printer set-up; told when there is no printer.
    std::function<void()> printSetup;

    // Counts now; false when the count was cancelled (the window is then closed).
    bool runPresort();
    bool counted() const { return counted_; }
    bool busy() const { return busy_; }
    const QStringList& countLines() const { return lines_; }

    QLabel* heading() const { return heading_; }
    QLabel* status() const { return status_; }
    QPushButton* cancelButton() const { return cancel_; }
    QWidget* buttonPanel() const { return panel_; }
    QPushButton* printButton() const { return print_; }
    QPushButton* previewButton() const { return preview_; }
    QPushButton* printSetupButton() const { return setup_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

  private:
    void printClicked(bool preview);
    void setCounting(bool counting);
    bool afterRecord();

    xbase::Table& table_;
    QLabel* heading_;
    QLabel* statusCaption_;
    QLabel* status_;
    QPushButton* cancel_;
    QWidget* panel_;
    QPushButton *print_, *preview_, *setup_, *close_;
    QStringList lines_;
    bool busy_ = false;
    bool cancelRequested_ = false;
    bool counted_ = false;
    bool started_ = false;
    QElapsedTimer sinceEvents_;
};

}  // namespace rp
