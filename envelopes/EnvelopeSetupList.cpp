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

SetupButtonStates envelopeButtonStates(const xbase::Table& setups) {
    const bool any = hasCurrentRecord(setups);
    SetupButtonStates s;
    s.list = s.modify = s.printNow = s.preview = s.remove = any;
    s.add = true;
    return s;
}

EnvelopeSetupList::EnvelopeSetupList(xbase::Table& setups)
    : setups_(setups), current_(readEnvelopeSetup(setups)) {}

const EnvelopeSetup& EnvelopeSetupList::readCurrent() {
    current_ = readEnvelopeSetup(setups_);
    return current_;
}

void EnvelopeSetupList::setEnvelopeButtons() {
    buttons_ = envelopeButtonStates(setups_);
}

void EnvelopeSetupList::activate() {
    readCurrent();
    setEnvelopeButtons();
}

bool EnvelopeSetupList::runDesigner(bool append) {
    EnvelopeSetup copy = readCurrent();
    if (append) copy.descript = kUntitledEnvelopeSetup;
    bool saved = false;
    if (design && design(copy)) {
        try {
            std::optional<PendingRecord> added;
            if (append) added.emplace(setups_, PendingRecord::Target::NewRecord);
            writeEnvelopeSetup(setups_, copy);
            saved = true;
        } catch (const std::exception& e) {
            showInformation(errorText(e));
        }
    }
    if (listChanged) listChanged();
    if (showPrinterInformation) showPrinterInformation();
    readCurrent();
    setEnvelopeButtons();
    return saved;
}

bool EnvelopeSetupList::modify() {
    if (!hasCurrentRecord(setups_)) return false;
    return runDesigner(false);
}

bool EnvelopeSetupList::createNew() {
    return runDesigner(true);
}

bool EnvelopeSetupList::deleteCurrent() {
    if (!hasCurrentRecord(setups_)) return false;
    if (!askYesNo(QCoreApplication::translate("EnvelopeSetupList", "Delete this record?")))
        return false;
    try {
        deleteCurrentRecord(setups_);
    } catch (const std::exception& e) {
        showInformation(errorText(e));
        return false;
    }
    if (listChanged) listChanged();
    if (processEvents)
        processEvents();
    else
        QCoreApplication::processEvents();
    // The grid now stands on another row (or none): that row's setup is read.
    rowChanged();
    setEnvelopeButtons();
    return true;
}

void EnvelopeSetupList::moveTo(std::uint32_t recno) {
    if (recno == 0)
        setups_.go(setups_.recordCount() + 1);
    else
        setups_.go(recno);
    rowChanged();
}

void EnvelopeSetupList::rowChanged() {
    readCurrent();
    if (restorePrinterMemory && hasCurrentRecord(setups_)) restorePrinterMemory(current_);
}

std::unique_ptr<xbase::Table> openEnvelopeSetups(xbase::Engine& engine,
                                                 const QString& programFolder) {
    const QString path = programFolder + QString::fromLatin1(kEnvelopeSetupFile);
    try {
        auto table = openSideTable(engine, path);
        if (const auto notice = indexRebuiltNotice(*table, path)) showInformation(*notice);
        goFirstListed(*table);
        return table;
    } catch (const std::exception& e) {
        showInformation(
            withCause(QCoreApplication::translate(
                          "EnvelopeSetupList", "Unable to Open RVPESU.DBF (envelope setup file)"),
                      errorText(e)));
        return nullptr;
    }
}

}  // namespace rp
