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

class FakeWindowHost : public WindowHost {
  public:
    void post(uint32_t id, uintptr_t wParam, intptr_t lParam) override;
    void send(uint32_t id, uintptr_t wParam, intptr_t lParam) override;
    void setTimer(int id, int ms) override;
    void killTimer(int id) override;

    std::vector<WindowMessage> posts() const;
    std::vector<uint32_t> postedIds() const;
    std::vector<WindowMessage> sends() const;
    // Running timers: id -> period.
    std::map<int, int> timers() const;
    bool timerRunning(int id) const;
    int killCount(int id) const;
    int setCount(int id) const;
    void clear();

  private:
    mutable std::mutex mutex_;  // guards every field below
    std::vector<WindowMessage> posts_, sends_;
    std::map<int, int> timers_;
    std::map<int, int> kills_, sets_;
};

}  // namespace velmora::test
