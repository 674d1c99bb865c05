#pragma once
// The radio-state records: what the program knows of the radio's settings, one record per value
// an answer reports, grouped by CAT code. Pairs indexed [2] hold the main receiver at 0 and the
// sub receiver at 1. Ranges and start values live in RecordDefaults.cpp, one row per record.
#include <array>

#include "link/BoundedDouble.h"
#include "link/BoundedInt.h"
#include "link/BoundedText.h"

namespace velmora {

inline constexpr int kMain = 0, kSub = 1;

// The composite status of one receiver (IF for main, OI for sub).
struct ReceiverStatus {
    BoundedInt frequency;
    BoundedDouble clarifierOffset;
    BoundedInt rxClarifier, txClarifier;
    BoundedInt mode;
    BoundedInt vfoOrMemory;
    BoundedInt toneMode, toneNumber;
    BoundedInt shift;
};

// VF of one receiver: an on/off flag and a {digit, level} pair for each flag state.
struct VfRecords {
    BoundedInt flag;
    std::array<BoundedInt, 2> digit;  // [flag state]
    std::array<BoundedInt, 2> level;  // [flag state]
    BoundedDouble scale;
};

struct RadioRecords {
    // First part.
    BoundedInt band;
    BoundedInt rt, xt, sf;
    std::array<BoundedInt, 2> bpOn, bpLevel;
    std::array<BoundedInt, 2> bc;
    std::array<BoundedInt, 2> coOn, coFirst, coSecond;
    std::array<BoundedInt, 2> nr;
    BoundedInt ft, fr;

    // Second part, in answer-table order.
    BoundedInt id;
    BoundedInt ms;
    std::array<BoundedInt, 2> lk;  // two flags coded in one digit
    std::array<BoundedInt, 2> fs;  // the same coding
    BoundedInt vs;
    std::array<BoundedInt, 2> na, nb, rf, gt, ra, pa;
    BoundedInt kr, ts;
    std::array<BoundedInt, 2> anAntenna, anFlag;
    BoundedInt ac, ds, mx, vx, bi, pr;
    BoundedInt mlFlag, mlLevel;
    BoundedInt cs, dp, rm, kp, ks, sd;
    std::array<BoundedInt, 2> nl;
    BoundedInt mg, pl, vg, vd;
    std::array<BoundedInt, 2> sq, ag, rg;
    ReceiverStatus ifStatus;
    std::array<VfRecords, 2> vf;
    std::array<BoundedInt, 2> is, sh, rl, by;
    BoundedInt fa, fb;
    BoundedInt roFirst, roSecond;
    BoundedInt sc;
    std::array<BoundedInt, 2> sm;
    BoundedInt tx, ul, ai;
    std::array<BoundedInt, 2> cn, ct;
    BoundedInt kmSelected;
    std::array<BoundedText, 5> kmText;  // keyer memories 1-5 at 0-4
    BoundedInt mc;
    ReceiverStatus oiStatus;
    std::array<BoundedInt, 2> os;
    BoundedInt pc, rs;
    std::array<BoundedInt, 2> md;
    BoundedInt ps;
    std::array<BoundedInt, 9> ri;
    std::array<BoundedInt, 3> bg;
    // [set][band][parameter]; the radio numbers the sets 0 and 2.
    std::array<std::array<std::array<BoundedInt, 3>, 3>, 2> pe;
    std::array<std::array<BoundedInt, 8>, 2> kcFlag;   // [bank][flag]
    std::array<std::array<BoundedInt, 2>, 2> kcValue;  // [bank][value]
    BoundedInt ca;

    // Records no answer writes; the command and display code own them.
    std::array<BoundedInt, 6> auxMeter;
    std::array<BoundedInt, 4> auxFlag;
    BoundedInt auxCounter;
    // The MK setting the MK toggle key steps from; the radio does not report it.
    BoundedInt mk;
};

}  // namespace velmora
