#pragma once
// A store prepared as at start-up, with a recording main window and command thread.
#include <gtest/gtest.h>

#include <memory>
#include <string_view>

#include "link/AnswerAnalysis.h"
#include "link/MessageIds.h"
#include "link/RadioStateStore.h"
#include "support/FakeThreadHandle.h"
#include "support/FakeWindowHost.h"

namespace velmora::test {

class LinkFixture : public ::testing::Test {
  protected:
    LinkFixture() {
        InitRadioState(*store, nullptr);
        InitPanelState(*store);
        store->mainWindow.store(&window);
        store->threads.Anl_Send_Thread.store(&commandThread);
    }
    ~LinkFixture() override {
        store->mainWindow.store(nullptr);
        store->threads.Anl_Send_Thread.store(nullptr);
    }

    AnswerAnalysis::Result handle(std::string_view answer) { return analysis.handle(answer); }
    // Handles the answer and returns the ids posted to the main window by it.
    std::vector<uint32_t> postsOf(std::string_view answer) {
        window.clear();
        handle(answer);
        return window.postedIds();
    }
    // The same for the command thread (the window's record is cleared too).
    std::vector<uint32_t> commandPostsOf(std::string_view answer) {
        window.clear();
        commandThread.clear();
        handle(answer);
        return commandThread.postedIds();
    }

    std::unique_ptr<RadioStateStore> store = std::make_unique<RadioStateStore>();
    RadioRecords& rec = store->records;
    FakeWindowHost window;
    FakeThreadHandle commandThread;
    AnswerAnalysis analysis{*store};
};

using Ids = std::vector<uint32_t>;

}  // namespace velmora::test
