#include "app/CommandStates.h"

#include <QCoreApplication>

namespace rp {
namespace {

// The caption with its underlined letter when keyed, without it otherwise; both are marked for
// lupdate where they are chosen and translated here.
QString caption(bool keyed, const char* withKey, const char* without) {
    return QCoreApplication::translate("CommandStates", keyed ? withKey : without);
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
    s.saveCaption = caption(e, QT_TRANSLATE_NOOP("CommandStates", "&Save"),
                            QT_TRANSLATE_NOOP("CommandStates", "Save"));
    s.cancelCaption = caption(e, QT_TRANSLATE_NOOP("CommandStates", "&Cancel"),
                              QT_TRANSLATE_NOOP("CommandStates", "Cancel"));
    s.addCaption = caption(!e, QT_TRANSLATE_NOOP("CommandStates", "&Add"),
                           QT_TRANSLATE_NOOP("CommandStates", "Add"));
    s.editCaption = caption(!e, QT_TRANSLATE_NOOP("CommandStates", "&Edit"),
                            QT_TRANSLATE_NOOP("CommandStates", "Edit"));
    s.deleteCaption = caption(!e, QT_TRANSLATE_NOOP("CommandStates", "&Delete"),
                              QT_TRANSLATE_NOOP("CommandStates", "Delete"));
    s.searchCaption = caption(!e, QT_TRANSLATE_NOOP("CommandStates", "Searc&h"),
                              QT_TRANSLATE_NOOP("CommandStates", "Search"));
    return s;
}

}  // namespace rp
