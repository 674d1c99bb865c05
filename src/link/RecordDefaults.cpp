#include "link/RecordDefaults.h"

namespace velmora {

namespace {

// clang-format off
// One row per record: key, record, start value, max, min.
#define I(key, field, value, max, min) \
    { key, [](RadioRecords& r) -> BoundedInt& { return r.field; }, value, max, min }
#define D(key, field, value, max, min) \
    { key, [](RadioRecords& r) -> BoundedDouble& { return r.field; }, value, max, min }
#define T(key, field) \
    { key, [](RadioRecords& r) -> BoundedText& { return r.field; } }

const IntRecordDefault kIntDefaults[] = {
    // First part.
    I("BAND", band, 0, 11, 0),
    I("RT", rt, 0, 1, 0),
    I("XT", xt, 0, 1, 0),
    I("SF", sf, 8, 8, 0),
    I("BP.main.on", bpOn[0], 0, 1, 0),
    I("BP.sub.on", bpOn[1], 0, 1, 0),
    I("BP.main.level", bpLevel[0], 0, 400, 0),
    I("BP.sub.level", bpLevel[1], 0, 400, 0),
    I("BC.main", bc[0], 0, 1, 0),
    I("BC.sub", bc[1], 0, 1, 0),
    I("CO.main.on", coOn[0], 0, 1, 0),
    I("CO.sub.on", coOn[1], 0, 1, 0),
    I("CO.main.first", coFirst[0], 1, 40, 0),
    I("CO.sub.first", coFirst[1], 1, 40, 0),
    I("CO.main.second", coSecond[0], 0, 50, 0),
    I("CO.sub.second", coSecond[1], 0, 50, 0),
    I("NR.main", nr[0], 0, 1, 0),
    I("NR.sub", nr[1], 0, 1, 0),
    I("FT", ft, 0, 1, 0),
    I("FR", fr, 0, 3, 0),
    // Second part, in answer-table order.
    I("ID", id, 0, 362, 362),
    I("MS", ms, 0, 5, 0),
    I("LK.first", lk[0], 0, 1, 0),
    I("LK.second", lk[1], 0, 1, 0),
    I("FS.first", fs[0], 0, 1, 0),
    I("FS.second", fs[1], 0, 1, 0),
    I("VS", vs, 0, 1, 0),
    I("NA.main", na[0], 0, 1, 0),
    I("NA.sub", na[1], 0, 1, 0),
    I("NB.main", nb[0], 0, 2, 0),
    I("NB.sub", nb[1], 0, 2, 0),
    I("RF.main", rf[0], 0, 10, 0),
    I("RF.sub", rf[1], 0, 6, 0),
    I("GT.main", gt[0], 6, 6, 0),
    I("GT.sub", gt[1], 6, 6, 0),
    I("RA.main", ra[0], 0, 3, 0),
    I("RA.sub", ra[1], 0, 3, 0),
    I("PA.main", pa[0], 0, 3, 0),
    I("PA.sub", pa[1], 0, 2, 0),
    I("KR", kr, 0, 1, 0),
    I("TS", ts, 0, 1, 0),
    I("AN.main.antenna", anAntenna[0], 0, 3, 0),
    I("AN.main.flag", anFlag[0], 0, 1, 0),
    I("AN.sub.antenna", anAntenna[1], 0, 3, 0),
    I("AN.sub.flag", anFlag[1], 0, 1, 0),
    I("AC", ac, 1, 2, 0),
    I("DS", ds, 0, 1, 0),
    I("MX", mx, 0, 1, 0),
    I("VX", vx, 0, 1, 0),
    I("BI", bi, 0, 1, 0),
    I("PR", pr, 0, 2, 0),
    I("ML.flag", mlFlag, 0, 1, 0),
    I("ML.level", mlLevel, 0, 255, 0),
    I("CS", cs, 0, 1, 0),
    I("DP", dp, 0, 6, 0),
    I("RM", rm, 0, 255, 0),
    I("KP", kp, 0, 75, 0),
    I("KS", ks, 4, 60, 4),
    I("SD", sd, 0, 5000, 20),
    I("NL.main", nl[0], 0, 255, 0),
    I("NL.sub", nl[1], 0, 255, 0),
    I("MG", mg, 0, 255, 0),
    I("PL", pl, 0, 255, 0),
    I("VG", vg, 0, 255, 0),
    I("VD", vd, 0, 5000, 20),
    I("SQ.main", sq[0], 0, 255, 0),
    I("SQ.sub", sq[1], 0, 255, 0),
    I("AG.main", ag[0], 0, 255, 0),
    I("AG.sub", ag[1], 0, 255, 0),
    I("RG.main", rg[0], 0, 255, 0),
    I("RG.sub", rg[1], 0, 255, 0),
    I("IF.frequency", ifStatus.frequency, 0, 99999999, 0),
    I("IF.rxClarifier", ifStatus.rxClarifier, 0, 1, 0),
    I("IF.txClarifier", ifStatus.txClarifier, 0, 1, 0),
    I("IF.mode", ifStatus.mode, 0, 12, 0),
    I("IF.vfoMemory", ifStatus.vfoOrMemory, 0, 4, 0),
    I("IF.toneMode", ifStatus.toneMode, 0, 2, 0),
    I("IF.toneNumber", ifStatus.toneNumber, 0, 49, 0),
    I("IF.shift", ifStatus.shift, 0, 2, 0),
    I("VF.main.flag", vf[0].flag, 0, 1, 0),
    I("VF.main.off.digit", vf[0].digit[0], 0, 9, 0),
    I("VF.main.off.level", vf[0].level[0], 0, 255, 0),
    I("VF.main.on.digit", vf[0].digit[1], 0, 9, 0),
    I("VF.main.on.level", vf[0].level[1], 0, 255, 0),
    I("VF.sub.flag", vf[1].flag, 0, 1, 0),
    I("VF.sub.off.digit", vf[1].digit[0], 0, 9, 0),
    I("VF.sub.off.level", vf[1].level[0], 0, 255, 0),
    I("VF.sub.on.digit", vf[1].digit[1], 0, 9, 0),
    I("VF.sub.on.level", vf[1].level[1], 0, 255, 0),
    I("IS.main", is[0], 0, 1000, -1000),
    I("IS.sub", is[1], 0, 1000, -1000),
    I("SH.main", sh[0], 16, 31, 0),
    I("SH.sub", sh[1], 16, 31, 0),
    I("RL.main", rl[0], 1, 15, 1),
    I("RL.sub", rl[1], 1, 15, 1),
    I("BY.main", by[0], 0, 1, 0),
    I("BY.sub", by[1], 0, 1, 0),
    I("FA", fa, 7000000, 60000000, 30000),
    I("FB", fb, 7000000, 60000000, 30000),
    I("RO.direction", roFirst, 0, 450, 0),
    I("RO.speed", roSecond, 0, 100, 0),
    I("SC", sc, 0, 2, 0),
    I("SM.main", sm[0], 0, 255, 0),
    I("SM.sub", sm[1], 0, 255, 0),
    I("TX", tx, 0, 2, 0),
    I("UL", ul, 0, 1, 0),
    I("AI", ai, 0, 1, 0),
    I("CN.main", cn[0], 0, 49, 0),
    I("CN.sub", cn[1], 0, 49, 0),
    I("CT.main", ct[0], 0, 2, 0),
    I("CT.sub", ct[1], 0, 2, 0),
    I("KM.selected", kmSelected, 1, 5, 1),
    I("MC", mc, 0, 117, 0),
    I("OI.frequency", oiStatus.frequency, 0, 99999999, 0),
    I("OI.rxClarifier", oiStatus.rxClarifier, 0, 1, 0),
    I("OI.txClarifier", oiStatus.txClarifier, 0, 1, 0),
    I("OI.mode", oiStatus.mode, 0, 12, 0),
    I("OI.vfoMemory", oiStatus.vfoOrMemory, 0, 3, 0),
    I("OI.toneMode", oiStatus.toneMode, 0, 2, 0),
    I("OI.toneNumber", oiStatus.toneNumber, 0, 49, 0),
    I("OI.shift", oiStatus.shift, 0, 2, 0),
    I("OS.main", os[0], 0, 2, 0),
    I("OS.sub", os[1], 0, 2, 0),
    I("PC", pc, 0, 255, 0),
    I("RS", rs, 0, 2, 0),
    I("MD.main", md[0], 0, 13, 0),
    I("MD.sub", md[1], 1, 13, 0),
    I("PS", ps, 0, 1, 0),
    I("RI.0", ri[0], 1, 1, 0),
    I("RI.1", ri[1], 0, 1, 0),
    I("RI.2", ri[2], 0, 1, 0),
    I("RI.3", ri[3], 0, 1, 0),
    I("RI.4", ri[4], 0, 1, 0),
    I("RI.5", ri[5], 0, 1, 0),
    I("RI.6", ri[6], 0, 1, 0),
    I("RI.7", ri[7], 0, 1, 0),
    I("RI.8", ri[8], 0, 1, 0),
    I("BG.0", bg[0], 3, 5, -1),
    I("BG.1", bg[1], 0, 21, -1),
    I("BG.2", bg[2], 0, 11, -1),
    // PE<set digit><band><parameter>: parameter 0 (the centre frequency) has a range per band,
    // as many steps as the band's frequency item of the menu has choices (items 152, 155, 158).
    I("PE000", pe[0][0][0], 0, 7, 0),
    I("PE001", pe[0][0][1], 5, 10, -20),
    I("PE002", pe[0][0][2], 10, 10, 1),
    I("PE010", pe[0][1][0], 0, 9, 0),
    I("PE011", pe[0][1][1], 5, 10, -20),
    I("PE012", pe[0][1][2], 10, 10, 1),
    I("PE020", pe[0][2][0], 0, 18, 0),
    I("PE021", pe[0][2][1], 5, 10, -20),
    I("PE022", pe[0][2][2], 10, 10, 1),
    I("PE200", pe[1][0][0], 0, 7, 0),
    I("PE201", pe[1][0][1], 5, 10, -20),
    I("PE202", pe[1][0][2], 10, 10, 1),
    I("PE210", pe[1][1][0], 0, 9, 0),
    I("PE211", pe[1][1][1], 5, 10, -20),
    I("PE212", pe[1][1][2], 10, 10, 1),
    I("PE220", pe[1][2][0], 0, 18, 0),
    I("PE221", pe[1][2][1], 5, 10, -20),
    I("PE222", pe[1][2][2], 10, 10, 1),
    I("KC.0.flag0", kcFlag[0][0], 0, 1, 0),
    I("KC.0.flag1", kcFlag[0][1], 0, 1, 0),
    I("KC.0.flag2", kcFlag[0][2], 0, 1, 0),
    I("KC.0.flag3", kcFlag[0][3], 0, 1, 0),
    I("KC.0.flag4", kcFlag[0][4], 0, 1, 0),
    I("KC.0.flag5", kcFlag[0][5], 0, 1, 0),
    I("KC.0.flag6", kcFlag[0][6], 0, 1, 0),
    I("KC.0.flag7", kcFlag[0][7], 0, 1, 0),
    I("KC.0.key", kcValue[0][0], 0, 7, 0),
    I("KC.0.selected", kcValue[0][1], 0, 7, 0),
    I("KC.1.flag0", kcFlag[1][0], 0, 1, 0),
    I("KC.1.flag1", kcFlag[1][1], 0, 1, 0),
    I("KC.1.flag2", kcFlag[1][2], 0, 1, 0),
    I("KC.1.flag3", kcFlag[1][3], 0, 1, 0),
    I("KC.1.flag4", kcFlag[1][4], 0, 1, 0),
    I("KC.1.flag5", kcFlag[1][5], 0, 1, 0),
    I("KC.1.flag6", kcFlag[1][6], 0, 1, 0),
    I("KC.1.flag7", kcFlag[1][7], 0, 1, 0),
    I("KC.1.key", kcValue[1][0], 0, 7, 0),
    I("KC.1.selected", kcValue[1][1], 0, 7, 0),
    I("CA", ca, 0, 1, 0),
    // Records no answer writes.
    I("AUX.meter0", auxMeter[0], 0, 255, 0),
    I("AUX.meter1", auxMeter[1], 0, 255, 0),
    I("AUX.meter2", auxMeter[2], 0, 255, 0),
    I("AUX.meter3", auxMeter[3], 0, 255, 0),
    I("AUX.meter4", auxMeter[4], 0, 255, 0),
    I("AUX.meter5", auxMeter[5], 0, 255, 0),
    I("AUX.flag0", auxFlag[0], 0, 1, 0),
    I("AUX.flag1", auxFlag[1], 0, 1, 0),
    I("AUX.flag2", auxFlag[2], 0, 1, 0),
    I("AUX.flag3", auxFlag[3], 0, 1, 0),
    I("AUX.counter", auxCounter, 0, 999, 0),
    I("AUX.mk", mk, 0, 6, 0),
};

const DoubleRecordDefault kDoubleDefaults[] = {
    D("IF.clarifier", ifStatus.clarifierOffset, 0.0, 9999.0, -9999.0),
    D("VF.main.scale", vf[0].scale, 1.0, 1.0, -1.0),
    D("VF.sub.scale", vf[1].scale, 1.0, 1.0, -1.0),
    D("OI.clarifier", oiStatus.clarifierOffset, 0.0, 9999.0, -9999.0),
};

const TextRecordDefault kTextDefaults[] = {
    T("KM1", kmText[0]), T("KM2", kmText[1]), T("KM3", kmText[2]),
    T("KM4", kmText[3]), T("KM5", kmText[4]),
};
// clang-format on

#undef I
#undef D
#undef T

}  // namespace

std::span<const IntRecordDefault> intRecordDefaults() {
    return kIntDefaults;
}
std::span<const DoubleRecordDefault> doubleRecordDefaults() {
    return kDoubleDefaults;
}
std::span<const TextRecordDefault> textRecordDefaults() {
    return kTextDefaults;
}

void applyRecordDefaults(RadioRecords& records) {
    for (const auto& row : kIntDefaults) row.record(records).reset(row.value, row.max, row.min);
    for (const auto& row : kDoubleDefaults) row.record(records).reset(row.value, row.max, row.min);
    for (const auto& row : kTextDefaults) row.record(records).clear();
}

}  // namespace velmora
