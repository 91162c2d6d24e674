#pragma once
// Record editing on the open address file, apart from any window: adding with the New Record
// prompt, the values a new record carries, the duplicate warning, editing, saving with the memo
// rule, cancelling, deleting, cloning, moving between records, the typing mode and the command
// states all this implies. The window shows what the signals tell and hands in what was typed;
// prompts, questions and beeps go through Messages.
//
// On a file open shared, an edit or a deletion first takes the record's lock, held until the
// record is saved, cancelled or deleted, and reads the record again under it: a record another
// user holds is refused, one another user changed is shown anew (with a note) before the typing
// goes on, and one another user deleted stays shown as deleted and cannot be changed.
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

#include "app/AddingRules.h"
#include "app/CommandStates.h"
#include "app/TypedRecord.h"
#include "data/AddressTable.h"
#include "data/Preferences.h"

namespace rp {

class RecordEditor : public QObject {
    Q_OBJECT
  public:
    // The "New Record" prompt: asked for the ZIP and/or the names, gives the typed values or
    // nothing on Cancel.
    using NewRecordPrompt =
        std::function<std::optional<NewRecordValues>(bool askZip, bool askNames)>;

    // prefs are read at each use, so that changed preferences apply at once.
    RecordEditor(AddressTable& table, const Preferences& prefs, QObject* parent = nullptr);

    void setNewRecordPrompt(NewRecordPrompt prompt) { newRecordPrompt_ = std::move(prompt); }
    // Starts over on the file just opened, or on none: nothing is being edited. On a read-only
    // file nothing that changes records is offered or done.
    void reset(bool readOnly);
    // While not reacting (a dialog of another command works on the table), a started edit or
    // insert neither puts the insert values nor signals.
    void setReactingToTableEvents(bool reacting) { reacting_ = reacting; }
    bool reactingToTableEvents() const { return reacting_; }

    // A record is being added or edited.
    bool editing() const { return editing_; }
    bool readOnly() const { return readOnly_; }
    // A file is open and its current record is a real one (not past the end of the file or
    // filter).
    bool hasCurrentRecord() const;
    // Typing inserts (else it overwrites the character at the cursor).
    bool insertMode() const { return insertMode_; }
    // The values of the record that was current before the last insert.
    const CarryValues& carryValues() const { return carry_; }
    CommandStates commandStates(bool filterSet) const;

    // Add: the New Record prompt when a preference asks for it, city and state by ZIP, the
    // duplicate warning, then a new record with the prompt's and the carried values.
    void add();
    // Starts an edit of the current record (in a shared open, under its lock as above).
    void edit();
    // Stores what was typed and posts it; false (still editing) when the date is not a date
    // or a value cannot be stored, after telling the user.
    bool save(const TypedRecord& typed);
    void cancel();
    // Asks "Delete this record?"; on Yes marks the record deleted and moves to the next one.
    void deleteRecord();
    // A new record with the current one's values, saved at once.
    void clone();
    void prior() { move(-1); }
    void next() { move(1); }
    // The record page's keys: PageDown moves on, or asks to save while editing; PageUp moves
    // back unless editing; Esc asks to cancel while editing (false when it did nothing).
    void pageDown(const TypedRecord& typed);
    void pageUp();
    bool escape();
    void toggleTypingMode();

  signals:
    // The current record is another one, or was filled: show it.
    void currentChanged();
    // Records were written or dropped: reload what lists them and show the current one.
    void recordsChanged();
    // What the commands look like may have changed.
    void statesChanged();
    // The field (LNAME ... NOTES, DATE) the typing goes on in.
    void focusRequested(const QString& field);
    void typingModeChanged(bool insert);

  private:
    void insertRecord();
    bool storeRecord(const TypedRecord& typed);
    void move(int direction);
    bool canChange() const { return table_.isOpen() && !readOnly_ && !editing_; }
    // Takes the current record for a change: in a shared open its lock, the record read again.
    // False, with the page shown anew and nothing held, when the record cannot be changed.
    bool claimCurrent();
    void releaseClaim();

    AddressTable& table_;
    const Preferences& prefs_;
    NewRecordPrompt newRecordPrompt_;
    CarryValues carry_;
    bool editing_ = false;
    bool readOnly_ = false;
    bool reacting_ = true;
    bool insertMode_ = true;
    std::uint32_t claimed_ = 0;  // the record whose lock this editor holds; 0 for none
};

}  // namespace rp
