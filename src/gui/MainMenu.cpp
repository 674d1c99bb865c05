#include "gui/MainMenu.h"

#include <QAction>
#include <QMenu>
#include <cstring>

namespace velmora::gui {

namespace {

// Menu, item, command id, enabled.
constexpr MainMenuItem kItems[] = {
    {"File", "Exit", 32779, true},         {"File", "Command Send", 32780, false},
    {"Setup", "COM Select", 32781, false}, {"Setup", "Baud rate", 32782, false},
    {"Option", "Playback", 32783, false},  {"Option", "Rotator", 32784, false},
    {"Option", "CW", 32785, false},        {"Option", "Repeater", 32786, false},
    {"Prmtrc", "Prmtrc", 32787, false},    {"Prmtrc", "P-Prmtrc", 32788, false},
    {"Help", "Version", 32789, true},
};

}  // namespace

std::span<const MainMenuItem> mainMenuItems() {
    return kItems;
}

void buildMainMenu(QMenuBar& bar, QObject* context, const std::function<void(int)>& onCommand) {
    QMenu* menu = nullptr;
    const char* menuName = nullptr;
    for (const MainMenuItem& item : kItems) {
        if (!menuName || std::strcmp(menuName, item.menu) != 0) {
            menuName = item.menu;
            menu = bar.addMenu(QString::fromLatin1(item.menu));
            menu->setObjectName(QString::fromLatin1(item.menu));
        }
        QAction* a = menu->addAction(QString::fromLatin1(item.text));
        a->setObjectName(QString::number(item.command));
        a->setEnabled(item.enabled);
        const int command = item.command;
        QObject::connect(a, &QAction::triggered, context,
                         [onCommand, command] { onCommand(command); });
    }
}

}  // namespace velmora::gui
