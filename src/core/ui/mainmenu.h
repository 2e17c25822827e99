#pragma once
// The main menu as data: the command groups on the left of the main window, their commands
// and the sub-commands that two of them expand. Object names are stable handles for the code
// that later attaches a screen to a command.

#include <QString>
#include <vector>

namespace zeran::ui {

struct MenuCommand {
    const char *caption;
    const char *objectName;
    std::vector<MenuCommand> children;  ///< non-empty: the command only expands these
};

struct MenuGroup {
    const char *caption;
    const char *objectName;
    std::vector<MenuCommand> commands;
    bool closesWindow = false;  ///< opening the group closes the main window ("ÇIKIŞ")
};

/// The groups in their order on screen.
const std::vector<MenuGroup> &mainMenu();

/// Commands that are never tied to a screen and so are usable from the start.
bool isInertCommand(const QString &objectName);

}  // namespace zeran::ui
