// The CAT tables checked against a transcription of the vocabulary made apart from them: a
// mistyped length or a record out of order shows up here.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "link/AnswerAnalysis.h"
#include "link/CatCommandTable.h"

namespace velmora {
namespace {

// code, set length, read kind, read length, answer length, answer index, notification; -1: absent.
struct Vocab {
    const char* code;
    int setLength, readKind, readLength, answerLength, answerIndex, notification;
};

// clang-format off
const Vocab kVocabulary[] = {
    {"ID", -1, 3, 3, 7, 0, 0x8344},   {"RT", 4, 0, 3, 4, 1, 0x8302},   {"XT", 4, 0, 3, 4, 2, 0x8303},
    {"SF", 5, 0, 3, 5, 3, 0x8304},    {"BP", 8, 3, 5, 8, 4, 0x8305},   {"BC", 5, 2, 4, 5, 5, 0x8306},
    {"CO", 7, 3, 5, 7, 6, 0x8307},    {"MS", 4, 0, 3, 4, 7, 0x8346},   {"NR", 5, 2, 4, 5, 8, 0x8308},
    {"FT", 4, 0, 3, 4, 9, 0x8309},    {"FR", 4, 0, 3, 4, 10, 0x830A},  {"LK", 4, 0, 3, 4, 11, 0x830C},
    {"FS", 4, 0, 3, 4, 12, 0x830D},   {"VS", 4, 0, 3, 4, 13, 0x830E},  {"NA", 5, 2, 4, 5, 14, 0x830F},
    {"NB", 5, 2, 4, 5, 15, 0x8310},   {"RF", 5, 2, 4, 5, 16, 0x8311},  {"GT", 5, 2, 4, 5, 17, 0x8312},
    {"RA", 5, 2, 4, 5, 18, 0x8313},   {"PA", 5, 2, 4, 5, 19, 0x8314},  {"KR", 4, 0, 3, 4, 20, 0x8315},
    {"TS", 4, 0, 3, 4, 21, 0x8316},   {"AN", 5, 2, 4, 6, 22, 0x8317},  {"AC", 6, 0, 3, 6, 23, 0x8318},
    {"DS", 4, 0, 3, 4, 24, 0x8319},   {"MX", 4, 0, 3, 4, 25, 0x831A},  {"VX", 4, 0, 3, 4, 26, 0x831B},
    {"BI", 4, 0, 3, 4, 27, 0x831C},   {"PR", 4, 0, 3, 4, 28, 0x831D},  {"ML", 7, 2, 4, 7, 29, 0x831E},
    {"CS", 4, 0, 3, 4, 30, 0x831F},   {"DP", 4, 0, 3, 4, 31, 0x8320},  {"RM", -1, 3, 4, 7, 32, 0x8321},
    {"KP", 5, 0, 3, 5, 33, 0x8322},   {"KS", 6, 0, 3, 6, 34, 0x8323},  {"SD", 7, 0, 3, 7, 35, 0x8324},
    {"NL", 7, 2, 4, 7, 36, 0x8325},   {"MG", 6, 0, 3, 6, 37, 0x8326},  {"PL", 6, 0, 3, 6, 38, 0x8327},
    {"VG", 6, 0, 3, 6, 39, 0x8328},   {"VD", 7, 0, 3, 7, 40, 0x8329},  {"SQ", 7, 2, 4, 7, 41, 0x832A},
    {"AG", 7, 2, 4, 7, 42, 0x832B},   {"RG", 7, 2, 4, 7, 43, 0x832C},  {"IF", 27, 0, 3, 27, 44, 0x832D},
    {"VF", 7, 2, 4, 9, 45, 0x832E},   {"IS", 9, 2, 4, 9, 46, 0x832F},  {"SH", 6, 2, 4, 6, 47, 0x8330},
    {"RL", 6, 2, 4, 6, 48, 0x8331},   {"BY", -1, 0, 3, 5, 49, 0x8332}, {"FA", 11, 0, 3, 11, 50, 0x8333},
    {"FB", 11, 0, 3, 11, 51, 0x8334}, {"RO", 4, 0, 3, 10, 52, 0x8335}, {"SC", 4, 0, 3, 4, 53, 0x8336},
    {"SM", -1, 2, 4, 7, 54, 0x8337},  {"TX", 4, 0, 3, 4, 55, 0x8338},  {"UL", -1, 0, 3, 4, 56, 0x8339},
    {"AI", 4, 0, 3, 4, 57, 0x833A},   {"CN", 6, 2, 4, 6, 58, 0x833B},  {"CT", 5, 2, 4, 5, 59, 0x833C},
    {"KM", 54, 3, 4, 54, 60, 0x833D}, {"MC", 6, 0, 3, 6, 61, 0x833E},  {"OI", 27, 0, 3, 27, 62, 0x833F},
    {"OS", 5, 2, 4, 5, 63, 0x8340},   {"PB", 5, 2, 4, 5, 64, 0x8341},  {"PC", 6, 0, 3, 6, 65, 0x8342},
    {"RS", -1, 0, 3, 4, 66, 0x8343},  {"MD", 5, 2, 4, 5, 67, 0x8345},  {"PS", 4, 0, 3, 4, 68, 0x8347},
    {"RI", -1, 3, 4, 5, 69, 0x8348},  {"CW", 4, 0, 3, 4, 70, 0x8349},  {"BG", -1, 3, 4, 6, 71, 0x834D},
    {"LM", 5, 2, 4, 5, 72, 0x834E},   {"PE", -1, 3, 6, 9, 73, 0x834F}, {"DA", -1, -1, -1, 7, 74, 0x8353},
    {"MR", -1, -1, -1, 27, 75, 0x8354}, {"KC", 7, 3, 6, 8, 76, 0x8355}, {"CA", 7, 3, 4, 7, 77, 0x8356},
    {"BS", 5, -1, -1, -1, -1, -1}, {"AB", 3, -1, -1, -1, -1, -1}, {"AM", 3, -1, -1, -1, -1, -1},
    {"BD", 4, -1, -1, -1, -1, -1}, {"BU", 4, -1, -1, -1, -1, -1}, {"CH", 4, -1, -1, -1, -1, -1},
    {"ED", 6, -1, -1, -1, -1, -1}, {"EU", 6, -1, -1, -1, -1, -1}, {"FK", 4, -1, -1, -1, -1, -1},
    {"KY", 4, -1, -1, -1, -1, -1}, {"QI", 3, -1, -1, -1, -1, -1}, {"QR", 3, -1, -1, -1, -1, -1},
    {"QS", 3, -1, -1, -1, -1, -1}, {"RC", 3, -1, -1, -1, -1, -1}, {"RD", 7, -1, -1, -1, -1, -1},
    {"RU", 7, -1, -1, -1, -1, -1}, {"SV", 3, -1, -1, -1, -1, -1}, {"VM", 3, -1, -1, -1, -1, -1},
    {"MA", 3, -1, -1, -1, -1, -1}, {"MK", 4, -1, -1, -1, -1, -1}, {"DN", 5, -1, -1, -1, -1, -1},
    {"UP", 5, -1, -1, -1, -1, -1},
};
// clang-format on

const char* const kSetOrder =
    "BS RT XT SF BP BC CO MS NR FT FR LK FS VS NA NB RF GT RA PA KR TS AN AC DS MX VX BI PR ML CS "
    "DP KP KS SD NL MG PL VG VD SQ AG RG VF IS SH RL FA FB RO SC TX AI CN CT KM MC OS PB PC MD PS "
    "AB AM BD BU CH ED EU FK KY QI QR QS RC RD RU SV VM MA MK CW LM IF OI KC CA DN UP";

std::string codeOf(const CatCommandRecord& r) {
    EXPECT_EQ(r.code[2], '\0');
    EXPECT_EQ(r.code[3], '\0');
    return {r.code[0], r.code[1]};
}

TEST(CatVocabulary, EveryCodeHasItsLengthsKindsAndIndices) {
    for (const Vocab& v : kVocabulary) {
        SCOPED_TRACE(v.code);
        const CatCommandRecord* set = findSetRecord(v.code);
        if (v.setLength < 0) {
            EXPECT_EQ(set, nullptr);
        } else {
            ASSERT_NE(set, nullptr);
            EXPECT_EQ(set->length, v.setLength);
            EXPECT_EQ(set->second, 0);
        }
        const CatCommandRecord* read = findReadRecord(v.code);
        if (v.readKind < 0) {
            EXPECT_EQ(read, nullptr);
        } else {
            ASSERT_NE(read, nullptr);
            EXPECT_EQ(read->second, v.readKind);
            EXPECT_EQ(read->length, v.readLength);
        }
        const int index = findAnswerIndex(v.code[0], v.code[1]);
        EXPECT_EQ(index, v.answerIndex);
        if (index >= 0) {
            EXPECT_EQ(kCatTables.answer[index].length, v.answerLength);
            EXPECT_EQ(kCatTables.answer[index].second, v.notification);
        }
    }
}

TEST(CatVocabulary, TablesHoldExactlyTheListedCodes) {
    int sets = 0, reads = 0, answers = 0;
    for (const Vocab& v : kVocabulary) {
        sets += v.setLength >= 0;
        reads += v.readKind >= 0;
        answers += v.answerIndex >= 0;
    }
    EXPECT_EQ(sets, kSetTableSize);
    EXPECT_EQ(reads, kReadTableSize);
    EXPECT_EQ(answers, kAnswerTableSize);
    EXPECT_EQ(kCatTables.zeroWord, 0);
    EXPECT_EQ(codeOf(kCatTables.exAnswer), "EX");
    EXPECT_EQ(kCatTables.exAnswer.second, 0x830B);
}

TEST(CatVocabulary, SetTableRunsInItsOwnOrder) {
    std::string order;
    for (const auto& r : kCatTables.set) order += (order.empty() ? "" : " ") + codeOf(r);
    EXPECT_EQ(order, kSetOrder);
}

TEST(CatVocabulary, ReadIndexEqualsAnswerIndexUpToPe) {
    for (int i = 0; i <= 73; ++i) {
        EXPECT_EQ(codeOf(kCatTables.read[i]), codeOf(kCatTables.answer[i])) << i;
    }
    EXPECT_EQ(codeOf(kCatTables.read[74]), "KC");
    EXPECT_EQ(codeOf(kCatTables.read[75]), "CA");
    EXPECT_EQ(findReadIndex("DA"), -1);
    EXPECT_EQ(findReadIndex("MR"), -1);
}

TEST(CatVocabulary, FastCodeLookupAgreesWithTheTableSearch) {
    for (char a = 'A'; a <= 'Z'; ++a) {
        for (char b = 'A'; b <= 'Z'; ++b) {
            EXPECT_EQ(answerIndexOf(a, b), findAnswerIndex(a, b)) << a << b;
        }
    }
    EXPECT_EQ(answerIndexOf('f', 'a'), -1);
    EXPECT_EQ(answerIndexOf('?', ';'), -1);
    EXPECT_EQ(answerIndexOf('\0', '\0'), -1);
}

}  // namespace
}  // namespace velmora
