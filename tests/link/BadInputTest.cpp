// Arbitrary bytes into the analysis: nothing crashes, no record leaves its range, and an answer
// that fails posts no notification of its own.
#include <random>

#include "LinkFixture.h"
#include "link/CatCommandTable.h"
#include "link/MessageIds.h"
#include "link/RecordDefaults.h"

namespace velmora::test {
namespace {

class BadInput : public LinkFixture {
  protected:
    void expectAllInRange() {
        for (const auto& row : intRecordDefaults()) {
            const BoundedInt& r = row.record(rec);
            // A record may still hold its start value below its minimum (SD, VD).
            if (r.get() == row.value) continue;
            ASSERT_TRUE(r.inRange(r.get())) << row.key << " = " << r.get();
        }
        for (const auto& row : doubleRecordDefaults()) {
            const BoundedDouble& r = row.record(rec);
            ASSERT_TRUE(r.inRange(r.get())) << row.key;
        }
    }
};

TEST_F(BadInput, RandomAnswersOfEveryCodeKeepRecordsInRange) {
    std::mt19937 rng(12345);
    const char alphabet[] = "0123456789ABCDEF+-;? }abcXYZ\x01\xff";
    rec.ai.set(1);  // let RI through too
    std::string answer;
    for (int i = 0; i < 200000; ++i) {
        const int index = static_cast<int>(rng() % (kAnswerTableSize + 1));
        answer.assign(index == kAnswerTableSize ? "EX" : kCatTables.answer[index].code, 2);
        const int length = static_cast<int>(rng() % 40);
        for (int k = 0; k < length; ++k) answer += alphabet[rng() % (sizeof alphabet - 1)];
        window.clear();
        const auto result = handle(answer);
        if (!result.success) {
            // Only the link answers' own reactions may reach the window.
            for (const auto& m : window.posts()) {
                ASSERT_TRUE(m.id == msg::WM_COMM_FAILURE || m.id == notify::RM ||
                            m.id == notify::SM)
                    << answer << " posted " << std::hex << m.id;
            }
        }
    }
    expectAllInRange();
}

TEST_F(BadInput, OverlongAndBinaryAnswersAreHandled) {
    const std::string huge(5000, '9');
    EXPECT_FALSE(handle("FA" + huge).success);  // 99999999 Hz is above the record's max
    EXPECT_EQ(rec.fa.get(), 7000000);
    EXPECT_TRUE(handle("KM1" + std::string(600, 'A')).success);
    std::string binary(511, '\0');
    for (size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>(i * 37);
    handle(binary);
    handle(std::string_view("\0\0", 2));
    handle("E");
    handle("EX");
    expectAllInRange();
}

}  // namespace
}  // namespace velmora::test
