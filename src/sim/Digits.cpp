#include "sim/Digits.h"

namespace velmora::sim {

std::string digits(int64_t v, int width) {
    std::string out(static_cast<size_t>(width > 0 ? width : 0), '0');
    for (int i = width - 1; i >= 0 && v > 0; --i, v /= 10)
        out[static_cast<size_t>(i)] = static_cast<char>('0' + v % 10);
    return out;
}

char hexDigit(int v) {
    return "0123456789ABCDEF"[v & 0xF];
}

std::optional<int64_t> parseDigits(std::string_view field) {
    if (field.empty() || field.size() > 18) return std::nullopt;
    int64_t v = 0;
    for (char c : field) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

std::optional<int> parseHexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return std::nullopt;
}

std::optional<int64_t> parseSigned(std::string_view field) {
    if (field.size() < 2 || (field[0] != '+' && field[0] != '-')) return std::nullopt;
    auto v = parseDigits(field.substr(1));
    if (v && field[0] == '-') return -*v;
    return v;
}

}  // namespace velmora::sim
