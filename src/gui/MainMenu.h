#pragma once
// The menu bar of the main window (menu resource 130): five menus, eleven commands. Each action
// carries its command id as objectName, so the panel input and the tests can find it.
#include <QMenuBar>
#include <functional>
#include <span>

namespace velmora::gui {

struct MainMenuItem {
    const char* menu;
    const char* text;
    int command;
    bool enabled;  // commands whose windows are not built yet stay disabled
};

inline constexpr int kCommandExit = 32779;
inline constexpr int kCommandVersion = 32789;

std::span<const MainMenuItem> mainMenuItems();

// Fills the bar; triggered actions call onCommand with their command id.
void buildMainMenu(QMenuBar& bar, QObject* context, const std::function<void(int)>& onCommand);

}  // namespace velmora::gui
