#pragma once
// The answer table as data, one X(code, notification id, length) per answer in table order (the
// position is the answer index). CatCommandTable builds the table from it and MessageIds names
// each notification after its code, so the names cannot drift from the table. Length counts the
// code, the parameters and ";".

// clang-format off
#define VELMORA_ANSWER_ROWS(X) \
    X(ID, 0x8344,  7) X(RT, 0x8302,  4) X(XT, 0x8303,  4) X(SF, 0x8304,  5) \
    X(BP, 0x8305,  8) X(BC, 0x8306,  5) X(CO, 0x8307,  7) X(MS, 0x8346,  4) \
    X(NR, 0x8308,  5) X(FT, 0x8309,  4) X(FR, 0x830A,  4) X(LK, 0x830C,  4) \
    X(FS, 0x830D,  4) X(VS, 0x830E,  4) X(NA, 0x830F,  5) X(NB, 0x8310,  5) \
    X(RF, 0x8311,  5) X(GT, 0x8312,  5) X(RA, 0x8313,  5) X(PA, 0x8314,  5) \
    X(KR, 0x8315,  4) X(TS, 0x8316,  4) X(AN, 0x8317,  6) X(AC, 0x8318,  6) \
    X(DS, 0x8319,  4) X(MX, 0x831A,  4) X(VX, 0x831B,  4) X(BI, 0x831C,  4) \
    X(PR, 0x831D,  4) X(ML, 0x831E,  7) X(CS, 0x831F,  4) X(DP, 0x8320,  4) \
    X(RM, 0x8321,  7) X(KP, 0x8322,  5) X(KS, 0x8323,  6) X(SD, 0x8324,  7) \
    X(NL, 0x8325,  7) X(MG, 0x8326,  6) X(PL, 0x8327,  6) X(VG, 0x8328,  6) \
    X(VD, 0x8329,  7) X(SQ, 0x832A,  7) X(AG, 0x832B,  7) X(RG, 0x832C,  7) \
    X(IF, 0x832D, 27) X(VF, 0x832E,  9) X(IS, 0x832F,  9) X(SH, 0x8330,  6) \
    X(RL, 0x8331,  6) X(BY, 0x8332,  5) X(FA, 0x8333, 11) X(FB, 0x8334, 11) \
    X(RO, 0x8335, 10) X(SC, 0x8336,  4) X(SM, 0x8337,  7) X(TX, 0x8338,  4) \
    X(UL, 0x8339,  4) X(AI, 0x833A,  4) X(CN, 0x833B,  6) X(CT, 0x833C,  5) \
    X(KM, 0x833D, 54) X(MC, 0x833E,  6) X(OI, 0x833F, 27) X(OS, 0x8340,  5) \
    X(PB, 0x8341,  5) X(PC, 0x8342,  6) X(RS, 0x8343,  4) X(MD, 0x8345,  5) \
    X(PS, 0x8347,  4) X(RI, 0x8348,  5) X(CW, 0x8349,  4) X(BG, 0x834D,  6) \
    X(LM, 0x834E,  5) X(PE, 0x834F,  9) X(DA, 0x8353,  7) X(MR, 0x8354, 27) \
    X(KC, 0x8355,  8) X(CA, 0x8356,  7)
// clang-format on
