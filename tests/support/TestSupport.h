#pragma once
// Helpers shared by the test programs.
#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

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

// The words of a text separated by single spaces: long expected sequences stay readable.
inline std::vector<std::string> words(std::string_view text) {
    std::vector<std::string> out;
    for (size_t at = 0; at < text.size();) {
        const size_t end = std::min(text.find(' ', at), text.size());
        out.emplace_back(text.substr(at, end - at));
        at = end + 1;
    }
    return out;
}

}  // namespace velmora::test
