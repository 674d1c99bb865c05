#include "gui/MainMenu.h"

#include <QAction>
#include <QMenu>
#include <cstring>

#include "link/MessageIds.h"

namespace velmora::gui {

namespace {

// Menu, item, command id, the window it opens.
const MainMenuItem kItems[] = {
    {"File", "Exit", menu_item::EXIT, std::nullopt},
    {"File", "Command Send", menu_item::COMMAND_SEND, PanelWindow::CommandSend},
    {"Setup", "COM Select", menu_item::COM_SELECT, PanelWindow::ComSelect},
    {"Setup", "Baud rate", menu_item::BAUD_RATE, PanelWindow::BaudRate},
    {"Option", "Playback", menu_item::PLAYBACK, PanelWindow::Playback},
    {"Option", "Rotator", menu_item::ROTATOR, PanelWindow::Rotator},
    {"Option", "CW", menu_item::CW, PanelWindow::Cw},
    {"Option", "Repeater", menu_item::REPEATER, PanelWindow::Repeater},
    {"Prmtrc", "Prmtrc", menu_item::PRMTRC, PanelWindow::Equalizer},
    {"Prmtrc", "P-Prmtrc", menu_item::P_PRMTRC, PanelWindow::Equalizer},
    {"Help", "Version", menu_item::VERSION, std::nullopt},
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
        a->setEnabled(!item.window);
        const int command = item.command;
        QObject::connect(a, &QAction::triggered, context,
                         [onCommand, command] { onCommand(command); });
    }
}

}  // namespace velmora::gui
