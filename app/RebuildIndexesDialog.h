#pragma once
// The Rebuild Indexes dialog: "Reindex" packs the open address file, builds its tags afresh
// and then the side tables' tags, showing the progress, and closes; Cancel closes without
// touching anything. While the work runs the dialog cannot be closed.
#include <QString>

#include "app/ReindexProgress.h"
#include "framework/Dialog.h"
#include "framework/HelpTopic.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QToolButton;

namespace rp {

class AddressTable;

class RebuildIndexesDialog : public Dialog {
    Q_OBJECT
  public:
    static constexpr HelpTopic::Number kHelpTopic = HelpTopic::RebuildIndexes;

    // table is the main window's open address file and stays open; sideFolder holds the side
    // tables.
    RebuildIndexesDialog(AddressTable& table, const QString& sideFolder, QWidget* parent);

    QProgressBar* gauge() const { return gauge_; }
    QLabel* statusLine() const { return status_; }
    QPushButton* reindexButton() const { return reindex_; }
    QPushButton* cancelButton() const { return cancel_; }

    // Refused while the work runs.
    void reject() override;

  signals:
    void statusShown(const QString& text);

  private:
    void onReindexClicked();
    void onCancelClicked();
    void showStatus(const QString& text);
    void showGauge(int value);
    void setWorking(bool working);

    AddressTable& table_;
    QString sideFolder_;
    bool working_ = false;
    ReindexProgress progress_;
    QProgressBar* gauge_;
    QLabel* status_;
    QPushButton* reindex_;
    QPushButton* cancel_;
    QPushButton* help_;
    QToolButton* pointerHelp_;
};

}  // namespace rp
