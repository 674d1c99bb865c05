#include "link/CatCommandTable.h"

#include "link/MessageIds.h"

namespace velmora {

namespace {
constexpr CatCommandRecord S(const char (&c)[3], int32_t length) {
    return {{c[0], c[1], 0, 0}, 0, length};
}
constexpr CatCommandRecord R(const char (&c)[3], int32_t kind, int32_t length) {
    return {{c[0], c[1], 0, 0}, kind, length};
}
constexpr CatCommandRecord A(const char (&c)[3], int32_t notification, int32_t length) {
    return {{c[0], c[1], 0, 0}, notification, length};
}
}  // namespace

// clang-format off
const CatTables kCatTables = {
    // Set table: code, length.
    {{
        S("BS", 5),  S("RT", 4),  S("XT", 4),  S("SF", 5),  S("BP", 8),  S("BC", 5),
        S("CO", 7),  S("MS", 4),  S("NR", 5),  S("FT", 4),  S("FR", 4),  S("LK", 4),
        S("FS", 4),  S("VS", 4),  S("NA", 5),  S("NB", 5),  S("RF", 5),  S("GT", 5),
        S("RA", 5),  S("PA", 5),  S("KR", 4),  S("TS", 4),  S("AN", 5),  S("AC", 6),
        S("DS", 4),  S("MX", 4),  S("VX", 4),  S("BI", 4),  S("PR", 4),  S("ML", 7),
        S("CS", 4),  S("DP", 4),  S("KP", 5),  S("KS", 6),  S("SD", 7),  S("NL", 7),
        S("MG", 6),  S("PL", 6),  S("VG", 6),  S("VD", 7),  S("SQ", 7),  S("AG", 7),
        S("RG", 7),  S("VF", 7),  S("IS", 9),  S("SH", 6),  S("RL", 6),  S("FA", 11),
        S("FB", 11), S("RO", 4),  S("SC", 4),  S("TX", 4),  S("AI", 4),  S("CN", 6),
        S("CT", 5),  S("KM", 54), S("MC", 6),  S("OS", 5),  S("PB", 5),  S("PC", 6),
        S("MD", 5),  S("PS", 4),  S("AB", 3),  S("AM", 3),  S("BD", 4),  S("BU", 4),
        S("CH", 4),  S("ED", 6),  S("EU", 6),  S("FK", 4),  S("KY", 4),  S("QI", 3),
        S("QR", 3),  S("QS", 3),  S("RC", 3),  S("RD", 7),  S("RU", 7),  S("SV", 3),
        S("VM", 3),  S("MA", 3),  S("MK", 4),  S("CW", 4),  S("LM", 5),  S("IF", 27),
        S("OI", 27), S("KC", 7),  S("CA", 7),  S("DN", 5),  S("UP", 5),
    }},
    // Read table: code, read kind, length. Answer-table order without DA and MR.
    {{
        R("ID", 3, 3), R("RT", 0, 3), R("XT", 0, 3), R("SF", 0, 3), R("BP", 3, 5),
        R("BC", 2, 4), R("CO", 3, 5), R("MS", 0, 3), R("NR", 2, 4), R("FT", 0, 3),
        R("FR", 0, 3), R("LK", 0, 3), R("FS", 0, 3), R("VS", 0, 3), R("NA", 2, 4),
        R("NB", 2, 4), R("RF", 2, 4), R("GT", 2, 4), R("RA", 2, 4), R("PA", 2, 4),
        R("KR", 0, 3), R("TS", 0, 3), R("AN", 2, 4), R("AC", 0, 3), R("DS", 0, 3),
        R("MX", 0, 3), R("VX", 0, 3), R("BI", 0, 3), R("PR", 0, 3), R("ML", 2, 4),
        R("CS", 0, 3), R("DP", 0, 3), R("RM", 3, 4), R("KP", 0, 3), R("KS", 0, 3),
        R("SD", 0, 3), R("NL", 2, 4), R("MG", 0, 3), R("PL", 0, 3), R("VG", 0, 3),
        R("VD", 0, 3), R("SQ", 2, 4), R("AG", 2, 4), R("RG", 2, 4), R("IF", 0, 3),
        R("VF", 2, 4), R("IS", 2, 4), R("SH", 2, 4), R("RL", 2, 4), R("BY", 0, 3),
        R("FA", 0, 3), R("FB", 0, 3), R("RO", 0, 3), R("SC", 0, 3), R("SM", 2, 4),
        R("TX", 0, 3), R("UL", 0, 3), R("AI", 0, 3), R("CN", 2, 4), R("CT", 2, 4),
        R("KM", 3, 4), R("MC", 0, 3), R("OI", 0, 3), R("OS", 2, 4), R("PB", 2, 4),
        R("PC", 0, 3), R("RS", 0, 3), R("MD", 2, 4), R("PS", 0, 3), R("RI", 3, 4),
        R("CW", 0, 3), R("BG", 3, 4), R("LM", 2, 4), R("PE", 3, 6), R("KC", 3, 6),
        R("CA", 3, 4),
    }},
    // Answer table: code, notification id, length (AnswerRows.h). The position is the answer index.
#define VELMORA_ANSWER_RECORD(code, id, length) A(#code, id, length),
    {{VELMORA_ANSWER_ROWS(VELMORA_ANSWER_RECORD)}},
#undef VELMORA_ANSWER_RECORD
    0,
    A("EX", notify::EX, 0),
};
// clang-format on

int findAnswerIndex(char first, char second) {
    const uint16_t key = codeKey(first, second);
    for (int i = 0; i < kAnswerTableSize; ++i) {
        if (codeKey(kCatTables.answer[i]) == key) return i;
    }
    return -1;
}

namespace {
template <size_t N>
int findIn(const std::array<CatCommandRecord, N>& table, std::string_view code) {
    if (code.size() < 2) return -1;
    const uint16_t key = codeKey(code[0], code[1]);
    for (size_t i = 0; i < N; ++i) {
        if (codeKey(table[i]) == key) return static_cast<int>(i);
    }
    return -1;
}
}  // namespace

const CatCommandRecord* findSetRecord(std::string_view code) {
    const int i = findIn(kCatTables.set, code);
    return i < 0 ? nullptr : &kCatTables.set[i];
}

const CatCommandRecord* findReadRecord(std::string_view code) {
    const int i = findIn(kCatTables.read, code);
    return i < 0 ? nullptr : &kCatTables.read[i];
}

int findReadIndex(std::string_view code) {
    return findIn(kCatTables.read, code);
}

}  // namespace velmora
