#include <gtest/gtest.h>

#include <string>

#include "link/AnswerLength.h"
#include "link/MenuTable.h"

namespace velmora {
namespace {

const uint8_t* bytes(const std::string& s) {
    return reinterpret_cast<const uint8_t*>(s.data());
}

TEST(AnswerLength, EachKindOfAnswerIsSizedByItsOwnRule) {
    MenuTable menus;
    MenuItemDef def;
    def.number = 1;
    def.width = 4;
    menus.install(&def, 1);
    ASSERT_TRUE(menus.setCount(1));
    struct Row {
        std::string answer;
        int length;  // -1: not recognised
    };
    const Row rows[] = {
        {"FA14195000;", 11},         // table codes take their length
        {"?;", -1},                  // the error reply
        {"F", -1},                   // too short to name a code
        {"fa14195000;", -1},         // lower case is no code
        {"ZZ123;", 6},               // an unknown code ends at its terminator ...
        {"ZZ123", -1},               // ... and waits for it
        {"EX0010300;", 10},          // menu answers from the item's width
        {"EX0020300;", -1},          // an item beyond the count
        {"EX0A10300;", -1},          // no item number
        {"KM1CQ CQ DE TEST};", 18},  // texts end at their first terminator
        {"KM1cq;", -1},
        {"KM1" + std::string(60, 'A'), 3},  // no terminator within the text's reach
        {"ID0362;", 7},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.answer);
        const AnswerLength got = determineAnswerLength(bytes(r.answer), r.answer.size(), menus);
        EXPECT_EQ(got.recognised, r.length >= 0);
        if (r.length >= 0) {
            EXPECT_EQ(got.length, r.length);
        }
    }
}

TEST(AnswerLength, AnAnswerIsCompleteOnlyWithTheTerminatorAtItsLength) {
    const std::string fa = "FA00014195000;", longKm = "KM1" + std::string(60, 'A');
    EXPECT_FALSE(answerComplete(bytes(fa), fa.size(), 11));
    EXPECT_FALSE(answerComplete(bytes(longKm), longKm.size(), 3));
    const std::string ok = "FA14195000;";
    EXPECT_TRUE(answerComplete(bytes(ok), ok.size(), 11));
}

}  // namespace
}  // namespace velmora
