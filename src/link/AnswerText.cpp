#include "link/AnswerText.h"

#include <algorithm>
#include <cstring>

namespace velmora {

AnswerText::AnswerText(std::string_view answer) {
    const size_t n = std::min(answer.size(), static_cast<size_t>(kSize - 1));
    if (n > 0) std::memcpy(bytes_.data(), answer.data(), n);
}

bool AnswerText::hexDigit(int pos, int32_t& out) const {
    const char c = at(pos);
    if (c >= '0' && c <= '9') {
        out = c - '0';
    } else if (c >= 'A' && c <= 'F') {
        out = c - 'A' + 10;
    } else if (c >= 'a' && c <= 'f') {
        out = c - 'a' + 10;
    } else {
        return false;
    }
    return true;
}

bool AnswerText::number(int pos, int k, int32_t& out) const {
    int32_t value = 0;
    for (int i = 0; i < k; ++i) {
        int32_t d = 0;
        if (!digit(pos + i, d)) return false;
        value = value * 10 + d;
    }
    out = value;
    return true;
}

}  // namespace velmora
