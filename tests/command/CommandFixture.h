#pragma once
// The command thread's logic driven synchronously: requests go straight to a CommandDispatcher
// over a real store; what it sends is read back from SendRing, its pauses are recorded in the
// same log (as "~25") instead of slept, and the window and the other threads are recording
// fakes.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "command/CommandDispatcher.h"
#include "link/MessageIds.h"
#include "link/RadioStateStore.h"
#include "menulist/BuiltInMenuTable.h"
#include "support/FakeThreadHandle.h"
#include "support/FakeWindowHost.h"
#include "support/StoreFixture.h"

namespace velmora::test {

class CommandFixture : public StoreFixture {
  protected:
    CommandFixture() {
        store->threads.Sio_Send_Thread = &sendThread;
        store->threads.Anl_Recv_Thread = &recvThread;
        store->threads.Anl_Send_Thread = &selfThread;
    }

    void installBuiltInMenu() {
        const auto& defs = builtInMenuDefinitions();
        store->menus.install(defs.data(), kBuiltInMenuItemCount);
        store->menus.setCount(kBuiltInMenuItemCount);
    }

    bool request(uint32_t id, uintptr_t wParam = 0, intptr_t lParam = 0) {
        return dispatcher.handle(id, wParam, lParam);
    }
    // The request for MAIN (sub = false) or SUB with value v.
    bool requestFor(uint32_t id, bool sub, intptr_t v) { return request(id, sub ? 1 : 0, v); }

    // Everything sent and paused since the last call, in order.
    std::vector<std::string> log() {
        drain();
        std::vector<std::string> out;
        out.swap(log_);
        return out;
    }
    // Only the commands of the log.
    std::vector<std::string> sent() {
        std::vector<std::string> out;
        for (auto& e : log()) {
            if (e.empty() || e[0] != '~') out.push_back(std::move(e));
        }
        return out;
    }

    // Every command put into SendRing must have woken the send thread once.
    void expectOneWakePerCommand() {
        drain();
        EXPECT_EQ(sendThread.postedIds().size(), commandsTaken_);
        for (uint32_t id : sendThread.postedIds()) EXPECT_EQ(id, msg::WM_SEND_NEXT);
    }

    FakeThreadHandle sendThread, recvThread, selfThread;
    int portOpens = 0;
    bool pauseResult = true;            // false: every pause is "cut short"
    std::function<void()> duringPause;  // what happens on the line while the thread pauses
    CommandDispatcher dispatcher{*store,
                                 [this](int ms) {
                                     drain();
                                     if (duringPause) duringPause();
                                     log_.push_back("~" + std::to_string(ms));
                                     return pauseResult;
                                 },
                                 [this] {
                                     ++portOpens;
                                     return true;
                                 }};

  private:
    void drain() {
        for (std::string& command : takeAll(store->sendRing)) {
            log_.push_back(std::move(command));
            ++commandsTaken_;
        }
    }

    std::vector<std::string> log_;
    size_t commandsTaken_ = 0;
};

using Strings = std::vector<std::string>;

}  // namespace velmora::test
