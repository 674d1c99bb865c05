#include "serial/CommSettingFile.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string_view>
#include <system_error>

#include "files/CsvTable.h"

namespace velmora {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool startsWithInteger(const char* text) {
    if (!text) return false;
    while (isBlank(*text)) ++text;
    if (*text == '+' || *text == '-') ++text;
    return *text >= '0' && *text <= '9';
}

// No byte a text editor would not write: a binary file is not a settings file.
bool looksLikeText(std::string_view bytes) {
    return std::none_of(bytes.begin(), bytes.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b < 0x20 && !isBlank(c);
    });
}

// The file, or false when it cannot be read or is over the reader's limit.
bool readSmallFile(const std::string& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    out.assign(CsvTable::kMaxFileBytes + 1, '\0');
    in.read(out.data(), static_cast<std::streamsize>(out.size()));
    if (in.bad()) return false;
    out.resize(static_cast<size_t>(in.gcount()));
    return out.size() <= CsvTable::kMaxFileBytes;
}

}  // namespace

int32_t leadingInteger(const char* text) {
    if (!text) return 0;
    while (isBlank(*text)) ++text;
    bool negative = false;
    if (*text == '+' || *text == '-') negative = *text++ == '-';
    constexpr int64_t kLow = std::numeric_limits<int32_t>::min();
    constexpr int64_t kHigh = std::numeric_limits<int32_t>::max();
    int64_t value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        value = value * 10 + (*text - '0');
        if (value > kHigh + 1) value = kHigh + 1;  // held at the limit; more digits change nothing
    }
    if (negative) return static_cast<int32_t>(-value < kLow ? kLow : -value);
    return static_cast<int32_t>(value > kHigh ? kHigh : value);
}

std::string commoFolderPath(const std::string& baseDirectory) {
    return (std::filesystem::path(baseDirectory.empty() ? "." : baseDirectory) / kCommoFolder)
        .string();
}

std::string commSettingPath(const std::string& baseDirectory) {
    return (std::filesystem::path(commoFolderPath(baseDirectory)) / kCommSettingFile).string();
}

std::optional<CommSettingCells> readCommSetting(const std::string& baseDirectory) {
    const std::string path = commSettingPath(baseDirectory);
    if (path.size() >= kMaxPath) return std::nullopt;
    std::string bytes;
    if (!readSmallFile(path, bytes)) return std::nullopt;
    // A last line without its line feed, as an editor may leave it, is a line like the others.
    if (!bytes.empty() && bytes.back() != '\n') bytes += '\n';
    CsvTable table;
    if (!looksLikeText(bytes) || !table.openBytes(bytes)) return std::nullopt;
    CommSettingCells cells;
    size_t taken = 0;
    for (uint32_t row = 0; row < table.RowCount() && taken < cells.size(); ++row) {
        for (uint32_t field = 0; field < table.FieldCount() && taken < cells.size(); ++field) {
            cells[taken++] = leadingInteger(table.Cell(row, field));
        }
    }
    // Words where the COM number belongs: not a settings line, whatever else the file holds.
    if (table.RowCount() > 0 && !startsWithInteger(table.Cell(0, 0))) return std::nullopt;
    return cells;
}

bool commSettingExists(const std::string& baseDirectory) {
    std::error_code ec;
    return std::filesystem::exists(commSettingPath(baseDirectory), ec) || ec;
}

std::optional<std::string> setCommSettingAside(const std::string& baseDirectory) {
    constexpr int kMaxSetAside = 99;
    const std::string path = commSettingPath(baseDirectory);
    for (int n = 1; n <= kMaxSetAside; ++n) {
        const std::string aside = path + ".bad" + (n == 1 ? "" : "." + std::to_string(n));
        std::error_code ec;
        if (std::filesystem::exists(aside, ec) || ec) continue;
        std::filesystem::rename(path, aside, ec);
        if (ec) return std::nullopt;
        return aside;
    }
    return std::nullopt;
}

bool writeCommSetting(const std::string& baseDirectory, int32_t com, int32_t baud,
                      int32_t reserved) {
    const std::string path = commSettingPath(baseDirectory);
    if (path.size() >= kMaxPath) return false;
    std::error_code ignored;  // a folder that cannot be made shows as a file that cannot be opened
    std::filesystem::create_directories(commoFolderPath(baseDirectory), ignored);
    // The line goes to a file beside it that then takes the old one's place, so a write that
    // fails half-way (a full disk) leaves the old settings as they were.
    const std::string fresh = path + ".new";
    std::FILE* file = std::fopen(fresh.c_str(), "w");
    if (!file) return false;
    const bool written = std::fprintf(file, "%d,%d,%d\n", com, baud, reserved) > 0;
    const bool flushed = std::ferror(file) == 0;
    // A full disk shows only when the buffered line is flushed on close.
    const bool closed = std::fclose(file) == 0;
    if (!(written && flushed && closed)) {
        std::remove(fresh.c_str());
        return false;
    }
    std::filesystem::rename(fresh, path, ignored);
    if (ignored) std::remove(fresh.c_str());
    return !ignored;
}

}  // namespace velmora
