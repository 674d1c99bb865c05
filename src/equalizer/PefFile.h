#pragma once
// The equalizer's setting file (".pef"): exactly three lines, one per band in order, each
// "Hz,dB,BWTH" with the band's table frequency (0 for OFF). The reader is strict: every cell must
// be a whole number and nothing else (blanks around it and a CR before the line feed are
// trimmed), an empty cell is an error, and the last line may lack its line feed. A file is
// written beside its target first and then renamed over it, so a failed save keeps the old file.
#include <optional>
#include <string>
#include <string_view>

#include "equalizer/EqualizerBands.h"

namespace velmora::equalizer {

// Files larger than this are not setting files; the reader refuses them unread.
inline constexpr size_t kPefMaxBytes = 4096;

std::string formatPef(const EqualizerValues& v);
// The nine values (FREQ as table index), or nothing when the text breaks any rule.
std::optional<EqualizerValues> parsePef(std::string_view text);

struct PefReadResult {
    std::optional<EqualizerValues> values;  // set when the file was read and is valid
    std::string ioError;                    // set when the file could not be read at all
};
PefReadResult readPefFile(const std::string& path);
// Empty on success, else the reason; the file at path is then as it was.
std::string writePefFile(const std::string& path, const EqualizerValues& v);

}  // namespace velmora::equalizer
