#include "platform/WorkerThread.h"

#include <pthread.h>

#include <chrono>
#include <system_error>
#include <utility>

#include "link/MessageIds.h"

namespace velmora {

namespace {

// Thread names show in debuggers and `top -H`; the system keeps at most 15 characters.
void nameCurrentThread(const std::string& name) {
    if (name.empty()) return;
    pthread_setname_np(pthread_self(), name.substr(0, 15).c_str());
}

}  // namespace

WorkerThread::WorkerThread(std::string name, size_t queueLimit)
    : name_(std::move(name)), queueLimit_(queueLimit) {}

WorkerThread::~WorkerThread() {
    requestStop();
    join();
}

bool WorkerThread::on(uint32_t id, Handler handler) {
    std::lock_guard lock(mutex_);
    if (started_ || id == msg::WM_THREAD_QUIT) return false;
    handlers_[id] = std::move(handler);
    return true;
}

bool WorkerThread::onStart(Hook hook) {
    std::lock_guard lock(mutex_);
    if (started_) return false;
    startHook_ = std::move(hook);
    return true;
}

bool WorkerThread::onExit(Hook hook) {
    std::lock_guard lock(mutex_);
    if (started_) return false;
    exitHook_ = std::move(hook);
    return true;
}

bool WorkerThread::start() {
    {
        std::lock_guard lock(mutex_);
        if (started_) return false;
        started_ = true;
    }
    running_.store(true, std::memory_order_release);
    try {
        std::lock_guard joinLock(joinMutex_);
        thread_ = std::thread([this] { run(); });
    } catch (const std::system_error&) {
        running_.store(false, std::memory_order_release);
        std::lock_guard lock(mutex_);
        closed_ = true;
        queue_.clear();
        return false;
    }
    return true;
}

bool WorkerThread::post(uint32_t id, uintptr_t wParam, intptr_t lParam) {
    {
        std::lock_guard lock(mutex_);
        // The quit message is taken even when the queue is full: a thread can always be ended.
        if (closed_ || (queue_.size() >= queueLimit_ && id != msg::WM_THREAD_QUIT)) return false;
        queue_.push_back({id, wParam, lParam});
        // Whatever comes after the quit would never be handled: refuse it instead.
        if (id == msg::WM_THREAD_QUIT) closed_ = true;
    }
    queueCv_.notify_one();
    return true;
}

bool WorkerThread::isRunning() const {
    return running_.load(std::memory_order_acquire);
}

void WorkerThread::join() {
    // A thread cannot join itself; a handler that asks is told nothing and carries on.
    if (std::this_thread::get_id() == workerId_.load(std::memory_order_acquire)) return;
    std::lock_guard lock(joinMutex_);
    if (thread_.joinable()) thread_.join();
}

void WorkerThread::requestStop() {
    {
        std::lock_guard lock(mutex_);
        stop_.store(true, std::memory_order_release);
        closed_ = true;
    }
    // Outside the lock: stop callbacks run here and may take locks of their own.
    stopSource_.request_stop();
    queueCv_.notify_all();
    stopCv_.notify_all();
}

bool WorkerThread::stopRequested() const {
    return stop_.load(std::memory_order_acquire);
}

bool WorkerThread::sleepFor(int ms) {
    std::unique_lock lock(mutex_);
    const bool stopped = stopCv_.wait_for(lock, std::chrono::milliseconds(ms > 0 ? ms : 0),
                                          [this] { return stop_.load(std::memory_order_relaxed); });
    return !stopped;
}

size_t WorkerThread::pendingCount() const {
    std::lock_guard lock(mutex_);
    return queue_.size();
}

void WorkerThread::run() {
    workerId_.store(std::this_thread::get_id(), std::memory_order_release);
    nameCurrentThread(name_);
    if (startHook_) startHook_();
    ThreadMessage m;
    while (takeNext(m)) dispatch(m);
    if (exitHook_) exitHook_();
    {
        std::lock_guard lock(mutex_);
        closed_ = true;
        queue_.clear();
    }
    running_.store(false, std::memory_order_release);
}

bool WorkerThread::takeNext(ThreadMessage& out) {
    std::unique_lock lock(mutex_);
    queueCv_.wait(lock,
                  [this] { return stop_.load(std::memory_order_relaxed) || !queue_.empty(); });
    if (stop_.load(std::memory_order_relaxed)) return false;
    out = queue_.front();
    queue_.pop_front();
    return out.id != msg::WM_THREAD_QUIT;
}

void WorkerThread::dispatch(const ThreadMessage& m) const {
    const auto it = handlers_.find(m.id);
    if (it != handlers_.end() && it->second) it->second(m.wParam, m.lParam);
}

}  // namespace velmora
