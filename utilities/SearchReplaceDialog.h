#pragma once
// The "Search and Replace" dialog: which field, which of its values, what to put in their
// place and over which records. "Replace Now" describes the change, asks, and then changes
// the records with a progress gauge and no way back; the dialog closes when it is done.
#include <QElapsedTimer>
#include <optional>

#include "framework/Dialog.h"
#include "utilities/SearchReplace.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QToolButton;
class QWidget;

namespace xbase {
class Table;
}

namespace rp {

class SearchReplaceDialog : public Dialog {
    Q_OBJECT
  public:
    // The table's query is the user's filter alone, or none when filterSet is false; then only
    // all records can be chosen.
    SearchReplaceDialog(xbase::Table& table, bool filterSet, QWidget* parent = nullptr);

    // What the controls ask for; nothing (after telling the user) when a text holds a
    // character the file cannot store.
    std::optional<SearchReplaceRequest> request() const;

    void onReplaceNowClicked();
    bool replacing() const { return replacing_; }

    QComboBox* fieldChoice() const { return field_; }
    QRadioButton* exactButton() const { return exact_; }
    QRadioButton* containsButton() const { return contains_; }
    QLineEdit* findEdit() const { return find_; }
    QCheckBox* caseSensitiveBox() const { return caseSensitive_; }
    QRadioButton* wholeFieldButton() const { return whole_; }
    QRadioButton* matchingTextButton() const { return matching_; }
    QLineEdit* replacementEdit() const { return replacement_; }
    QRadioButton* allRecordsButton() const { return all_; }
    QRadioButton* filteredButton() const { return filtered_; }
    QWidget* choices() const { return choices_; }
    QWidget* progressPanel() const { return progressPanel_; }
    QProgressBar* gauge() const { return gauge_; }
    QPushButton* replaceButton() const { return replace_; }
    QPushButton* cancelButton() const { return cancel_; }

  protected:
    void reject() override;

  private:
    QWidget* makeChoices(bool filterSet);
    void onFieldChoiceChanged();
    void doReplace(const SearchReplaceRequest& request);
    void afterRecord();

    xbase::Table& table_;
    bool filterSet_;
    QComboBox* field_;
    QRadioButton *exact_, *contains_, *whole_, *matching_, *all_, *filtered_;
    QLineEdit *find_, *replacement_;
    QCheckBox* caseSensitive_;
    QStackedWidget* pages_;
    QWidget* choices_;
    QWidget* progressPanel_;
    QProgressBar* gauge_;
    QPushButton *replace_, *cancel_, *help_;
    QToolButton* pointerHelp_;
    bool replacing_ = false;
    QElapsedTimer sinceEvents_;
};

}  // namespace rp
