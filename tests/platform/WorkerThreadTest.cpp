#include <gtest/gtest.h>

#include <atomic>
#include <climits>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "link/MessageIds.h"
#include "platform/WorkerThread.h"
#include "support/TestSupport.h"

namespace velmora {
namespace {

using test::waitFor;

constexpr uint32_t kWork = 0x9001;
constexpr uint32_t kOther = 0x9002;
constexpr uint32_t kNap = 0x9003;

// Records what a thread handled, guarded for the test thread that reads it.
struct Log {
    std::mutex mutex;  // guards entries
    std::vector<ThreadMessage> entries;

    void add(uint32_t id, uintptr_t w, intptr_t l) {
        std::lock_guard lock(mutex);
        entries.push_back({id, w, l});
    }
    std::vector<ThreadMessage> snapshot() {
        std::lock_guard lock(mutex);
        return entries;
    }
    size_t size() { return snapshot().size(); }
};

void recordInto(WorkerThread& t, Log& log, uint32_t id) {
    t.on(id, [&log, id](uintptr_t w, intptr_t l) { log.add(id, w, l); });
}

TEST(WorkerThread, HandlesMessagesInPostOrderWithTheirParametersAndSkipsUnknownIds) {
    Log log;
    WorkerThread t("order");
    recordInto(t, log, kWork);
    recordInto(t, log, kOther);
    ASSERT_TRUE(t.start());
    EXPECT_TRUE(t.post(0x8777, 1, 1));  // no handler: ignored, and the thread carries on
    for (uintptr_t i = 0; i < 2000; ++i) {
        ASSERT_TRUE(t.post(i % 3 ? kWork : kOther, i, -static_cast<intptr_t>(i)));
    }
    ASSERT_TRUE(t.post(kWork, UINTPTR_MAX, INTPTR_MIN));  // parameters keep their full width
    ASSERT_TRUE(waitFor([&] { return log.size() == 2001; }));
    const auto got = log.snapshot();
    EXPECT_EQ(got[2000].wParam, UINTPTR_MAX);
    EXPECT_EQ(got[2000].lParam, INTPTR_MIN);
    for (uintptr_t i = 0; i < 2000; ++i) {
        EXPECT_EQ(got[i].id, i % 3 ? kWork : kOther) << i;
        EXPECT_EQ(got[i].wParam, i);
        EXPECT_EQ(got[i].lParam, -static_cast<intptr_t>(i));
    }
}

TEST(WorkerThread, QuitDrainsTheQueueUpToItThenEndsTheThread) {
    Log log;
    std::atomic<bool> release{false};
    WorkerThread t("quit");
    // The first message holds the thread until everything else is queued.
    t.on(kNap, [&](uintptr_t, intptr_t) { waitFor([&] { return release.load(); }); });
    recordInto(t, log, kWork);
    std::atomic<int> exits{0};
    t.onExit([&] { exits.fetch_add(1); });
    EXPECT_FALSE(t.isRunning());
    ASSERT_TRUE(t.start());
    EXPECT_TRUE(t.isRunning());

    t.post(kNap, 0, 0);
    t.post(kWork, 1, 0);
    t.post(kWork, 2, 0);
    EXPECT_TRUE(t.post(msg::WM_THREAD_QUIT, 0, 0));
    EXPECT_FALSE(t.post(kWork, 3, 0)) << "a message behind the quit would never be handled";
    release = true;

    ASSERT_TRUE(waitFor([&] { return !t.isRunning(); }));
    t.join();
    const auto got = log.snapshot();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].wParam, 1u);
    EXPECT_EQ(got[1].wParam, 2u);
    EXPECT_EQ(exits.load(), 1);
    EXPECT_FALSE(t.post(kWork, 4, 0));
    EXPECT_FALSE(t.post(msg::WM_THREAD_QUIT, 0, 0));
}

