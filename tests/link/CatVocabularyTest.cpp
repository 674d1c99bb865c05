// The CAT tables' own consistency: read and answer records in step, the fast code lookup equal
// to the table search, one notification per answer. Each code's lengths are checked where the
// simulated radio takes the commands and queries built from them and answers at the table's length.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "link/AnswerAnalysis.h"
#include "link/CatCommandTable.h"

namespace velmora {
namespace {

std::string codeOf(const CatCommandRecord& r) {
    EXPECT_EQ(r.code[2], '\0');
    EXPECT_EQ(r.code[3], '\0');
    return {r.code[0], r.code[1]};
}

// Two answers sharing a notification would redraw each other's displays.
TEST(CatVocabulary, EveryAnswerHasItsOwnNotification) {
    std::set<int32_t> ids{kCatTables.exAnswer.second};
    for (const auto& r : kCatTables.answer) EXPECT_TRUE(ids.insert(r.second).second) << codeOf(r);
}

TEST(CatVocabulary, ReadIndexEqualsAnswerIndexUpToPe) {
    for (int i = 0; i <= 73; ++i) {
        EXPECT_EQ(codeOf(kCatTables.read[i]), codeOf(kCatTables.answer[i])) << i;
    }
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
