#pragma once
// The numeric field rule of every command the program builds: a fixed-width field of decimal
// digits, zero-filled from the left.
#include <cstdint>
#include <span>
#include <string>

namespace velmora {

// Fills the field with '0', then prints value so that its last digit lands on the field's last
// character. A value that needs more digits than the field has, or a negative one, leaves the
// field all '0' (signed fields write their sign at a position of their own).
void WriteField(std::span<char> field, int64_t value);

// The same field as a text of width characters.
std::string fieldText(int width, int64_t value);

// Prints value right-aligned over the field without clearing it first; false (and nothing
// written) when value is negative or does not fit.
bool overwriteDigits(std::span<char> field, int64_t value);

}  // namespace velmora
