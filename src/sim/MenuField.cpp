#include "sim/MenuField.h"

#include <algorithm>
#include <cmath>

#include "sim/Digits.h"

namespace velmora::sim {

namespace {

bool isBitString(int kind) {
    return kind == 14 || kind == 38;
}
// The kinds whose field starts with "+" or "-".
bool isSigned(int kind) {
    return kind == 4 || kind == 11 || (kind >= 25 && kind <= 30);
}
bool isChoice(int kind) {
    return kind == 1 || kind == 12 || kind == 15 || (kind >= 31 && kind <= 37) || kind == 39;
}

constexpr int64_t kMicGainFixed = 1000;  // kind 13: the first choice instead of a number
constexpr int64_t kBeaconRawMax = 255;   // kind 16: raw steps, 241-255 stand for 270-690 s

int64_t bitStringMask(int width) {
    int64_t mask = 0;
    for (int k = 0; k < width; ++k) mask |= menuBitWeight(k);
    return mask;
}

}  // namespace

int64_t menuBitWeight(int position) {
    if (position >= 0 && position <= 12) return int64_t{0x1000} >> position;
    // MY BAND's fourteenth position (TRV50), past the thirteen of the 0x1000 >> k rule.
    return position == 13 ? int64_t{0x4000} : 0;
}

bool menuValueAllowed(const SimMenuItem& item, int64_t v) {
    if (isBitString(item.kind)) return v >= 0 && (v & ~bitStringMask(item.width)) == 0;
    if (isChoice(item.kind)) return v >= 0 && v < item.choiceCount;
    if (item.kind == 16) return v >= 0 && v <= kBeaconRawMax;
    if (item.kind == 13 && v == kMicGainFixed) return true;
    // Kind 8 keeps magnitudes, so its "max" may be the smaller limit.
    const auto lo = static_cast<int64_t>(std::llround(std::min(item.min, item.max)));
    const auto hi = static_cast<int64_t>(std::llround(std::max(item.min, item.max)));
    if (v < lo || v > hi) return false;
    // Steps of less than one count are in shown units; the raw value then moves by one.
    const auto step = static_cast<int64_t>(item.step);
    return step <= 1 || (v - lo) % step == 0;
}

std::string formatMenuField(const SimMenuItem& item, int64_t v) {
    if (isBitString(item.kind)) {
        std::string field(static_cast<size_t>(item.width), '0');
        for (int k = 0; k < item.width; ++k)
            if (v & menuBitWeight(k)) field[static_cast<size_t>(k)] = '1';
        return field;
    }
    if (isSigned(item.kind)) return (v < 0 ? "-" : "+") + digits(v < 0 ? -v : v, item.width - 1);
    return digits(v, item.width);
}

std::optional<int64_t> parseMenuField(const SimMenuItem& item, std::string_view field) {
    if (static_cast<int>(field.size()) != item.width || field.empty()) return std::nullopt;
    std::optional<int64_t> v;
    if (isBitString(item.kind)) {
        int64_t sum = 0;
        for (size_t k = 0; k < field.size(); ++k) {
            if (field[k] != '0' && field[k] != '1') return std::nullopt;
            if (field[k] == '1') sum += menuBitWeight(static_cast<int>(k));
        }
        v = sum;
    } else if (isSigned(item.kind) && (field[0] == '+' || field[0] == '-')) {
        v = parseDigits(field.substr(1));
        if (v && field[0] == '-') v = -*v;
    } else {
        v = parseDigits(field);
    }
    if (!v || !menuValueAllowed(item, *v)) return std::nullopt;
    return v;
}

}  // namespace velmora::sim
