#pragma once
// A worker thread for tests: records the messages posted to it; "running" until told otherwise.
#include <atomic>
#include <mutex>
#include <vector>

#include "link/MessageIds.h"
#include "link/ThreadHandle.h"
#include "support/FakeWindowHost.h"

namespace velmora::test {

class FakeThreadHandle : public ThreadHandle {
  public:
    bool post(uint32_t id, uintptr_t wParam, intptr_t lParam) override {
        if (!running_.load()) return false;
        std::lock_guard lock(mutex_);
        posts_.push_back({id, wParam, lParam});
        return true;
    }
    bool isRunning() const override { return running_.load(); }

    void setRunning(bool running) { running_.store(running); }
    std::vector<WindowMessage> posts() const {
        std::lock_guard lock(mutex_);
        return posts_;
    }
    std::vector<uint32_t> postedIds() const { return idsOf(posts()); }
    // The answers announced by WM_ANSWER_QUEUED posts: wParam each when more than one.
    int answersQueued() const {
        int n = 0;
        for (const auto& m : posts()) {
            if (m.id == msg::WM_ANSWER_QUEUED) n += m.wParam > 1 ? static_cast<int>(m.wParam) : 1;
        }
        return n;
    }
    void clear() {
        std::lock_guard lock(mutex_);
        posts_.clear();
    }

  private:
    std::atomic<bool> running_{true};
    mutable std::mutex mutex_;  // guards posts_
    std::vector<WindowMessage> posts_;
};

}  // namespace velmora::test
