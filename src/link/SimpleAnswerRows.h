#pragma once
// The answers that carry one field into one record (or into the main or sub record chosen by a
// selector): one data row each, read by one generic analysis.
#include <cstdint>
#include <span>

#include "link/AnswerText.h"

namespace velmora {

class RadioStateStore;
struct RadioRecords;
struct PanelState;
struct BoundedInt;
struct PanelValue;

enum class SimpleField : uint8_t {
    Digit2,           // d(2)
    Number2x2,        // n(2,2)
    Number2x3,        // n(2,3)
    Number2x4,        // n(2,4)
    Number2x8,        // n(2,8), a frequency in Hz
    Digit4,           // d(4); positions 2 and 3 are not read
    SelectorDigit3,   // sel at 2, d(3)
    SelectorHex3,     // sel at 2, a hexadecimal digit at 3
    SelectorNumber3,  // sel at 2, n(3,3)
    SelectorNumber2,  // sel at 2, n(3,2)
    Nothing,          // nothing is read; the answer only notifies
};

struct SimpleAnswerRow {
    int index;  // answer index
    SimpleField field;
    BoundedInt& (*record)(RadioRecords&, int side);  // side 0 main, 1 sub (ignored without sel)
    PanelValue* (*panel)(PanelState&, int side);     // the panel copy, or nullptr
};

std::span<const SimpleAnswerRow> simpleAnswerRows();

// The selector at position 2: "0" main, "1" sub; anything else fails.
inline bool receiverSelector(const AnswerText& a, int& side) {
    const char c = a.at(2);
    if (c != '0' && c != '1') return false;
    side = c - '0';
    return true;
}

bool analyseSimple(const SimpleAnswerRow& row, RadioStateStore& store, const AnswerText& a);

}  // namespace velmora
