#pragma once
// How long the answer at the front of the receive buffer is, decided from its first bytes, and
// whether it is complete and well formed.
#include <cstddef>
#include <cstdint>

namespace velmora {

class MenuTable;

struct AnswerLength {
    bool recognised = false;
    int length = 0;     // expected length, ";" included
    uint16_t code = 0;  // codeKey of the answer's first two characters
};

// The longest span searched for the ";" of an answer whose code is in no table.
inline constexpr int kUnknownAnswerScan = 2048;

// buf holds fill bytes. Bytes beyond fill count as NUL, so an answer whose deciding bytes have
// not arrived yet is not recognised until they do.
AnswerLength determineAnswerLength(const uint8_t* buf, size_t fill, const MenuTable& menus);

// Once the expected length is known and buffered: the answer is well formed only when its last
// byte is ";".
inline bool answerComplete(const uint8_t* buf, size_t fill, int length) {
    return length > 0 && fill >= static_cast<size_t>(length) && buf[length - 1] == ';';
}

}  // namespace velmora
