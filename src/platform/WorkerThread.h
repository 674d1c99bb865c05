#pragma once
// A worker thread with its own message queue: handlers are registered by message id before the
// thread starts, each posted {id, wParam, lParam} is handed to its handler in post order, and the
// thread ends itself when it takes WM_THREAD_QUIT from the queue.
//
// A blocked thread can always be ended: requestStop() wakes the queue wait, every sleepFor() of
// the thread and every wait that watches stopToken(); the thread then leaves after the handler
// that is running returns, without handling what is still queued.
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <stop_token>
#include <string>
#include <thread>
#include <unordered_map>

#include "link/ThreadHandle.h"

namespace velmora {

struct ThreadMessage {
    uint32_t id = 0;
    uintptr_t wParam = 0;
    intptr_t lParam = 0;
};

class WorkerThread final : public ThreadHandle {
  public:
    using Handler = std::function<void(uintptr_t wParam, intptr_t lParam)>;
    using Hook = std::function<void()>;

    // The queue refuses posts beyond this many waiting messages, like the system's thread
    // queues: a thread that is stuck must not make a 1 ms poll timer eat all memory.
    static constexpr size_t kDefaultQueueLimit = 10000;

    explicit WorkerThread(std::string name, size_t queueLimit = kDefaultQueueLimit);
    // Ends the thread (as requestStop) and joins it. Must not run on the thread itself.
    ~WorkerThread() override;

    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    // Set-up, before start() only (later calls are ignored and return false). A later
    // registration for the same id replaces the earlier one. WM_THREAD_QUIT cannot be taken
    // over: use the exit hook.
    bool on(uint32_t id, Handler handler);
    bool onStart(Hook hook);  // runs on the thread before the first message
    bool onExit(Hook hook);   // runs on the thread after the last message

    // Creates the thread; false if it was started before or cannot be created.
    bool start();

    // Queued; callable from any thread, also before start(). False once the thread has ended,
    // has been asked to stop, has WM_THREAD_QUIT queued, or its queue is full.
    bool post(uint32_t id, uintptr_t wParam, intptr_t lParam) override;
    // The zero-time-out wait: true from start() until the thread function has returned.
    bool isRunning() const override;
    // Waits for the thread to end; returns at once if it was never started, was joined before,
    // or when called on the thread itself.
    void join();

    // Asks the thread to end as soon as the running handler returns, and wakes it wherever it
    // waits. Idempotent, callable from any thread.
    void requestStop();
    bool stopRequested() const;
    // For waits outside this class (a ring's Get, a condition variable) that must end on stop.
    std::stop_token stopToken() const { return stopSource_.get_token(); }
    // Sleeps ms milliseconds unless a stop is requested first; returns true if the whole time
    // passed, false if it was cut short by the stop.
    bool sleepFor(int ms);

    const std::string& name() const { return name_; }
    // Messages waiting in the queue (for tests and diagnostics).
    size_t pendingCount() const;

  private:
    void run();
    bool takeNext(ThreadMessage& out);
    void dispatch(const ThreadMessage& m) const;

    const std::string name_;
    const size_t queueLimit_;

    // Set up before start() and read-only afterwards: the thread reads them without the lock.
    std::unordered_map<uint32_t, Handler> handlers_;
    Hook startHook_;
    Hook exitHook_;

    // Guards queue_, closed_ and started_; both condition variables wait on it.
    mutable std::mutex mutex_;
    std::condition_variable queueCv_;  // a message arrived or a stop was requested
    std::condition_variable stopCv_;   // a stop was requested (wakes sleepFor)
    std::deque<ThreadMessage> queue_;
    bool closed_ = false;   // no more posts: quit queued, stop requested or thread ended
    bool started_ = false;  // start() ran; set-up calls are refused from then on

    std::atomic<bool> stop_{false};
    std::atomic<bool> running_{false};
    std::atomic<std::thread::id> workerId_{};  // set by the thread itself as it begins
    std::stop_source stopSource_;

    std::mutex joinMutex_;  // guards thread_: its creation and joining
    std::thread thread_;
};

}  // namespace velmora
