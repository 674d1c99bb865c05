#pragma once
// One command as the link sends it: a zeroed 512-byte buffer, the two code letters at 0 and 1,
// parameter characters at fixed positions from 2 on, ";" at length - 1. A position nobody writes
// stays a zero byte and goes out as such (the DN and UP commands rely on that).
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "link/CatCommandTable.h"

namespace velmora {

class CommandBuffer {
  public:
    static constexpr int kSize = 512;

    // Zeroes the buffer, writes the code and the ";" of a command of length characters. A
    // length outside 3 .. kSize - 1 leaves an empty command (length 0), which is never sent.
    void begin(std::string_view code, int length);
    void begin(const CatCommandRecord& record) {
        begin(std::string_view(record.code, 2), record.length);
    }
    // begin() with the set-table or read-table record of code; false (and an empty command)
    // when the table has no such code.
    bool beginSet(std::string_view code);
    bool beginQuery(std::string_view code);

    // Parameter characters from position pos on. Nothing lands on or after the ";": a row that
    // is too long for its command is cut, never stretches the command.
    void text(int pos, std::string_view chars);
    // WriteField over width characters from pos.
    void field(int pos, int width, int64_t value);
    // "+" for value >= 0 and "-" below at pos, the magnitude with WriteField from pos + 1.
    void signedField(int pos, int width, int64_t value);

    int length() const { return length_; }
    const uint8_t* data() const { return bytes_.data(); }
    std::string_view view() const {
        return {reinterpret_cast<const char*>(bytes_.data()), static_cast<size_t>(length_)};
    }

  private:
    // Positions a parameter may take: 2 .. length - 2.
    bool writable(int pos) const { return pos >= 2 && pos < length_ - 1; }

    std::array<uint8_t, kSize> bytes_{};
    int length_ = 0;
};

// |value| without the overflow of the most negative number (which is far too wide for any field
// anyway).
constexpr int64_t magnitude(int64_t value) {
    if (value >= 0) return value;
    return value == INT64_MIN ? INT64_MAX : -value;
}

}  // namespace velmora
