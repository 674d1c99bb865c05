#pragma once
// The CAT vocabulary: the set, read and answer tables. Each record names a two-letter code, a
// second word (set table: 0; read table: the read kind; answer table: the notification id posted
// after a successful analysis) and the full length of the command or answer, ";" included.
#include <array>
#include <cstdint>
#include <string_view>

#include "link/AnswerRows.h"

namespace velmora {

struct CatCommandRecord {
    char code[4];    // two letters, then two NUL bytes
    int32_t second;  // see above
    int32_t length;  // letters, parameters and ";"
};
static_assert(sizeof(CatCommandRecord) == 12, "records are 12 bytes, packed");

// The first two characters of a command or answer as one 16-bit value, first letter low.
constexpr uint16_t codeKey(char first, char second) {
    return static_cast<uint16_t>(static_cast<uint8_t>(first) | (static_cast<uint8_t>(second) << 8));
}
constexpr uint16_t codeKey(const CatCommandRecord& r) {
    return codeKey(r.code[0], r.code[1]);
}

enum ReadKind : int32_t {
    kReadPlain = 0,          // "RT;"
    kReadSelector = 1,       // "XX0;" (no record of the read table uses it)
    kReadBothReceivers = 2,  // "BC0;", 25 ms later "BC1;"
    kReadEnumerated = 3,     // selectors enumerated per code by the initial read
};

inline constexpr int kSetTableSize = 89;
inline constexpr int kReadTableSize = 76;
inline constexpr int kAnswerTableSize = 78;

// The three tables as one block, in the order the program keeps them: the answer table is
// followed by a zero word and by the record of the menu answer EX, which is in none of them.
struct CatTables {
    std::array<CatCommandRecord, kSetTableSize> set;
    std::array<CatCommandRecord, kReadTableSize> read;
    std::array<CatCommandRecord, kAnswerTableSize> answer;
    int32_t zeroWord;
    CatCommandRecord exAnswer;  // {"EX", notify::EX}; its length comes from the menu definitions
};

extern const CatTables kCatTables;

// The position of each answer in the answer table: answer::FA.
namespace answer {
#define VELMORA_ANSWER_INDEX(code, id, length) code,
enum Index : int { VELMORA_ANSWER_ROWS(VELMORA_ANSWER_INDEX) };
#undef VELMORA_ANSWER_INDEX
}  // namespace answer

// Position in the answer table of the record whose code equals the first two characters of
// text, or -1. The search runs in table order and stops at the end of the array.
int findAnswerIndex(char first, char second);
// The set-table or read-table record for a code, or nullptr.
const CatCommandRecord* findSetRecord(std::string_view code);
const CatCommandRecord* findReadRecord(std::string_view code);
int findReadIndex(std::string_view code);

}  // namespace velmora
