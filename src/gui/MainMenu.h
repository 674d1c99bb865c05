#pragma once
// The menu bar of the main window (menu resource 130): five menus, eleven commands. Each action
// carries its command id as objectName, so the panel input and the tests can find it.
#include <QMenuBar>
#include <functional>
#include <optional>
#include <span>

#include "panel/input/PanelInputHost.h"

namespace velmora::gui {

struct MainMenuItem {
    const char* menu;
    const char* text;
    int command;
    // The window the command opens; none for "Exit" and "Version", which are always enabled.
    // An item whose window the program does not have stays disabled.
    std::optional<PanelWindow> window;
};

std::span<const MainMenuItem> mainMenuItems();

// Fills the bar; triggered actions call onCommand with their command id.
void buildMainMenu(QMenuBar& bar, QObject* context, const std::function<void(int)>& onCommand);

}  // namespace velmora::gui
