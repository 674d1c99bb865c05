#include "link/AnswerLength.h"

#include "link/CatCommandTable.h"
#include "link/MenuTable.h"

namespace velmora {

namespace {

uint8_t at(const uint8_t* buf, size_t fill, size_t pos) {
    return pos < fill ? buf[pos] : 0;
}

bool isDigit(uint8_t c) {
    return c >= '0' && c <= '9';
}
bool isUpper(uint8_t c) {
    return c >= 'A' && c <= 'Z';
}

// Text-bearing answers (ID, KM): the first ";" within `span` positions ends them; a byte that
// cannot occur in their text makes them unrecognised; no ";" at all gives length 3, which then
// fails the completeness check.
AnswerLength scanText(const uint8_t* buf, size_t fill, int span, uint16_t code) {
    for (int pos = 0; pos < span; ++pos) {
        const uint8_t c = at(buf, fill, pos);
        if (c == ';') return {true, pos + 1, code};
        const bool allowed = (c >= 0x20 && c < 0x60) || c == '}';
        if (!allowed) return {false, 0, code};
    }
    return {true, 3, code};
}

}  // namespace

AnswerLength determineAnswerLength(const uint8_t* buf, size_t fill, const MenuTable& menus) {
    if (fill < 2) return {};
    const uint8_t c0 = buf[0], c1 = buf[1];
    if (c0 == '?' || c0 == 0) return {};
    const uint16_t code = codeKey(static_cast<char>(c0), static_cast<char>(c1));

    if (code == codeKey('E', 'X')) {
        const uint8_t d0 = at(buf, fill, 2), d1 = at(buf, fill, 3), d2 = at(buf, fill, 4);
        if (!isDigit(d0) || !isDigit(d1) || !isDigit(d2)) return {};
        const int n = (d0 - '0') * 100 + (d1 - '0') * 10 + (d2 - '0');
        if (n < 1 || n > menus.count()) return {};
        return {true, menus.width(n) + 6, code};
    }
    if (code == codeKey('K', 'M')) return scanText(buf, fill, 54, code);
    if (code == codeKey('I', 'D')) return scanText(buf, fill, 10, code);

    if (!isUpper(c0) || !isUpper(c1)) return {};
    const int index = findAnswerIndex(static_cast<char>(c0), static_cast<char>(c1));
    if (index >= 0) return {true, kCatTables.answer[index].length, code};

    for (size_t pos = 0; pos < fill && pos < kUnknownAnswerScan; ++pos) {
        if (buf[pos] == ';') return {true, static_cast<int>(pos) + 1, code};
    }
    return {};
}

}  // namespace velmora