TEST(WorkerThread, HooksRunOnTheThreadAroundTheMessages) {
    std::mutex mutex;  // guards order and ids
    std::vector<int> order;
    std::vector<std::thread::id> ids;
    auto note = [&](int what) {
        std::lock_guard lock(mutex);
        order.push_back(what);
        ids.push_back(std::this_thread::get_id());
    };
    WorkerThread t("hooks");
    t.onStart([&] { note(1); });
    t.on(kWork, [&](uintptr_t, intptr_t) { note(2); });
    t.onExit([&] { note(3); });
    t.post(kWork, 0, 0);  // queued before start: handled after the start hook
    t.start();
    t.post(msg::WM_THREAD_QUIT, 0, 0);
    t.join();
    EXPECT_FALSE(t.isRunning());
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
    ASSERT_EQ(ids.size(), 3u);
    EXPECT_NE(ids[0], std::this_thread::get_id());
    EXPECT_EQ(ids[0], ids[1]);
    EXPECT_EQ(ids[1], ids[2]);
}

TEST(WorkerThread, SetUpIsRefusedOnceStartedAndStartWorksOnce) {
    WorkerThread t("setup");
    EXPECT_FALSE(t.on(msg::WM_THREAD_QUIT, [](uintptr_t, intptr_t) {}));
    ASSERT_TRUE(t.start());
    EXPECT_FALSE(t.start());
    EXPECT_FALSE(t.on(kWork, [](uintptr_t, intptr_t) {}));
    EXPECT_FALSE(t.onStart([] {}));
    EXPECT_FALSE(t.onExit([] {}));
}

TEST(WorkerThread, PostsFromSeveralThreadsArriveWholeAndInEachSendersOrder) {
    constexpr int kSenders = 4;
    constexpr int kEach = 5000;
    std::vector<intptr_t> next(kSenders, 0);  // only the worker touches it until it has ended
    std::atomic<int> handled{0};
    std::atomic<int> outOfOrder{0};
    WorkerThread t("stress", kSenders * kEach);
    t.on(kWork, [&](uintptr_t sender, intptr_t seq) {
        if (next[sender] != seq) outOfOrder.fetch_add(1);
        next[sender] = seq + 1;
        handled.fetch_add(1, std::memory_order_relaxed);
    });
    t.start();
    std::vector<std::thread> senders;
    std::atomic<int> refused{0};
    for (int s = 0; s < kSenders; ++s) {
        senders.emplace_back([&, s] {
            for (intptr_t i = 0; i < kEach; ++i) {
                if (!t.post(kWork, static_cast<uintptr_t>(s), i)) refused.fetch_add(1);
            }
        });
    }
    for (auto& s : senders) s.join();
    t.post(msg::WM_THREAD_QUIT, 0, 0);
    t.join();
    EXPECT_EQ(refused.load(), 0);
    EXPECT_EQ(handled.load(), kSenders * kEach);
    EXPECT_EQ(outOfOrder.load(), 0);
    for (int s = 0; s < kSenders; ++s) EXPECT_EQ(next[s], kEach);
}

TEST(WorkerThread, AFullQueueRefusesPostsInsteadOfGrowing) {
    std::atomic<bool> release{false};
    WorkerThread t("full", 3);
    t.on(kNap, [&](uintptr_t, intptr_t) { waitFor([&] { return release.load(); }); });
    t.start();
    t.post(kNap, 0, 0);
    ASSERT_TRUE(waitFor([&] { return t.pendingCount() == 0; }));
    EXPECT_TRUE(t.post(kWork, 0, 0));
    EXPECT_TRUE(t.post(kWork, 0, 0));
    EXPECT_TRUE(t.post(kWork, 0, 0));
    EXPECT_FALSE(t.post(kWork, 0, 0));
    // Ending the thread must never depend on room in its queue.
    EXPECT_TRUE(t.post(msg::WM_THREAD_QUIT, 0, 0));
    release = true;
    t.join();
    EXPECT_FALSE(t.isRunning());
}

