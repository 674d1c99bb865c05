#pragma once
// A main window for tests: records every posted and sent message and every timer call; timers
// never fire on their own (tests drive time by calling the handlers).
#include <cstdint>
#include <map>
#include <mutex>
#include <vector>

#include "link/WindowHost.h"

namespace velmora::test {

struct WindowMessage {
    uint32_t id;
    uintptr_t wParam;
    intptr_t lParam;
    bool operator==(const WindowMessage&) const = default;
};

inline std::vector<uint32_t> idsOf(const std::vector<WindowMessage>& messages) {
    std::vector<uint32_t> ids;
    for (const auto& m : messages) ids.push_back(m.id);
    return ids;
}

class FakeWindowHost : public WindowHost {
  public:
    void post(uint32_t id, uintptr_t wParam, intptr_t lParam) override {
        locked([&] { posts_.push_back({id, wParam, lParam}); });
    }
    void send(uint32_t id, uintptr_t wParam, intptr_t lParam) override {
        locked([&] { sends_.push_back({id, wParam, lParam}); });
    }
    void setTimer(int id, int ms) override {
        locked([&] {
            timers_[id] = ms;
            ++sets_[id];
        });
    }
    void killTimer(int id) override {
        locked([&] {
            timers_.erase(id);
            ++kills_[id];
        });
    }

    std::vector<WindowMessage> posts() const {
        return locked([&] { return posts_; });
    }
    std::vector<uint32_t> postedIds() const { return idsOf(posts()); }
    std::vector<WindowMessage> sends() const {
        return locked([&] { return sends_; });
    }
    // Running timers: id -> period.
    std::map<int, int> timers() const {
        return locked([&] { return timers_; });
    }
    bool timerRunning(int id) const { return timers().count(id) != 0; }
    int killCount(int id) const {
        return locked([&] { return kills_.count(id) ? kills_.at(id) : 0; });
    }
    int setCount(int id) const {
        return locked([&] { return sets_.count(id) ? sets_.at(id) : 0; });
    }
    void clear() {
        locked([&] {
            posts_.clear();
            sends_.clear();
            timers_.clear();
            kills_.clear();
            sets_.clear();
        });
    }

  private:
    template <class F>
    auto locked(F f) const -> decltype(f()) {
        std::lock_guard lock(mutex_);
        return f();
    }

    mutable std::mutex mutex_;  // guards every field below
    std::vector<WindowMessage> posts_, sends_;
    std::map<int, int> timers_, kills_, sets_;  // running timers' periods; kills and sets per id
};

}  // namespace velmora::test
