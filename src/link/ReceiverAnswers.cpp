// Answers about one receiver: the selector at position 2 picks the main or the sub records.
#include "link/AnswerAnalysis.h"
#include "link/AnswerHandlers.h"
#include "link/RadioStateStore.h"
#include "link/SimpleAnswerRows.h"

namespace velmora {

namespace {

// Parses and stores one field; the panel copy follows only a stored value.
bool store(bool parsed, int32_t v, BoundedInt& record, PanelValue* panel = nullptr) {
    if (!parsed || !record.set(v)) return false;
    if (panel) panel->set(record.get());
    return true;
}

bool digitInto(const AnswerText& a, int pos, BoundedInt& record, PanelValue* panel = nullptr) {
    int32_t v = 0;
    const bool parsed = a.digit(pos, v);
    return store(parsed, v, record, panel);
}

bool numberInto(const AnswerText& a, int pos, int k, BoundedInt& record) {
    int32_t v = 0;
    const bool parsed = a.number(pos, k, v);
    return store(parsed, v, record);
}

int32_t modeClassOf(int32_t mode) {
    if (mode == 4 || mode == 11) return 2;
    if (mode == 5 || mode == 13) return 1;
    return 0;
}

bool analyseStatus(const AnswerText& a, ReceiverStatus& s, PanelValue& displayFrequency) {
    bool ok = true;
    int32_t v = 0;
    const bool freqParsed = a.number(5, 8, v);
    ok &= store(freqParsed, v, s.frequency);
    if (ok) displayFrequency.set(s.frequency.get());

    int32_t magnitude = 0;
    const bool clarParsed = a.number(14, 4, magnitude);
    const double offset = a.at(13) == '-' ? -magnitude : magnitude;
    ok &= clarParsed && s.clarifierOffset.set(offset);

    ok &= digitInto(a, 18, s.rxClarifier);
    ok &= digitInto(a, 19, s.txClarifier);
    const bool modeParsed = a.hexDigit(20, v);
    ok &= store(modeParsed, v, s.mode);
    ok &= digitInto(a, 21, s.vfoOrMemory);
    ok &= digitInto(a, 22, s.toneMode);
    ok &= numberInto(a, 23, 2, s.toneNumber);
    ok &= digitInto(a, 25, s.shift);
    return ok;
}

// BP and CO: a selector other than 0 or 1 is accepted and stores nothing.
int lenientSelector(const AnswerText& a) {
    const char c = a.at(2);
    return c == '0' ? 0 : c == '1' ? 1 : -1;
}

}  // namespace

bool analyseBP(AnswerAnalysis& an, const AnswerText& a) {
    const int side = lenientSelector(a);
    if (side < 0) return true;
    auto& r = an.store().records;
    auto& p = an.store().panel;
    if (a.at(3) != '0') {
        int32_t v = 0;
        const bool parsed = a.number(4, 3, v);
        return store(parsed, v, r.bpLevel[side], &p.bpLevel[side]);
    }
    return store(true, a.at(6) == '0' ? 0 : 1, r.bpOn[side], &p.bpOn[side]);
}

bool analyseCO(AnswerAnalysis& an, const AnswerText& a) {
    const int side = lenientSelector(a);
    if (side < 0) return true;
    auto& r = an.store().records;
    auto& p = an.store().panel;
    int32_t v = 0;
    const bool parsed = a.number(4, 2, v);
    switch (a.at(3)) {
        case '0':
            return store(parsed, v, r.coOn[side], &p.coOn[side]);
        case '1':
            return store(parsed, v, r.coFirst[side], &p.coFirst[side]);
        case '2':
            return store(parsed, v, r.coSecond[side], &p.coSecond[side]);
        default:
            return true;
    }
}

bool analyseAN(AnswerAnalysis& an, const AnswerText& a) {
    int side = 0;
    if (!receiverSelector(a, side)) return true;
    auto& r = an.store().records;
    int32_t antenna = 0;
    const bool parsed = a.digit(3, antenna);
    bool ok = store(parsed, antenna - 1, r.anAntenna[side]);
    ok &= digitInto(a, 4, r.anFlag[side]);
    return ok;
}

bool analyseML(AnswerAnalysis& an, const AnswerText& a) {
    auto& r = an.store().records;
    auto& p = an.store().panel;
    if (a.at(2) == '0') return store(true, a.at(5) == '0' ? 0 : 1, r.mlFlag, &p.mlFlag);
    int32_t v = 0;
    const bool parsed = a.number(3, 3, v);
    return store(parsed, v, r.mlLevel, &p.mlLevel);
}

bool analyseIS(AnswerAnalysis& an, const AnswerText& a) {
    int side = 0;
    if (!receiverSelector(a, side)) return false;
    const char sign = a.at(3);
    if (sign != '+' && sign != '-') return false;
    int32_t v = 0;
    const bool parsed = a.number(4, 4, v);
    return store(parsed, sign == '-' ? -v : v, an.store().records.is[side],
                 &an.store().panel.is[side]);
}

bool analyseVF(AnswerAnalysis& an, const AnswerText& a) {
    int side = 0;
    if (!receiverSelector(a, side)) return false;
    VfRecords& vf = an.store().records.vf[side];
    int32_t flag = 0;
    if (!a.digit(7, flag)) return false;
    bool ok = vf.flag.set(flag);
    if (flag == 0 || flag == 1) {
        ok &= digitInto(a, 3, vf.digit[flag]);
        ok &= numberInto(a, 4, 3, vf.level[flag]);
    }
    return ok;
}

bool analyseMD(AnswerAnalysis& an, const AnswerText& a) {
    int side = 0;
    if (!receiverSelector(a, side)) return false;
    auto& s = an.store();
    int32_t mode = 0;
    const bool parsed = a.hexDigit(3, mode);
    if (!store(parsed, mode, s.records.md[side], &s.panel.md[side])) return false;
    s.panel.modeClass.set(modeClassOf(s.records.md[side].get()));
    return true;
}

bool analyseBY(AnswerAnalysis& an, const AnswerText& a) {
    auto& r = an.store().records;
    bool ok = digitInto(a, 2, r.by[kMain]);
    ok &= digitInto(a, 3, r.by[kSub]);
    return ok;
}

bool analyseIF(AnswerAnalysis& an, const AnswerText& a) {
    return analyseStatus(a, an.store().records.ifStatus, an.store().panel.vfoA);
}

bool analyseOI(AnswerAnalysis& an, const AnswerText& a) {
    return analyseStatus(a, an.store().records.oiStatus, an.store().panel.vfoB);
}

}  // namespace velmora
