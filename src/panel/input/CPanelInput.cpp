// Placeholder until the panel input lands.
#include "panel/input/CPanelInput.h"
namespace velmora {
CPanelInput::CPanelInput(RadioStateStore& store, WindowHost& window, PanelInputHost& host)
    : store_(store), window_(window), host_(host) {}
void CPanelInput::OnLButtonDown(uint32_t, int32_t, int32_t) {}
void CPanelInput::OnLButtonUp(uint32_t, int32_t, int32_t) {}
void CPanelInput::OnRButtonDown(uint32_t, int32_t, int32_t) {}
void CPanelInput::OnRButtonUp(uint32_t, int32_t, int32_t) {}
void CPanelInput::OnMouseWheel(uint32_t, int32_t, int32_t, int32_t) {}
bool CPanelInput::OnTimer(int) {
    return false;
}
void CPanelInput::OnMenuCommand(int) {}
void CPanelInput::vfoSetEnter() {}
bool CPanelInput::onWindowMessage(uint32_t, uintptr_t, intptr_t) {
    return false;
}
bool CPanelInput::isIdle() const {
    return true;
}
bool CPanelInput::windowOpen(PanelWindow) const {
    return false;
}
bool CPanelInput::anyWindowOpen() const {
    return false;
}
int32_t CPanelInput::activeCode() const {
    return 0;
}
ControlAt CPanelInput::controlAt(PanelPoint) const {
    return {};
}
}  // namespace velmora
