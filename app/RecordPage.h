#pragma once
// The record page ("Main"): the address fields with their labels in keyboard order, the date
// field with its format label, the memo box, the record buttons, and the panel that covers
// the page while no file is open. It shows a record and hands the typed values back; the
// main window decides what the buttons do.
#include <QHash>
#include <QWidget>

#include "app/TypedRecord.h"

class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStackedLayout;

namespace xbase {
class Table;
}

namespace rp {

class RecordPage : public QWidget {
    Q_OBJECT
  public:
    explicit RecordPage(QWidget* parent = nullptr);

    // The line edit of a field (LNAME ... NOTES, DATE); null for others.
    QLineEdit* field(const QString& name) const { return fields_.value(name); }
    QPlainTextEdit* memo() const { return memo_; }
    QLabel* dateFormatLabel() const { return dateFormat_; }
    QWidget* noFilePanel() const { return noFile_; }
    // Shown while the record shown is deleted (another user deleted it while it was shown).
    QLabel* deletedMark() const { return deletedMark_; }
    // The field names in keyboard order.
    static const QStringList& fieldOrder();

    QPushButton *addButton, *editButton, *saveButton, *cancelButton, *deleteButton;
    QPushButton *searchButton, *searchMemoButton, *findNextButton;
    QPushButton *priorButton, *nextButton;
    QPushButton* dialButton;

    void setNoFile(bool noFile);
    void setEditable(bool editable);
    void setDateMask(const QString& qtMask);

    // Shows the record's values (the memo without counting as a change) and whether it is
    // deleted; empty fields when the table has no current record.
    void showRecord(const xbase::Table* table, const QString& dateFormat);
    // True while showRecord fills the memo box.
    bool memoLoading() const { return memoLoading_; }

    // The fields, date (mask blanks and separators included) and memo as typed.
    TypedRecord typedRecord() const;
    bool isRecordControl(const QWidget* w) const;

  signals:
    void fieldDoubleClicked();
    void memoTyped();
    // Typed or pasted letters the file cannot hold were written in their closest spelling;
    // note is the short text for the status line.
    void spellingNoted(const QString& note);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLineEdit* addField(QGridLayout* grid, int row, int column, const QString& label,
                        const QString& name, int width, int span = 1);
    QPushButton* button(const QString& caption);
    // Writes the letters of a field or the memo that the file cannot hold in their closest
    // spelling as they are typed or pasted, the cursor kept at its place in the text.
    void spellField(QLineEdit* edit);
    void spellMemo();

    QHash<QString, QLineEdit*> fields_;
    QPlainTextEdit* memo_ = nullptr;
    QLabel* dateFormat_ = nullptr;
    QWidget* noFile_ = nullptr;
    QLabel* deletedMark_ = nullptr;
    QStackedLayout* stack_ = nullptr;
    QWidget* content_ = nullptr;
    bool memoLoading_ = false;
};

}  // namespace rp
