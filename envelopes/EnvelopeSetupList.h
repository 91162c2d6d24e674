#pragma once
// The setup list commands of the Print Envelope dialog's panel "Select Envelope Setup", on
// the open setup file RVPESU.DBF: the current setup, the button states, and
// "Modify", "New", "Delete" and the move to another row. The Print Envelope dialog wires its
// widgets to these and supplies the designer and its printer information through the hooks.
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

#include "envelopes/EnvelopeSetup.h"

namespace xbase {
class Engine;
class Table;
}  // namespace xbase

namespace rp {

// Enabled states of the panel: the list and every button but "New" need a current record.
struct SetupButtonStates {
    bool list = false;
    bool modify = false;
    bool printNow = false;
    bool preview = false;
    bool remove = false;  // "Delete"
    bool add = true;      // "New", always enabled
    bool operator==(const SetupButtonStates&) const = default;
};

SetupButtonStates envelopeButtonStates(const xbase::Table& setups);

class EnvelopeSetupList {
  public:
    explicit EnvelopeSetupList(xbase::Table& setups);

    xbase::Table& table() const { return setups_; }

    // The envelope designer on a copy; true when it ended with Save, the copy then
    // holding the edited setup.
    std::function<bool(EnvelopeSetup& copy)> design;
    // Shows the printer information again.
    std::function<void()> showPrinterInformation;
    // Restores the remembered printer, paper source and paper of a setup.
    std::function<void(const EnvelopeSetup& setup)> restorePrinterMemory;
    // Lets pending window messages run.
    std::function<void()> processEvents;
    // Tells the list widget to show the table anew (rows and current row).
    std::function<void()> listChanged;

    // The setup read last (the default setup while the file is empty).
    const EnvelopeSetup& current() const { return current_; }
    const SetupButtonStates& buttons() const { return buttons_; }

    // Reads the current record's setup.
    const EnvelopeSetup& readCurrent();
    // Recomputes the button states (setEnvelopeButtons).
    void setEnvelopeButtons();
    // First activation: reads the current setup and sets the button states.
    void activate();

    // "Modify": the designer on a copy of the current setup; on Save the copy is written back
    // into the current record. Afterwards, whatever the outcome, the printer information is
    // shown, the current setup read again and the button states recomputed. True on Save.
    bool modify();
    // "New": as Modify, but the copy is named "{Untitled Envelope Setup Record}" and on Save a
    // record is appended first.
    bool createNew();
    // "Delete": asks "Delete this record?"; on Yes deletes the current record, lets pending
    // messages run and recomputes the button states. True when a record was deleted.
    bool deleteCurrent();
    // Moving to another row of the list: reads that setup and restores its printer memory.
    void moveTo(std::uint32_t recno);

  private:
    bool runDesigner(bool append);
    void rowChanged();

    xbase::Table& setups_;
    EnvelopeSetup current_;
    SetupButtonStates buttons_;
};

// Opens RVPESU.DBF from the program folder and goes to its first record; on failure shows
// "Unable to Open RVPESU.DBF (envelope setup file)" and returns null.
std::unique_ptr<xbase::Table> openEnvelopeSetups(xbase::Engine& engine,
                                                 const QString& programFolder);

}  // namespace rp
