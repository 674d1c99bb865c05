#include "app/HeadlessHost.h"

#include <algorithm>

namespace velmora {

bool HeadlessHost::onLoopThread() const {
    return loopThread_ == std::this_thread::get_id();
}

void HeadlessHost::post(uint32_t id, uintptr_t wParam, intptr_t lParam) {
    {
        std::lock_guard lock(mutex_);
        queue_.push_back({id, wParam, lParam, nextSeq_++});
        if (gathering_) return;
    }
    wake_.notify_one();
}

void HeadlessHost::send(uint32_t id, uintptr_t wParam, intptr_t lParam) {
    std::unique_lock lock(mutex_);
    if (onLoopThread()) {
        lock.unlock();
        if (onMessage_) onMessage_(id, wParam, lParam);
        return;
    }
    const uint64_t seq = nextSeq_++;
    queue_.push_back({id, wParam, lParam, seq});
    wake_.notify_one();
    // Bounded: if the loop is busy or gone, the message stays queued and is served as a post.
    // While no loop runs there is nobody to wait for.
    served_.wait_for(lock, kSendWait, [&] { return servedSeq_ >= seq || !running_; });
}

void HeadlessHost::setTimer(int id, int ms) {
    bool sooner = false;
    {
        std::lock_guard lock(mutex_);
        const auto period = std::chrono::milliseconds(std::max(ms, 1));
        const Timer timer{period, Clock::now() + period};
        timers_[id] = timer;
        sooner = timer.due < waitingUntil_;
    }
    if (sooner) wake_.notify_one();
}

void HeadlessHost::killTimer(int id) {
    std::lock_guard lock(mutex_);
    timers_.erase(id);
}

bool HeadlessHost::isTimerActive(int id) const {
    std::lock_guard lock(mutex_);
    return timers_.count(id) != 0;
}

void HeadlessHost::quit() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    wake_.notify_all();
}

// Serves one due event (a message first, else the most overdue timer); the lock is released
// while the handler runs so that handlers may post, send to themselves and set timers.
bool HeadlessHost::serveOne(std::unique_lock<std::mutex>& lock) {
    if (!queue_.empty()) {
        Message m = queue_.front();
        queue_.pop_front();
        lock.unlock();
        if (onMessage_) onMessage_(m.id, m.wParam, m.lParam);
        lock.lock();
        servedSeq_ = m.seq;
        served_.notify_all();
        return true;
    }
    const auto now = Clock::now();
    auto due = std::min_element(timers_.begin(), timers_.end(), [](const auto& a, const auto& b) {
        return a.second.due < b.second.due;
    });
    if (due == timers_.end() || due->second.due > now) return false;
    const int id = due->first;
    // A timer that fell behind does not fire in a burst: the next tick is one period from now.
    due->second.due = std::max(due->second.due + due->second.period, now);
    lock.unlock();
    if (onTimer_) onTimer_(id);
    lock.lock();
    return true;
}

void HeadlessHost::decideGathering(Clock::time_point now) {
    // Gathering goes on while each gathering wake finds posts; it ends at one that finds none.
    gathering_ = gathering_ || now - lastPostWake_ < kGatherTime;
    if (gathering_) gatherUntil_ = now + kGatherTime;
    lastPostWake_ = now;
}

int HeadlessHost::runPending() {
    std::unique_lock lock(mutex_);
    loopThread_ = std::this_thread::get_id();
    int served = 0;
    const size_t limit = queue_.size() + timers_.size();
    while (static_cast<size_t>(served) < limit && serveOne(lock)) ++served;
    loopThread_ = std::thread::id();
    return served;
}

void HeadlessHost::run(Clock::time_point deadline) {
    std::unique_lock lock(mutex_);
    loopThread_ = std::this_thread::get_id();
    quit_ = false;
    running_ = true;
    uint64_t servedBeforeWake = servedSeq_;
    while (!quit_ && Clock::now() < deadline) {
        if (serveOne(lock)) continue;
        const auto now = Clock::now();
        if (servedSeq_ != servedBeforeWake) {
            decideGathering(now);
        } else if (now >= gatherUntil_) {
            gathering_ = false;  // the gathering wake found nothing: posts are sparse again
        }
        servedBeforeWake = servedSeq_;
        auto next = deadline;
        for (const auto& [id, t] : timers_) next = std::min(next, t.due);
        if (gathering_) next = std::min(next, gatherUntil_);
        waitingUntil_ = next;
        wake_.wait_until(lock, next);
        waitingUntil_ = Clock::time_point::min();
    }
    // Senders still waiting are released: their messages stay queued as posts.
    gathering_ = false;
    running_ = false;
    loopThread_ = std::thread::id();  // ids of ended threads are reused
    served_.notify_all();
}

}  // namespace velmora
