#pragma once
// Fixed-width numbers as the radio writes and reads them in its parameter fields.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::sim {

// v (non-negative) right-aligned in width digits with leading zeros; the lowest width digits if
// it is wider.
std::string digits(int64_t v, int width);
// One upper-case hexadecimal digit for 0-15.
char hexDigit(int v);

// A field of decimal digits only; nothing for an empty field or any other character.
std::optional<int64_t> parseDigits(std::string_view field);
// One hexadecimal digit ("0"-"9", "A"-"F").
std::optional<int> parseHexDigit(char c);
// A sign "+" or "-" followed by decimal digits.
std::optional<int64_t> parseSigned(std::string_view field);

}  // namespace velmora::sim
