#include "support/FakeWindowHost.h"

namespace velmora::test {

void FakeWindowHost::post(uint32_t id, uintptr_t wParam, intptr_t lParam) {
    std::lock_guard lock(mutex_);
    posts_.push_back({id, wParam, lParam});
}

void FakeWindowHost::send(uint32_t id, uintptr_t wParam, intptr_t lParam) {
    std::lock_guard lock(mutex_);
    sends_.push_back({id, wParam, lParam});
}

void FakeWindowHost::setTimer(int id, int ms) {
    std::lock_guard lock(mutex_);
    timers_[id] = ms;
    ++sets_[id];
}

void FakeWindowHost::killTimer(int id) {
    std::lock_guard lock(mutex_);
    timers_.erase(id);
    ++kills_[id];
}

std::vector<WindowMessage> FakeWindowHost::posts() const {
    std::lock_guard lock(mutex_);
    return posts_;
}

std::vector<uint32_t> FakeWindowHost::postedIds() const {
    std::lock_guard lock(mutex_);
    std::vector<uint32_t> ids;
    for (const auto& m : posts_) ids.push_back(m.id);
    return ids;
}

std::vector<WindowMessage> FakeWindowHost::sends() const {
    std::lock_guard lock(mutex_);
    return sends_;
}

std::map<int, int> FakeWindowHost::timers() const {
    std::lock_guard lock(mutex_);
    return timers_;
}

bool FakeWindowHost::timerRunning(int id) const {
    std::lock_guard lock(mutex_);
    return timers_.count(id) != 0;
}

int FakeWindowHost::killCount(int id) const {
    std::lock_guard lock(mutex_);
    const auto it = kills_.find(id);
    return it == kills_.end() ? 0 : it->second;
}

int FakeWindowHost::setCount(int id) const {
    std::lock_guard lock(mutex_);
    const auto it = sets_.find(id);
    return it == sets_.end() ? 0 : it->second;
}

void FakeWindowHost::clear() {
    std::lock_guard lock(mutex_);
    posts_.clear();
    sends_.clear();
    timers_.clear();
    kills_.clear();
    sets_.clear();
}

}  // namespace velmora::test
