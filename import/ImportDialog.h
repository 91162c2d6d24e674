#pragma once
// Base of the import dialogs: the file name, a status line, the gauge, the commands to choose
// the file, match its fields and import, and Cancel. After the import the closing messages
// are told, the tags are built afresh and the dialog closes.
#include <QString>
#include <QStringList>
#include <optional>

#include "framework/BulkDialog.h"
#include "framework/HelpTopic.h"

class QLabel;
class QPushButton;

namespace rp {

class AddressTable;

struct ImportDialogTexts {
    QString title;
    QString selectCaption;
    QString fileHelp;
    QString selectHelp;
    QString matchHelp;
    QString importHelp;
};

class ImportDialog : public BulkDialog {
    Q_OBJECT
  public:
    // table: the address file, open exclusively.
    ImportDialog(AddressTable& table, HelpTopic::Number helpTopic, const ImportDialogTexts& texts,
                 QWidget* parent);

    virtual void onSelectClicked() = 0;
    virtual void onMatchClicked() = 0;
    virtual void onImportClicked() = 0;

    QLabel* fileLabel() const { return file_; }
    QLabel* statusLabel() const { return status_; }
    QPushButton* selectButton() const { return select_; }
    QPushButton* matchButton() const { return match_; }
    QPushButton* importButton() const { return import_; }
    QPushButton* cancelButton() const { return cancel_; }

  protected:
    // While importing Cancel stops after the record in hand; while the tags are built it does
    // nothing.
    bool confirmCancel() override { return !rebuilding_; }

    AddressTable& addressTable() const { return table_; }
    // The "Open" file chooser on folder with proposedName ("*.txt", "*.dbf"); nothing when the
    // user cancels.
    std::optional<QString> askSourceFile(const QString& folder, const QString& proposedName) const;
    // Shows the chosen file, or "(none)" for an empty path.
    void showFile(const QString& path);
    void setStatus(const QString& text);
    // Busy, the commands and help hidden, the gauge shown at 0, the status line empty.
    void beginImport();
    // The status line emptied, each message told, the tags built afresh; then the dialog closes.
    void endImport(const QStringList& messages);

  private:
    void rebuildTags();

    AddressTable& table_;
    bool rebuilding_ = false;
    QLabel* file_;
    QLabel* status_;
    QWidget* commands_;
    QPushButton* select_;
    QPushButton* match_;
    QPushButton* import_;
    QPushButton* cancel_;
};

}  // namespace rp
