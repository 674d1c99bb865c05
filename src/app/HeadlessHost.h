#pragma once
// "The main window" without a window: an event loop on the thread that runs it, serving posted
// and sent window messages and the id-keyed timers. Used by `velmora --headless` and by the
// integration tests.
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <thread>

#include "link/WindowHost.h"

namespace velmora {

class HeadlessHost : public WindowHost {
  public:
    using MessageHandler = std::function<void(uint32_t id, uintptr_t wParam, intptr_t lParam)>;
    using TimerHandler = std::function<void(int id)>;
    using Clock = std::chrono::steady_clock;

    // How long send() from another thread waits for the loop before giving up; the message is
    // then still delivered, as a post.
    static constexpr std::chrono::milliseconds kSendWait{2000};
    // Posts that come within this of the last wake that served posts are served together at its
    // end, not one wake each: a radio reporting hundreds of changes a second would otherwise
    // wake the loop for every notification. One frame of a 60 Hz display: no reader of the
    // console or the log sees the difference. Posts that come slower are served at once; sends,
    // timers and quit() always wake the loop.
    static constexpr std::chrono::milliseconds kGatherTime{16};

    void setMessageHandler(MessageHandler handler) { onMessage_ = std::move(handler); }
    void setTimerHandler(TimerHandler handler) { onTimer_ = std::move(handler); }

    void post(uint32_t id, uintptr_t wParam, intptr_t lParam) override;
    void send(uint32_t id, uintptr_t wParam, intptr_t lParam) override;
    void setTimer(int id, int ms) override;
    void killTimer(int id) override;

    // Serves messages and timers on the calling thread until quit() or the deadline.
    void run(Clock::time_point deadline = Clock::time_point::max());
    // Serves whatever is due now, without waiting; returns the number of events served.
    int runPending();
    void quit();
    bool isTimerActive(int id) const;

  private:
    struct Message {
        uint32_t id;
        uintptr_t wParam;
        intptr_t lParam;
        uint64_t seq;  // order of arrival; messages are served in this order
    };
    struct Timer {
        std::chrono::milliseconds period;
        Clock::time_point due;
    };

    bool serveOne(std::unique_lock<std::mutex>& lock);
    // After a wake that served posts: whether the next posts are gathered, and until when.
    void decideGathering(Clock::time_point now);
    bool onLoopThread() const;

    // guards queue_, timers_, quit_, running_, loopThread_, nextSeq_, servedSeq_, waitingUntil_,
    // gathering_, gatherUntil_ and lastPostWake_
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable served_;
    uint64_t nextSeq_ = 1;
    uint64_t servedSeq_ = 0;  // the last message whose handler has returned
    std::deque<Message> queue_;
    std::map<int, Timer> timers_;
    bool quit_ = false;
    bool running_ = false;  // run() is serving on loopThread_
    std::thread::id loopThread_;
    // While the loop sleeps: the time it sleeps until; otherwise min(). A timer due later needs
    // no wake: the watchdog is set again after every answer, and waking the loop for each of
    // them cost a thread switch per answer.
    Clock::time_point waitingUntil_ = Clock::time_point::min();
    bool gathering_ = false;  // posts do not wake the loop; it wakes at gatherUntil_
    Clock::time_point gatherUntil_;
    Clock::time_point lastPostWake_;  // the last wake of the loop that served posts
    MessageHandler onMessage_;
    TimerHandler onTimer_;
};

}  // namespace velmora
