#include "link/WriteField.h"

#include <algorithm>

namespace velmora {

bool overwriteDigits(std::span<char> field, int64_t value) {
    if (value < 0) return false;
    // Collect the digits first so that a value too long for the field leaves it untouched.
    char digits[20];
    size_t count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    if (count > field.size()) return false;
    for (size_t i = 0; i < count; ++i) field[field.size() - 1 - i] = digits[i];
    return true;
}

void WriteField(std::span<char> field, int64_t value) {
    std::fill(field.begin(), field.end(), '0');
    overwriteDigits(field, value);
}

std::string fieldText(int width, int64_t value) {
    std::string text(static_cast<size_t>(std::max(width, 0)), '0');
    WriteField(text, value);
    return text;
}

}  // namespace velmora
