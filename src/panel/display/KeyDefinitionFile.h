#pragma once
// VLMKSDEF.txt, the command lines bound to the function keys: line n of the file is what key
// slot n sends, one or more CAT commands each ended by ";". It lies in the CommoFiles folder,
// beside CommSetting.csv. Lines are cut at the line end (a CR before it is dropped too, so files
// written with CRLF read the same); a longer line keeps its first 255 characters and the rest is
// dropped with it, never carried into the next slot; lines after the 46th are not read.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "panel/display/KeySlotTable.h"

namespace velmora {

inline constexpr const char* kKeyDefinitionFile = "VLMKSDEF.txt";
inline constexpr size_t kKeyLineMax = 255;
// Paths of this length or longer are not read.
inline constexpr size_t kKeyPathMax = 260;

using KeyDefinitionLines = std::array<std::string, kKeySlotCount>;

// base/CommoFiles/VLMKSDEF.txt, with "." for an empty base, as CommSetting.csv's path is built.
std::string keyDefinitionPath(const std::string& baseDirectory);

// The slots' lines from the file's bytes; slots past the last line stay empty.
KeyDefinitionLines parseKeyDefinitions(std::string_view bytes);

// The file's lines; nothing when the path is too long or the file cannot be read.
std::optional<KeyDefinitionLines> readKeyDefinitions(const std::string& path);

}  // namespace velmora
