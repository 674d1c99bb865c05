#include "windows/VfoSetEntry.h"

#include "link/PanelState.h"

namespace velmora {

void VfoSetEntry::setText(std::string_view typed) {
    text_.clear();
    for (const char c : typed) {
        if (c < '0' || c > '9') continue;
        if (text_.size() == kMaxDigits) break;
        text_ += c;
    }
}

bool VfoSetEntry::appendDigit(int digit) {
    if (digit < 0 || digit > 9 || text_.size() >= kMaxDigits) return false;
    text_ += static_cast<char>('0' + digit);
    return true;
}

VfoSetEntry::Outcome VfoSetEntry::enter() const {
    if (text_.empty()) return {Verdict::Cancel, 0};
    // Eight digits at most, so the number fits without overflow.
    int64_t hz = 0;
    for (const char c : text_) hz = hz * 10 + (c - '0');
    if (hz < PanelState::kFrequencyMin || hz > PanelState::kFrequencyMax) {
        return {Verdict::OutOfRange, 0};
    }
    return {Verdict::Accept, static_cast<int32_t>(hz)};
}

}  // namespace velmora
