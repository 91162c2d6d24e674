#pragma once
// What the main window's commands look like in each state: a pure function of whether a
// file is open, a record is being edited or added, there is a current record, a filter is set
// and the file is open read-only.
#include <QString>

namespace rp {

struct CommandStates {
    bool fileMenu = false;             // the File menu
    bool openCommands = false;         // commands that need only an open file
    bool saveCancelShown = false;      // Save and Cancel buttons
    bool addShown = false;             // Add: shown and enabled
    bool editDeleteShown = false;      // Edit and Delete: shown and enabled
    bool recordCommandsShown = false;  // Search, Search Memo, previous/next
    bool recordMenus = false;          // Clone, Order and the Utilities, Labels, ... menus
    bool filterPicture = false;        // the filter status picture
    bool changeCommands = false;       // the commands that change the file, where allowed
    QString saveCaption, cancelCaption, addCaption, editCaption, deleteCaption, searchCaption;
};

CommandStates computeCommandStates(bool open, bool editing, bool hasRecord, bool filterSet,
                                   bool readOnly = false);

}  // namespace rp
