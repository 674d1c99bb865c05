#pragma once
// One answer as the analysis reads it: the code and its parameter characters without ";", in a
// zeroed 512-byte buffer, so that any position 0-511 can be read and reads NUL past the end.
// Fields are read digit by digit from fixed positions; a field with a non-digit fails.
#include <array>
#include <cstdint>
#include <string_view>

namespace velmora {

class AnswerText {
  public:
    static constexpr int kSize = 512;

    // Copies at most 511 bytes of answer; the rest stays zero.
    explicit AnswerText(std::string_view answer);

    char at(int pos) const { return pos >= 0 && pos < kSize ? bytes_[pos] : '\0'; }
    const char* data() const { return bytes_.data(); }

    // One decimal digit at pos.
    bool digit(int pos, int32_t& out) const {
        const char c = at(pos);
        if (c < '0' || c > '9') return false;
        out = c - '0';
        return true;
    }
    // One hexadecimal digit at pos, either case.
    bool hexDigit(int pos, int32_t& out) const;
    // k decimal digits from pos, most significant first (k at most 9).
    bool number(int pos, int k, int32_t& out) const;

  private:
    std::array<char, kSize> bytes_{};
};

}  // namespace velmora
