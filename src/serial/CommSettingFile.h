#pragma once
// CommoFiles/CommSetting.csv: "COM number,baud rate,reserved" on one line. Reading takes the
// first three cells of the table in reading order (row by row, left to right), each as a
// leading decimal integer; writing prints the one line "%d,%d,%d\n".
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace velmora {

inline constexpr const char* kCommoFolder = "CommoFiles";
inline constexpr const char* kCommSettingFile = "CommSetting.csv";
// Paths of this length or longer are refused, as the system always has.
inline constexpr size_t kMaxPath = 260;

// The leading decimal integer of text: blanks, an optional sign, digits; 0 when there is no
// number. Values beyond 32 bits are held at the nearest limit.
int32_t leadingInteger(const char* text);

// base/CommoFiles and base/CommoFiles/CommSetting.csv.
std::string commoFolderPath(const std::string& baseDirectory);
std::string commSettingPath(const std::string& baseDirectory);

// The first three cells of the file, each missing when the file has fewer; nothing when the
// file cannot be read, is over the reader's limit, is not text, does not begin with a number,
// or its path is too long.
using CommSettingCells = std::array<std::optional<int32_t>, 3>;
std::optional<CommSettingCells> readCommSetting(const std::string& baseDirectory);

// Whether the file is there (or cannot even be looked for), readable or not.
bool commSettingExists(const std::string& baseDirectory);

// Renames the file to CommSetting.csv.bad, or .bad.2, .bad.3 ... when that name is taken (an
// earlier file set aside is the operator's too). The new path, or nothing when it cannot be moved.
std::optional<std::string> setCommSettingAside(const std::string& baseDirectory);

// Creates CommoFiles when missing and writes the one line. False when the path is too long or
// the file cannot be written completely.
bool writeCommSetting(const std::string& baseDirectory, int32_t com, int32_t baud,
                      int32_t reserved);

}  // namespace velmora
