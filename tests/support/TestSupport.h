#pragma once
// Helpers shared by the test programs.
#include <chrono>
#include <functional>
#include <thread>

namespace velmora::test {

// Polls cond until it holds or the deadline passes; returns whether it held. Tests wait on
// conditions with a deadline instead of sleeping a fixed time.
inline bool waitFor(const std::function<bool()>& cond,
                    std::chrono::milliseconds deadline = std::chrono::seconds(5)) {
    const auto end = std::chrono::steady_clock::now() + deadline;
    while (!cond()) {
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

}  // namespace velmora::test
