#pragma once
// The setup list commands of the Print Labels dialog (its "Select Label Setup" panel), on the
// open label setup file RVPLSU.DBF, which the caller opened and put on its first record.
// The dialog wires its buttons to these and shows the list with SideGridModel.
#include <functional>

#include "labels/LabelSetup.h"

namespace xbase {
class Table;
}

namespace rp {

// Enabled states of the panel's controls (setLabelButtons): all but New need a current record.
struct LabelSetupButtons {
    bool modify = false;
    bool printNow = false;
    bool preview = false;
    bool remove = false;  // "Delete"
    bool list = false;
    bool add = true;  // "New", always enabled
    bool operator==(const LabelSetupButtons&) const = default;
};

// The label designer on a setup: edits it in place and returns true for Save,
// false for Cancel.
using LabelDesignerFn = std::function<bool(LabelSetup& setup)>;

class LabelSetupList {
  public:
    explicit LabelSetupList(xbase::Table& setups) : setups_(setups) {}

    // The setup file has a current record (it is not at its end).
    bool hasCurrent() const;
    LabelSetupButtons setLabelButtons() const;
    // readLabelSetup of the current record (the default setup when there is none).
    LabelSetup currentSetup() const;

    // Modify: the designer on a copy of the current setup; on Save the copy is written back
    // into the current record. Nothing without a current record. True when written.
    bool modify(const LabelDesignerFn& designer);
    // New: the designer on a copy of the current setup (the default setup when the file is
    // empty) described as "{Untitled Label Setup Record}"; on Save a record is appended and the
    // copy written into it. Cancel changes nothing. True when appended.
    bool createNew(const LabelDesignerFn& designer);
    // Delete: asks "Delete this record?" (Yes/No); on Yes deletes the current record and lets
    // pending window messages run. The list then stands on the next record, or on the last
    // one when the deleted record was the last. True when deleted.
    bool deleteCurrent();

  private:
    xbase::Table& setups_;
};

}  // namespace rp
