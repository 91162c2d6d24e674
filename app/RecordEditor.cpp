#include "app/RecordEditor.h"

#include <QCoreApplication>

#include "app/RecordCopy.h"
#include "data/DateText.h"
#include "data/RecordText.h"
#include "data/Transliteration.h"
#include "framework/ErrorReport.h"
#include "framework/Messages.h"
#include "xbase/Error.h"
#include "xbase/Table.h"

namespace rp {

RecordEditor::RecordEditor(AddressTable& table, const Preferences& prefs, QObject* parent)
    : QObject(parent), table_(table), prefs_(prefs) {}

void RecordEditor::reset(bool readOnly) {
    editing_ = false;
    readOnly_ = readOnly;
    claimed_ = 0;  // a lock lives no longer than the open that took it
}

bool RecordEditor::hasCurrentRecord() const {
    return table_.isOpen() && table_->recNo() >= 1 && table_->recNo() <= table_->recordCount() &&
           !table_->eof();
}

CommandStates RecordEditor::commandStates(bool filterSet) const {
    return computeCommandStates(table_.isOpen(), editing_, hasCurrentRecord(), filterSet,
                                readOnly_);
}

namespace {

// What the record page shows of the current record, to tell whether another user changed it.
std::string shownRecord(const xbase::Table& t) {
    return std::string(t.recordBytes()) + t.memo("MEMO");
}

}  // namespace

bool RecordEditor::claimCurrent() {
    xbase::Table& t = table_.table();
    if (t.mode() != xbase::OpenMode::Shared) return true;
    // Deleted by another user while it was shown (found now, or once the record is read again
    // under its lock): it is shown as it is and stays so.
    const auto refuseDeleted = [this] {
        releaseClaim();
        emit currentChanged();
        beep();
        return false;
    };
    if (t.deleted()) return refuseDeleted();
    const std::uint32_t recno = t.recNo();
    const std::string shown = shownRecord(t);
    try {
        t.lockRecord(recno);
    } catch (const xbase::LockedError& e) {
        // What was typed to start the change goes too.
        emit currentChanged();
        showInformation(withCause(
            tr("This record is being changed by another user. Try again later."), errorText(e)));
        return false;
    }
    claimed_ = recno;
    try {
        t.go(recno);
    } catch (...) {
        releaseClaim();  // the cause goes on to whoever reports it
        throw;
    }
    if (t.deleted()) return refuseDeleted();
    if (shownRecord(t) != shown) {
        // The new values first: the keystroke that started the edit is dropped with the old ones.
        emit currentChanged();
        showInformation(tr("This record was changed by another user."));
    }
    return true;
}

void RecordEditor::releaseClaim() {
    if (claimed_ == 0) return;
    const std::uint32_t recno = claimed_;
    claimed_ = 0;
    table_->unlockRecord(recno);
}

void RecordEditor::edit() {
    if (!hasCurrentRecord() || !canChange() || !claimCurrent()) return;
    editing_ = true;
    if (reacting_) emit statesChanged();
}

// The insert reactions: the carry values are taken before the insert; after it, while
// reacting, the date, the carried values and the default country go in.
void RecordEditor::insertRecord() {
    carry_ = readCarryValues(table_.table());
    table_->appendBlank();
    editing_ = true;
    if (!reacting_) return;
    applyInsertReactions(table_.table(), carry_, prefs_);
    emit currentChanged();
    emit statesChanged();
    emit focusRequested(QStringLiteral("LNAME"));
}

void RecordEditor::add() {
    if (!canChange()) return;
    NewRecordValues values;
    if (prefs_.plugCityState || prefs_.autoDupCheck) {
        const auto answer = newRecordPrompt_
                                ? newRecordPrompt_(prefs_.plugCityState, prefs_.autoDupCheck)
                                : std::nullopt;
        if (!answer) return;
        values = *answer;
    }
    if (!values.zip.isEmpty() && prefs_.plugCityState)
        fillCityState(table_.table(), values.zip, values.city, values.state);
    if (!checkDupName(table_.table(), values.firstName, values.lastName)) {
        emit currentChanged();
        emit statesChanged();
        return;
    }
    insertRecord();
    fillNewRecord(table_.table(), values);
    emit currentChanged();
    emit statesChanged();
    const xbase::Table& t = table_.table();
    emit focusRequested(fieldText(t, "LNAME").isEmpty()   ? QStringLiteral("LNAME")
                        : fieldText(t, "FNAME").isEmpty() ? QStringLiteral("FNAME")
                                                          : QStringLiteral("MIDDLE"));
}

// The typed values go into the record, letters the file lacks in their closest spelling; false,
// after telling the user, when the date is not one. A value the file cannot hold even so (Han
// characters, emoji) throws UnstorableText.
bool RecordEditor::storeRecord(const TypedRecord& typed) {
    xbase::Table& t = table_.table();
    for (const auto& [name, typedText] : typed.fields) {
        const QByteArray field = name.toLatin1();
        const QString text = closeSpelling(typedText);
        if (text != fieldText(t, field.constData())) setFieldText(t, field.constData(), text);
    }
    const auto day = parseDate(typed.date, prefs_.shortDateFmt);
    if (!day) {
        showInformation(tr("%1 is not a valid date").arg(typed.date));
        emit focusRequested(QStringLiteral("DATE"));
        return false;
    }
    if (*day != t.date("DATE")) {
        if (*day == 0)
            t.setEmpty(t.fieldNumber("DATE"));
        else
            t.setDate("DATE", *day);
    }
    const QString memo = closeSpelling(memoForSave(typed.memo));
    if (memo != memoText(t, "MEMO")) setMemoText(t, "MEMO", memo);
    return true;
}

bool RecordEditor::save(const TypedRecord& typed) {
    if (!editing_) return false;
    try {
        if (!storeRecord(typed)) return false;
        table_->post();
        table_->commit();
    } catch (const UnstorableText& e) {
        showInformation(errorText(e));
        return false;
    } catch (const xbase::Error& e) {
        showError(e);
        return false;
    }
    editing_ = false;
    releaseClaim();
    emit recordsChanged();
    emit statesChanged();
    return true;
}

void RecordEditor::cancel() {
    if (!editing_) return;
    table_->cancel();
    editing_ = false;
    releaseClaim();
    emit recordsChanged();
    emit statesChanged();
}

void RecordEditor::deleteRecord() {
    if (!hasCurrentRecord() || !canChange() || !claimCurrent()) return;
    if (!askYesNo(tr("Delete this record?"))) return releaseClaim();
    xbase::Settings& settings = table_.engine().settings;
    settings.hideDeleted = false;
    QCoreApplication::processEvents();
    try {
        table_->deleteRecord();
        table_->setText("PREFIX", "DELETED");
        table_->post();
        table_->commit();
    } catch (const xbase::Error& e) {
        table_->cancel();
        showError(e);
    }
    settings.hideDeleted = true;
    releaseClaim();
    table_->skip(1);
    if (table_->eof()) table_->goBottom();
    emit recordsChanged();
    emit statesChanged();
}

void RecordEditor::clone() {
    if (!hasCurrentRecord() || !canChange()) return;
    const RecordCopy copy = readRecordCopy(table_.table());
    insertRecord();
    try {
        putRecordCopy(table_.table(), copy);
        table_->post();
        table_->commit();
    } catch (const xbase::Error& e) {
        table_->cancel();
        showError(e);
    }
    editing_ = false;
    emit recordsChanged();
    emit statesChanged();
}

void RecordEditor::move(int direction) {
    if (!hasCurrentRecord() || editing_) return;
    table_->skip(direction);
    if (direction > 0 && table_->eof()) {
        table_->goBottom();
        beep();
    } else if (direction < 0 && table_->bof()) {
        beep();
    }
    emit currentChanged();
    emit statesChanged();
}

void RecordEditor::pageDown(const TypedRecord& typed) {
    if (!editing_)
        next();
    else if (askYesNo(tr("Save changes?")))
        save(typed);
}

void RecordEditor::pageUp() {
    if (!editing_) prior();
}

bool RecordEditor::escape() {
    if (!editing_ || !askYesNo(tr("Cancel changes?"))) return false;
    cancel();
    return true;
}

void RecordEditor::toggleTypingMode() {
    insertMode_ = !insertMode_;
    emit typingModeChanged(insertMode_);
}

}  // namespace rp
