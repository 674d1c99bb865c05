#include "link/ReadLedger.h"

#include <algorithm>

namespace velmora {

void ReadLedger::clear() {
    std::lock_guard lock(mutex_);
    expected_.clear();
}

void ReadLedger::expect(std::string_view query) {
    std::lock_guard lock(mutex_);
    if (std::find(expected_.begin(), expected_.end(), query) == expected_.end())
        expected_.emplace_back(query);
}

void ReadLedger::answered(std::string_view answer) {
    std::lock_guard lock(mutex_);
    std::erase_if(expected_, [answer](const std::string& q) { return answer.starts_with(q); });
}

std::vector<std::string> ReadLedger::missing() const {
    std::lock_guard lock(mutex_);
    return expected_;
}

bool ReadLedger::complete() const {
    std::lock_guard lock(mutex_);
    return expected_.empty();
}

std::string missingList(const std::vector<std::string>& missing, size_t limit) {
    std::string text;
    for (size_t i = 0; i < missing.size() && i < limit; ++i) {
        if (i > 0) text += ' ';
        text += missing[i];
    }
    if (missing.size() > limit) text += " \u2026";
    return text;
}

}  // namespace velmora
