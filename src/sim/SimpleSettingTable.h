#pragma once
// The radio's plain settings: one number per code (or per receiver or selector), answered and set
// as the code, an optional selector digit, the number in a fixed-width field and ";".
#include <array>
#include <string_view>

namespace velmora::sim {

struct SimpleSetting {
    char code[3];
    int selectors;                         // 0: no selector digit; n: selector digits "0" to n-1
    int width;                             // characters of the value field
    bool hex;                              // a single hexadecimal digit instead of decimal digits
    bool settable;                         // the radio accepts the set form (else only queries)
    std::array<int, 2> min, max, initial;  // per selector ("0" main, "1" sub)
};

// Row index of a code, or -1.
int findSimpleSetting(std::string_view code);
const SimpleSetting& simpleSetting(int row);
int simpleSettingCount();

}  // namespace velmora::sim
