#pragma once
// A store prepared as at start-up, with a recording main window and command thread.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string_view>

#include "link/AnswerAnalysis.h"
#include "link/MessageIds.h"
#include "link/RadioStateStore.h"
#include "support/FakeThreadHandle.h"
#include "support/FakeWindowHost.h"
#include "support/StoreFixture.h"

namespace velmora::test {

class LinkFixture : public StoreFixture {
  protected:
    LinkFixture() { store->threads.Anl_Send_Thread = &commandThread; }

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

    // One answer, what it posts to the main window, and (when given) the record it leaves at value.
    struct Row {
        std::string_view answer;
        std::vector<uint32_t> posted;
        const BoundedInt* record = nullptr;
        int32_t value = 0;
    };
    void expectRows(std::initializer_list<Row> rows) {
        for (const Row& r : rows) {
            SCOPED_TRACE(r.answer);
            EXPECT_EQ(postsOf(r.answer), r.posted);
            if (r.record) {
                EXPECT_EQ(r.record->get(), r.value);
            }
        }
    }

    RadioRecords& rec = store->records;
    FakeThreadHandle commandThread;
    AnswerAnalysis analysis{*store};
};

using Ids = std::vector<uint32_t>;

}  // namespace velmora::test
