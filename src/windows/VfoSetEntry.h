#pragma once
// VFO SET's entry (dialog 456): the digits typed from the PC keyboard or the panel's keypad, at
// most eight, and what OK makes of them. The Qt window shows the text and the target; the panel
// input only passes keypad digits and ENT on. GUI thread only.
#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

class VfoSetEntry {
  public:
    static constexpr size_t kMaxDigits = 8;

    enum class Verdict : uint8_t {
        Cancel,      // empty field: report "cancelled" (0 Hz)
        Accept,      // hz is within the radio's range
        OutOfRange,  // string 104; the text stays for correction
    };
    struct Outcome {
        Verdict verdict;
        int32_t hz;  // the frequency for Accept, 0 otherwise
    };

    // target: 0 for the MAIN VFO, 1 for SUB, as the panel's SUB target stood at opening.
    explicit VfoSetEntry(uint8_t target = 0) : target_(target) {}

    const std::string& text() const { return text_; }
    // Replaces the text with the digits of typed, up to eight (anything else is dropped).
    void setText(std::string_view typed);
    // A keypad digit: appended unless eight are there already (then false, nothing changes).
    bool appendDigit(int digit);
    Outcome enter() const;

    uint8_t target() const { return target_; }
    // "MAIN" or "SUB": which VFO the frequency goes to.
    const char* targetName() const { return target_ ? "SUB" : "MAIN"; }

  private:
    std::string text_;
    uint8_t target_;
};

}  // namespace velmora
