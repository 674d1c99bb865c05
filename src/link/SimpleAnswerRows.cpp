#include "link/SimpleAnswerRows.h"

#include "link/RadioStateStore.h"

namespace velmora {

namespace {

using F = SimpleField;

// Record of one value, record of a main/sub pair, panel copy of one value.
#define R(field) [](RadioRecords& r, int) -> BoundedInt& { return r.field; }
#define RS(field) [](RadioRecords& r, int side) -> BoundedInt& { return r.field[side]; }
#define P(field) [](PanelState& p, int) -> PanelValue* { return &p.field; }

// clang-format off
const SimpleAnswerRow kRows[] = {
    { 1, F::Digit2,          R(rt),   P(rt)},
    { 2, F::Digit2,          R(xt),   P(xt)},
    { 3, F::Number2x2,       R(sf),   nullptr},
    { 5, F::SelectorDigit3,  RS(bc),  nullptr},
    { 7, F::Digit2,          R(ms),   P(ms)},
    { 8, F::SelectorDigit3,  RS(nr),  nullptr},
    { 9, F::Digit2,          R(ft),   nullptr},
    {10, F::Digit2,          R(fr),   P(fr)},
    {13, F::Digit2,          R(vs),   P(subTarget)},
    {14, F::SelectorDigit3,  RS(na),  nullptr},
    {15, F::SelectorDigit3,  RS(nb),  nullptr},
    {16, F::SelectorHex3,    RS(rf),  nullptr},
    {17, F::SelectorDigit3,  RS(gt),  nullptr},
    {18, F::SelectorDigit3,  RS(ra),  nullptr},
    {19, F::SelectorDigit3,  RS(pa),  nullptr},
    {20, F::Digit2,          R(kr),   P(kr)},
    {21, F::Digit2,          R(ts),   nullptr},
    {23, F::Digit4,          R(ac),   nullptr},
    {24, F::Digit2,          R(ds),   P(ds)},
    {25, F::Digit2,          R(mx),   P(mx)},
    {26, F::Digit2,          R(vx),   P(vx)},
    {27, F::Digit2,          R(bi),   P(bi)},
    {28, F::Digit2,          R(pr),   P(pr)},
    {30, F::Digit2,          R(cs),   P(cs)},
    {31, F::Digit2,          R(dp),   nullptr},
    {33, F::Number2x2,       R(kp),   nullptr},
    {34, F::Number2x3,       R(ks),   nullptr},
    {35, F::Number2x4,       R(sd),   nullptr},
    {36, F::SelectorNumber3, RS(nl),  nullptr},
    {37, F::Number2x3,       R(mg),   nullptr},
    {38, F::Number2x3,       R(pl),   nullptr},
    {39, F::Number2x3,       R(vg),   nullptr},
    {40, F::Number2x4,       R(vd),   nullptr},
    {41, F::SelectorNumber3, RS(sq),  nullptr},
    {42, F::SelectorNumber3, RS(ag),  nullptr},
    {43, F::SelectorNumber3, RS(rg),  nullptr},
    {47, F::SelectorNumber2, RS(sh),  nullptr},
    {48, F::SelectorNumber2, RS(rl),  nullptr},
    {50, F::Number2x8,       R(fa),   P(vfoA)},
    {51, F::Number2x8,       R(fb),   P(vfoB)},
    {53, F::Digit2,          R(sc),   nullptr},
    {54, F::SelectorNumber3, RS(sm),  nullptr},
    {55, F::Digit2,          R(tx),   nullptr},
    {56, F::Digit2,          R(ul),   nullptr},
    {58, F::SelectorNumber2, RS(cn),  nullptr},
    {59, F::SelectorDigit3,  RS(ct),  nullptr},
    {61, F::Number2x3,       R(mc),   nullptr},
    {63, F::SelectorDigit3,  RS(os),  nullptr},
    {64, F::Nothing,         nullptr, nullptr},  // PB
    {65, F::Number2x3,       R(pc),   nullptr},
    {72, F::Nothing,         nullptr, nullptr},  // LM
};
// clang-format on

#undef R
#undef RS
#undef P

bool selected(SimpleField f) {
    return f == F::SelectorDigit3 || f == F::SelectorHex3 || f == F::SelectorNumber3 ||
           f == F::SelectorNumber2;
}

bool readField(SimpleField f, const AnswerText& a, int32_t& v) {
    switch (f) {
        case F::Digit2:
            return a.digit(2, v);
        case F::Number2x2:
            return a.number(2, 2, v);
        case F::Number2x3:
            return a.number(2, 3, v);
        case F::Number2x4:
            return a.number(2, 4, v);
        case F::Number2x8:
            return a.number(2, 8, v);
        case F::Digit4:
            return a.digit(4, v);
        case F::SelectorDigit3:
            return a.digit(3, v);
        case F::SelectorHex3:
            return a.hexDigit(3, v);
        case F::SelectorNumber3:
            return a.number(3, 3, v);
        case F::SelectorNumber2:
            return a.number(3, 2, v);
        case F::Nothing:
            return false;
    }
    return false;
}

}  // namespace

std::span<const SimpleAnswerRow> simpleAnswerRows() {
    return kRows;
}

bool analyseSimple(const SimpleAnswerRow& row, RadioStateStore& store, const AnswerText& a) {
    if (row.field == F::Nothing) return true;
    int side = 0;
    if (selected(row.field) && !receiverSelector(a, side)) return false;
    int32_t v = 0;
    if (!readField(row.field, a, v)) return false;
    BoundedInt& record = row.record(store.records, side);
    if (!record.set(v)) return false;
    if (row.panel) row.panel(store.panel, side)->set(record.get());
    return true;
}

}  // namespace velmora
