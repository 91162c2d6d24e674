#pragma once
// What a screen reader finds in a window: its accessibility tree walked from the window down,
// and the elements a user can give the keyboard focus to that have no name to be read out.
#include <string>
#include <vector>

class QWidget;

namespace rp {

// Each focusable element of window's tree without an accessible name (or with one of symbols
// alone, such as "<"), as
// "role: class 'object name' text" so the list says which control to name. Hidden widgets
// (another tab's page) count too: a user reaches them. The cells of item views and the lists
// combo boxes pop up are named by their data and by the box, and are not searched.
std::vector<std::string> unnamedFocusableElements(QWidget& window);

}  // namespace rp
