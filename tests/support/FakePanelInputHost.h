#pragma once
// A PanelInputHost for tests: the pointer and buttons are where the test puts them, windows open
// unless the test says the program has none, and every call is recorded.
#include <string>
#include <utility>
#include <vector>

#include "panel/input/PanelInputHost.h"

namespace velmora::test {

class FakePanelInputHost : public PanelInputHost {
  public:
    PanelPoint cursorPosition() override { return cursor; }
    bool buttonHeld(MouseButton button) override {
        return button == MouseButton::Left ? leftHeld : rightHeld;
    }
    bool openWindow(PanelWindow window) override {
        opened.push_back(window);
        return !missing;
    }
    void closeWindow(PanelWindow window) override { closed.push_back(window); }
    void focusWindow(PanelWindow window) override { focused.push_back(window); }
    void relayToWindow(PanelWindow window, uint32_t id, uintptr_t, intptr_t) override {
        relayed.push_back({window, id});
    }
    void enableMenuCommands(bool enabled) override { menuEnabled = enabled; }
    uint32_t trackOptionMenu(std::span<const OptionMenuItem> items, PanelPoint,
                             uint32_t checkedId) override {
        menuItems.assign(items.begin(), items.end());
        checked = checkedId;
        return choice;
    }
    void showMessage(int stringId) override { messages.push_back(stringId); }
    void runWaitWindow() override { ++waitWindows; }
    void runVersionWindow() override { ++versionWindows; }
    void vfoSetAppendDigit(int digit) override { vfoText += static_cast<char>('0' + digit); }
    void vfoSetEnter() override { ++vfoEnters; }

    PanelPoint cursor{-1, -1};
    bool leftHeld = false, rightHeld = false;
    bool missing = false;  // openWindow answers "no such window"
    std::vector<PanelWindow> opened, closed, focused;
    std::vector<std::pair<PanelWindow, uint32_t>> relayed;
    bool menuEnabled = true;
    std::vector<OptionMenuItem> menuItems;
    uint32_t checked = 0, choice = 0;
    std::vector<int> messages;
    int waitWindows = 0, versionWindows = 0, vfoEnters = 0;
    std::string vfoText;
};

}  // namespace velmora::test
