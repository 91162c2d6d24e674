#include "app/CommandStates.h"

#include <QCoreApplication>

namespace rp {
namespace {

QString caption(const char* text) {
    return QCoreApplication::translate("CommandStates", text);
}

}  // namespace

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
    s.saveCaption = e ? caption("&Save") : caption("Save");
    s.cancelCaption = e ? caption("&Cancel") : caption("Cancel");
    s.addCaption = e ? caption("Add") : caption("&Add");
    s.editCaption = e ? caption("Edit") : caption("&Edit");
    s.deleteCaption = e ? caption("Delete") : caption("&Delete");
    s.searchCaption = e ? caption("Search") : caption("Searc&h");
    return s;
}

}  // namespace rp
