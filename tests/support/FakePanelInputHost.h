#pragma once
// A PanelInputHost for tests: the pointer is where the test puts it, windows open when the test
// says they exist, and every call is recorded.
#include <set>
#include <string>
#include <vector>

#include "panel/input/PanelInputHost.h"

namespace velmora::test {

class FakePanelInputHost : public PanelInputHost {
  public:
    PanelPoint pointer{-1, -1};
    bool leftHeld = false, rightHeld = false;
    std::set<PanelWindow> available{PanelWindow::VfoSet, PanelWindow::ConnectionNotice};
    std::set<PanelWindow> open;
    std::vector<PanelWindow> focused;
    struct Relay {
        PanelWindow window;
        uint32_t id;
    };
    std::vector<Relay> relays;
    std::vector<bool> menuEnabled;  // each call of enableMenuCommands
    std::vector<int> messages;      // string ids shown
    uint32_t menuAnswer = 0;        // what the next option menu returns
    std::vector<std::string> menuLabels;
    uint32_t menuChecked = 0;
    int waitWindows = 0, versionWindows = 0;
    std::string vfoText;

    PanelPoint cursorPosition() override { return pointer; }
    bool buttonHeld(MouseButton b) override {
        return b == MouseButton::Left ? leftHeld : rightHeld;
    }
    bool openWindow(PanelWindow w) override {
        if (!available.count(w)) return false;
        open.insert(w);
        return true;
    }
    void closeWindow(PanelWindow w) override {
        open.erase(w);
        if (w == PanelWindow::VfoSet) vfoText.clear();
    }
    void focusWindow(PanelWindow w) override { focused.push_back(w); }
    void relayToWindow(PanelWindow w, uint32_t id, uintptr_t, intptr_t) override {
        relays.push_back({w, id});
    }
    void enableMenuCommands(bool enabled) override { menuEnabled.push_back(enabled); }
    uint32_t trackOptionMenu(std::span<const OptionMenuItem> items, PanelPoint,
                             uint32_t checkedId) override {
        menuLabels.clear();
        for (const OptionMenuItem& i : items) menuLabels.emplace_back(i.label);
        menuChecked = checkedId;
        return menuAnswer;
    }
    void showMessage(int stringId) override { messages.push_back(stringId); }
    void runWaitWindow() override { ++waitWindows; }
    void runVersionWindow() override { ++versionWindows; }
    std::string vfoSetText() override { return vfoText; }
    void vfoSetAppendDigit(int digit) override {
        if (vfoText.size() < 8) vfoText += static_cast<char>('0' + digit);
    }
};

}  // namespace velmora::test
