#include "app/CommandStates.h"

#include <QCoreApplication>

namespace rp {
namespace {

// The captions are marked for lupdate where they are chosen and translated here.
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
    s.saveCaption = e ? caption(QT_TRANSLATE_NOOP("CommandStates", "&Save"))
                      : caption(QT_TRANSLATE_NOOP("CommandStates", "Save"));
    s.cancelCaption = e ? caption(QT_TRANSLATE_NOOP("CommandStates", "&Cancel"))
                        : caption(QT_TRANSLATE_NOOP("CommandStates", "Cancel"));
    s.addCaption = e ? caption(QT_TRANSLATE_NOOP("CommandStates", "Add"))
                     : caption(QT_TRANSLATE_NOOP("CommandStates", "&Add"));
    s.editCaption = e ? caption(QT_TRANSLATE_NOOP("CommandStates", "Edit"))
                      : caption(QT_TRANSLATE_NOOP("CommandStates", "&Edit"));
    s.deleteCaption = e ? caption(QT_TRANSLATE_NOOP("CommandStates", "Delete"))
                        : caption(QT_TRANSLATE_NOOP("CommandStates", "&Delete"));
    s.searchCaption = e ? caption(QT_TRANSLATE_NOOP("CommandStates", "Search"))
                        : caption(QT_TRANSLATE_NOOP("CommandStates", "Searc&h"));
    return s;
}

}  // namespace rp