TEST(WorkerThread, RequestStopCutsASleepingHandlerShort) {
    std::atomic<bool> asleep{false};
    std::atomic<int> sleepResult{-1};
    std::atomic<bool> laterHandled{false};
    WorkerThread t("sleeper");
    t.on(kNap, [&](uintptr_t, intptr_t) {
        asleep = true;
        sleepResult = t.sleepFor(3'600'000) ? 1 : 0;
    });
    t.on(kWork, [&](uintptr_t, intptr_t) { laterHandled = true; });
    t.start();
    t.post(kNap, 0, 0);
    t.post(kWork, 0, 0);
    ASSERT_TRUE(waitFor([&] { return asleep.load(); }));
    EXPECT_FALSE(t.stopRequested());
    t.requestStop();
    EXPECT_TRUE(t.stopRequested());
    ASSERT_TRUE(waitFor([&] { return !t.isRunning(); }));
    t.join();
    EXPECT_EQ(sleepResult.load(), 0);
    EXPECT_FALSE(laterHandled.load()) << "a stopped thread leaves the rest of its queue";
    EXPECT_FALSE(t.post(kWork, 0, 0));
}

TEST(WorkerThread, ShortSleepsRunToTheEndWithoutAStop) {
    WorkerThread t("pacing");
    EXPECT_TRUE(t.sleepFor(1));
    EXPECT_TRUE(t.sleepFor(0));
    t.requestStop();
    EXPECT_FALSE(t.sleepFor(3'600'000));
}

TEST(WorkerThread, StopTokenWakesAWaitOutsideTheThread) {
    std::atomic<bool> waiting{false};
    std::atomic<bool> woke{false};
    WorkerThread t("token");
    t.on(kNap, [&](uintptr_t, intptr_t) {
        std::mutex m;  // guards nothing but the wait itself
        std::condition_variable_any cv;
        std::unique_lock lock(m);
        waiting = true;
        woke = cv.wait(lock, t.stopToken(), [] { return false; }) == false;
    });
    t.start();
    t.post(kNap, 0, 0);
    ASSERT_TRUE(waitFor([&] { return waiting.load(); }));
    t.requestStop();
    t.join();
    EXPECT_TRUE(woke.load());
    EXPECT_TRUE(t.stopToken().stop_requested());
}

TEST(WorkerThread, DestructorEndsBusyIdleAndUnstartedThreads) {
    std::atomic<bool> asleep{false};
    {
        WorkerThread sleeping("dtor-sleep");
        sleeping.on(kNap, [&](uintptr_t, intptr_t) {
            asleep = true;
            sleeping.sleepFor(3'600'000);
        });
        sleeping.start();
        sleeping.post(kNap, 0, 0);
        ASSERT_TRUE(waitFor([&] { return asleep.load(); }));
    }
    {
        WorkerThread idle("dtor-idle");
        idle.start();
    }
    {
        WorkerThread unstarted("dtor-never");
        unstarted.post(kWork, 0, 0);
        EXPECT_FALSE(unstarted.isRunning());
    }
    SUCCEED();  // reaching here means none of the destructors hung
}

TEST(WorkerThread, JoinFromAHandlerDoesNotDeadlock) {
    std::atomic<bool> done{false};
    WorkerThread t("selfjoin");
    t.on(kWork, [&](uintptr_t, intptr_t) {
        t.join();
        done = true;
    });
    t.start();
    t.post(kWork, 0, 0);
    ASSERT_TRUE(waitFor([&] { return done.load(); }));
    EXPECT_TRUE(t.isRunning());
}

// The shutdown procedure of the program: post the quit, then wait, while the thread paces
// itself with short sleeps.
TEST(WorkerThread, QuitReachesAThreadThatPacesItselfWithSleeps) {
    std::atomic<int> naps{0};
    WorkerThread t("paced");
    t.on(kNap, [&](uintptr_t, intptr_t) {
        t.sleepFor(2);
        naps.fetch_add(1);
    });
    t.start();
    for (int i = 0; i < 20; ++i) t.post(kNap, 0, 0);
    t.post(msg::WM_THREAD_QUIT, 0, 0);
    ASSERT_TRUE(waitFor([&] { return !t.isRunning(); }));
    EXPECT_EQ(naps.load(), 20);
}

}  // namespace
}  // namespace velmora
