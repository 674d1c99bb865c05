// Answers whose digits pick one record out of a group, or fill several records at once.
#include "link/AnswerAnalysis.h"
#include "link/AnswerHandlers.h"
#include "link/RadioStateStore.h"

namespace velmora {

namespace {

bool digitInto(const AnswerText& a, int pos, BoundedInt& record) {
    int32_t v = 0;
    return a.digit(pos, v) && record.set(v);
}

bool numberInto(const AnswerText& a, int pos, int k, BoundedInt& record) {
    int32_t v = 0;
    return a.number(pos, k, v) && record.set(v);
}

// LK and FS code two flags in one digit: 4 (0,0), 5 (1,0), 6 (0,1), 7 (1,1). Other digits leave
// the flags alone; the answer still counts, so the panel redraws what it has.
bool analyseFlagPair(const AnswerText& a, std::array<BoundedInt, 2>& records,
                     std::array<PanelValue, 2>& panel) {
    const char c = a.at(2);
    if (c >= '4' && c <= '7') {
        const int bits = c - '4';
        records[0].set(bits & 1);
        records[1].set((bits >> 1) & 1);
    }
    panel[0].set(records[0].get());
    panel[1].set(records[1].get());
    return true;
}

}  // namespace

bool analyseLK(AnswerAnalysis& an, const AnswerText& a) {
    return analyseFlagPair(a, an.store().records.lk, an.store().panel.lk);
}

bool analyseFS(AnswerAnalysis& an, const AnswerText& a) {
    return analyseFlagPair(a, an.store().records.fs, an.store().panel.fs);
}

// Every meter reading lands in the one meter record; the digit at 2 names the meter.
bool analyseRM(AnswerAnalysis& an, const AnswerText& a) {
    numberInto(a, 3, 3, an.store().records.rm);
    return true;
}

bool analyseRO(AnswerAnalysis& an, const AnswerText& a) {
    auto& r = an.store().records;
    bool ok = numberInto(a, 3, 3, r.roFirst);
    ok &= numberInto(a, 6, 3, r.roSecond);
    return ok;
}

bool analyseKM(AnswerAnalysis& an, const AnswerText& a) {
    const char c = a.at(2);
    if (c < '1' || c > '5') return false;
    auto& r = an.store().records;
    r.kmText[c - '1'].set({a.data() + 3, BoundedText::kMaxLength});
    // The memory window shows the memory this answer carried, not always memory 1.
    return r.kmSelected.set(c - '0');
}

// Radio information is only trusted while the radio reports changes on its own.
bool analyseRI(AnswerAnalysis& an, const AnswerText& a) {
    auto& r = an.store().records;
    if (r.ai.get() != 1) return false;
    int32_t which = 0;
    if (!a.digit(2, which)) return false;
    if (which > 8) return true;
    int32_t v = 0;
    return a.hexDigit(3, v) && r.ri[which].set(v);
}

// "0" sets the first record; "1" the second, with the third unused (-1); "2" the reverse.
bool analyseBG(AnswerAnalysis& an, const AnswerText& a) {
    auto& bg = an.store().records.bg;
    int32_t v = 0;
    if (!a.number(3, 2, v)) return false;
    switch (a.at(2)) {
        case '0':
            return bg[0].set(v);
        case '1':
            return bg[1].set(v) && bg[2].set(-1);
        case '2':
            return bg[2].set(v) && bg[1].set(-1);
        default:
            return false;
    }
}

// Set digit (0 or 2), band (0-2), parameter (0-2). Parameter 1 is a signed two-digit gain.
bool analysePE(AnswerAnalysis& an, const AnswerText& a) {
    int32_t setDigit = 0, band = 0, parameter = 0;
    if (!a.digit(2, setDigit) || !a.digit(3, band) || !a.digit(4, parameter)) return false;
    if ((setDigit != 0 && setDigit != 2) || band > 2 || parameter > 2) return false;
    BoundedInt& record = an.store().records.pe[setDigit / 2][band][parameter];
    int32_t v = 0;
    if (parameter != 1) return a.number(5, 3, v) && record.set(v);
    if (!a.number(6, 2, v)) return false;
    return record.set(a.at(5) == '-' ? -v : v);
}

// Bank at 3; d(4) and d(6) are the bank's two values; d(5) is the flag that d(4) names
// (1-7 each their own, anything else the first).
bool analyseKC(AnswerAnalysis& an, const AnswerText& a) {
    int32_t bank = 0;
    if (!a.digit(3, bank) || bank > 1) return false;
    auto& r = an.store().records;
    int32_t first = 0;
    const bool firstParsed = a.digit(4, first);
    bool ok = firstParsed && r.kcValue[bank][0].set(first);
    ok &= digitInto(a, 6, r.kcValue[bank][1]);
    const int flag = firstParsed && first >= 1 && first <= 7 ? first : 0;
    ok &= digitInto(a, 5, r.kcFlag[bank][flag]);
    return ok;
}

bool analyseCA(AnswerAnalysis& an, const AnswerText& a) {
    const char c = a.at(2);
    if (c >= '1' && c <= '9') return false;
    return numberInto(a, 3, 3, an.store().records.ca);
}

}  // namespace velmora
