#pragma once
// The dialogs of other subsystems that the main window's commands open.
namespace rp {

class MainWindow;

// Gives the main window the dialog of every command that has one.
void registerCommandDialogs(MainWindow& main);

}  // namespace rp
