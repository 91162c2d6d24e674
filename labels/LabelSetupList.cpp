#include "labels/LabelSetupList.h"

#include <QCoreApplication>

#include "data/PendingRecord.h"
#include "framework/Messages.h"
#include "xbase/Table.h"

namespace rp {

bool LabelSetupList::hasCurrent() const {
    return setups_.isOpen() && !setups_.eof();
}

LabelSetupButtons LabelSetupList::setLabelButtons() const {
    const bool on = hasCurrent();
    return {on, on, on, on, on, true};
}

LabelSetup LabelSetupList::currentSetup() const {
    return readLabelSetup(setups_);
}

bool LabelSetupList::modify(const LabelDesignerFn& designer) {
    if (!hasCurrent()) return false;
    LabelSetup copy = readLabelSetup(setups_);
    if (!designer(copy)) return false;
    return writeLabelSetup(setups_, copy);
}

bool LabelSetupList::createNew(const LabelDesignerFn& designer) {
    LabelSetup copy = readLabelSetup(setups_);
    copy.description = kUntitledLabelSetup;
    if (!designer(copy)) return false;
    const PendingRecord added(setups_, PendingRecord::Target::NewRecord);
    return writeLabelSetup(setups_, copy);
}

bool LabelSetupList::deleteCurrent() {
    if (!hasCurrent()) return false;
    if (!askYesNo(QCoreApplication::translate("LabelSetupList", "Delete this record?")))
        return false;
    setups_.deleteRecord();
    QCoreApplication::processEvents();
    // As a dataset does after a delete: on to the next record, or back to the last one.
    setups_.skip(1);
    if (setups_.eof()) setups_.goBottom();
    return true;
}

}  // namespace rp
