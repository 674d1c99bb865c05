#pragma once
// A panel input over a prepared store, with a window that records its notices and timers, a
// command thread that records the posted actions, and a host whose pointer and buttons the test
// moves by hand. Timers never fire: tests call OnTimer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "link/MessageIds.h"
#include "link/PanelActionTable.h"
#include "panel/input/CPanelInput.h"
#include "support/FakePanelInputHost.h"
#include "support/FakeThreadHandle.h"
#include "support/StoreFixture.h"

namespace velmora::test {

class PanelInputFixture : public StoreFixture {
  protected:
    PanelInputFixture() { store->threads.Anl_Send_Thread = &thread; }

    // Auto-information is on and the initial read is through: knobs and digits may send.
    void linkReady() {
        store->records.ai.set(1);
        store->windowFlags.initialReadDone = true;
    }
    // A left click held down at p, the pointer staying there.
    void leftDown(PanelPoint p) {
        host.cursor = p;
        host.leftHeld = true;
        input.OnLButtonDown(mouse_flag::LEFT, p.x, p.y);
    }
    void leftUp() {
        host.leftHeld = false;
        input.OnLButtonUp(0, host.cursor.x, host.cursor.y);
    }
    void click(PanelPoint p) {
        leftDown(p);
        leftUp();
    }
    // The posted actions as {request id, value}, and whether each named the SUB receiver.
    std::vector<std::pair<uint32_t, intptr_t>> actions() const {
        std::vector<std::pair<uint32_t, intptr_t>> out;
        for (const WindowMessage& m : thread.posts()) out.push_back({m.id, m.lParam});
        return out;
    }
    // The wParam of the notices sent with id, in order.
    std::vector<uintptr_t> notices(uint32_t id) const {
        std::vector<uintptr_t> out;
        for (const WindowMessage& m : window.sends()) {
            if (m.id == id) out.push_back(m.wParam);
        }
        return out;
    }

    FakeThreadHandle thread;
    FakePanelInputHost host;
    CPanelInput input{*store, window, host};
};

}  // namespace velmora::test
