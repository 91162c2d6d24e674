#include "app/CommandStates.h"

namespace rp {

CommandStates computeCommandStates(bool open, bool editing, bool hasRecord, bool filterSet,
                                   bool readOnly) {
    const bool e = open && editing;
    const bool r = open && hasRecord;
    const bool w = open && !readOnly;
    CommandStates s;
    s.fileMenu = !e;
    s.openCommands = open;
    s.saveCancelShown = e;
    s.addShown = w && !e;
    s.editDeleteShown = r && w && !e;
    s.recordCommandsShown = r && !e;
    s.recordMenus = r && !e;
    s.filterPicture = open && filterSet;
    s.changeCommands = w && !e;
    s.saveCaption = e ? QStringLiteral("&Save") : QStringLiteral("Save");
    s.cancelCaption = e ? QStringLiteral("&Cancel") : QStringLiteral("Cancel");
    s.addCaption = e ? QStringLiteral("Add") : QStringLiteral("&Add");
    s.editCaption = e ? QStringLiteral("Edit") : QStringLiteral("&Edit");
    s.deleteCaption = e ? QStringLiteral("Delete") : QStringLiteral("&Delete");
    s.searchCaption = e ? QStringLiteral("Search") : QStringLiteral("Searc&h");
    return s;
}

}  // namespace rp
