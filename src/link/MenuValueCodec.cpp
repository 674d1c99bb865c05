#include "link/MenuValueCodec.h"

#include <cmath>

#include "link/WriteField.h"

namespace velmora {

namespace {

// Leading sign and digits, stopping at the first other character, as the radio's decimal fields
// are read; an empty or non-numeric field reads as 0.
long decimalValue(std::string_view text) {
    size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    long value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        if (value < 100000000L) value = value * 10 + (text[pos] - '0');
    }
    return negative ? -value : value;
}

std::string bitStringField(int width, int64_t n) {
    std::string field(static_cast<size_t>(width), '0');
    for (int k = 0; k < width; ++k) {
        if ((n & menuPositionBit(k)) != 0) field[static_cast<size_t>(k)] = '1';
    }
    return field;
}

// The sign takes the first character and the magnitude is printed over the whole width, so a
// magnitude with as many digits as the field overwrites the sign ("100" for 100 and -100).
std::string signedField(int width, int64_t n) {
    std::string field(static_cast<size_t>(width), '0');
    if (width == 0) return field;
    field[0] = n < 0 ? '-' : '+';
    if (!overwriteDigits(field, n < 0 ? -n : n)) field.assign(field.size(), '0');
    return field;
}

}  // namespace

int64_t wholeMenuValue(double value) {
    if (std::isnan(value)) return 0;
    // Far beyond any field; keeps the conversion defined for any double.
    constexpr double kLimit = 1e18;
    if (value >= kLimit) return static_cast<int64_t>(kLimit);
    if (value <= -kLimit) return -static_cast<int64_t>(kLimit);
    return static_cast<int64_t>(value);
}

int64_t beaconFieldNumber(int64_t value) {
    if (value <= kBeaconLastCode) return value;
    // Seconds beyond 240 go as the code of the nearest 30-second step.
    return kBeaconLastPlainSecond + (value - kBeaconLastPlainSecond + 15) / 30;
}

int64_t beaconSeconds(int64_t value) {
    if (value >= kBeaconFirstCode && value <= kBeaconLastCode) return beaconCodeToSeconds(value);
    return value;
}

double decodeMenuField(int valueKind, std::string_view field) {
    if (isBitStringKind(valueKind)) {
        int64_t sum = 0;
        for (size_t k = 0; k < field.size(); ++k) {
            if (field[k] == '1') sum |= menuPositionBit(static_cast<int>(k));
        }
        return static_cast<double>(sum);
    }
    long value = decimalValue(field);
    // Beacon times above 240 s are sent in 30-second steps: 241 stands for 270 s.
    if (valueKind == kBeaconTimeKind && value > kBeaconLastPlainSecond) {
        value = static_cast<long>(beaconCodeToSeconds(value));
    }
    return static_cast<double>(value);
}

std::string encodeMenuField(int valueKind, int width, double value) {
    if (width <= 0) return {};
    const int64_t n = wholeMenuValue(value);
    if (isBitStringKind(valueKind)) return bitStringField(width, n);
    if (isSignedMenuKind(valueKind)) return signedField(width, n);
    if (valueKind == kBeaconTimeKind) return fieldText(width, beaconFieldNumber(n));
    return fieldText(width, n);
}

std::string menuSetCommand(const MenuItemDef& def) {
    return "EX" + fieldText(3, def.number) +
           encodeMenuField(def.valueKind, def.width, def.newValue) + ";";
}

}  // namespace velmora
