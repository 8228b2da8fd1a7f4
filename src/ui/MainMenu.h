#pragma once

#include <span>

namespace zarion::ui {

// One entry of the main window's menu.
struct MenuEntry {
    enum Kind {
        Command,     // a command: a QAction named after it
        Group,       // a drop-down menu holding the entries that name it as their group
        HiddenGroup, // a group kept off screen: the pop-up menu of the calculation windows
        WindowList,  // the list of open child windows, rebuilt whenever it opens
    };
    const char* name;    // the objectName of its action (mnuZaposleni)
    const char* caption; // YUSCII notation
    const char* group;   // the group that holds it; nullptr for the menu bar itself
    Kind kind = Command;
};

// The whole menu in menu order; a group comes before the entries it holds.
std::span<const MenuEntry> mainMenu();

} // namespace zarion::ui
