#include "envelopes/EnvelopeSetupList.h"

#include <QCoreApplication>
#include <exception>
#include <optional>

#include "data/AddressTable.h"
#include "data/PendingRecord.h"
#include "envelopes/EnvelopeLayouts.h"
#include "envelopes/SideRows.h"
#include "framework/Messages.h"
#include "xbase/Engine.h"
#include "xbase/Table.h"

namespace rp {

SetupButtonStates EnvelopeButtonStates(const xbase::Table& setups) {
    const bool any = HasCurrentRecord(setups);
    SetupButtonStates s;
    s.list = s.modify = s.printNow = s.preview = s.remove = any;
    s.add = true;
    return s;
}

EnvelopeSetupList::EnvelopeSetupList(xbase::Table& setups)
    : setups_(setups), current_(ReadEnvelopeSetup(setups)) {}

const EnvelopeSetup& EnvelopeSetupList::readCurrent() {
    current_ = ReadEnvelopeSetup(setups_);
    return current_;
}

void EnvelopeSetupList::SetEnvelopeButtons() {
    buttons_ = EnvelopeButtonStates(setups_);
}

void EnvelopeSetupList::activate() {
    readCurrent();
    SetEnvelopeButtons();
}

bool EnvelopeSetupList::runDesigner(bool append) {
    EnvelopeSetup copy = readCurrent();
    if (append) copy.descript = kUntitledEnvelopeSetup;
    bool saved = false;
    if (design && design(copy)) {
        try {
            std::optional<PendingRecord> added;
            if (append) added.emplace(setups_, PendingRecord::Target::NewRecord);
            WriteEnvelopeSetup(setups_, copy);
            saved = true;
        } catch (const std::exception& e) {
            ShowInformation(QString::fromStdString(e.what()));
        }
    }
    if (listChanged) listChanged();
    if (showPrinterInformation) showPrinterInformation();
    readCurrent();
    SetEnvelopeButtons();
    return saved;
}

bool EnvelopeSetupList::Modify() {
    if (!HasCurrentRecord(setups_)) return false;
    return runDesigner(false);
}

bool EnvelopeSetupList::New() {
    return runDesigner(true);
}

bool EnvelopeSetupList::Delete() {
    if (!HasCurrentRecord(setups_)) return false;
    if (!AskYesNo(QStringLiteral("Delete this record?"))) return false;
    try {
        DeleteCurrentRecord(setups_);
    } catch (const std::exception& e) {
        ShowInformation(QString::fromStdString(e.what()));
        return false;
    }
    if (listChanged) listChanged();
    if (processEvents)
        processEvents();
    else
        QCoreApplication::processEvents();
    // The grid now stands on another row (or none): that row's setup is read.
    rowChanged();
    SetEnvelopeButtons();
    return true;
}

void EnvelopeSetupList::MoveTo(std::uint32_t recno) {
    if (recno == 0)
        setups_.go(setups_.recordCount() + 1);
    else
        setups_.go(recno);
    rowChanged();
}

void EnvelopeSetupList::rowChanged() {
    readCurrent();
    if (restorePrinterMemory && HasCurrentRecord(setups_)) restorePrinterMemory(current_);
}

std::unique_ptr<xbase::Table> OpenEnvelopeSetups(xbase::Engine& engine,
                                                 const QString& programFolder) {
    try {
        auto table = OpenSideTable(engine, programFolder + QString::fromLatin1(kEnvelopeSetupFile));
        GoFirstListed(*table);
        return table;
    } catch (const std::exception& e) {
        ShowInformation(WithCause(QStringLiteral("Unable to Open RVPESU.DBF (envelope setup file)"),
                                  ErrorText(e)));
        return nullptr;
    }
}

}  // namespace rp
