#include "menulist/MenuValueCodec.h"

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

}  // namespace

double decodeMenuField(int valueKind, std::string_view field) {
    if (isBitStringKind(valueKind)) {
        double weight = 4096, sum = 0;
        for (char c : field) {
            if (c == '1') sum += weight;
            weight /= 2;
        }
        return sum;
    }
    long value = decimalValue(field);
    // Beacon times above 240 s are sent in 30-second steps: 241 stands for 270 s.
    if (valueKind == kBeaconTimeKind && value > 240) value = (value - 240) * 30 + 240;
    return static_cast<double>(value);
}

}  // namespace velmora
