#include "equalizer/PefFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

namespace velmora::equalizer {

namespace {

constexpr size_t kMaxDigits = 6;

std::string_view trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> split(std::string_view s, char separator) {
    std::vector<std::string_view> out;
    for (size_t at = 0;;) {
        const size_t end = s.find(separator, at);
        out.push_back(s.substr(at, end == std::string_view::npos ? end : end - at));
        if (end == std::string_view::npos) return out;
        at = end + 1;
    }
}

std::optional<int32_t> wholeNumber(std::string_view cell) {
    cell = trim(cell);
    bool negative = false;
    if (!cell.empty() && (cell.front() == '-' || cell.front() == '+')) {
        negative = cell.front() == '-';
        cell.remove_prefix(1);
    }
    if (cell.empty() || cell.size() > kMaxDigits) return std::nullopt;
    int32_t v = 0;
    for (const char c : cell) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return negative ? -v : v;
}

std::optional<int32_t> frequencyIndex(int band, int32_t hz) {
    const auto table = bandFrequencies(band);
    const auto at = std::find(table.begin(), table.end(), hz);
    if (at == table.end()) return std::nullopt;
    return static_cast<int32_t>(at - table.begin());
}

bool parseLine(int band, std::string_view line, EqualizerValues& out) {
    const auto cells = split(line, ',');
    if (cells.size() != 3) return false;
    const auto hz = wholeNumber(cells[0]);
    const auto level = wholeNumber(cells[1]);
    const auto width = wholeNumber(cells[2]);
    if (!hz || !level || !width) return false;
    const auto index = frequencyIndex(band, *hz);
    if (!index) return false;
    const int p = paramIndex(band, Param::Freq);
    out[static_cast<size_t>(p)] = *index;
    out[static_cast<size_t>(p + 1)] = *level;
    out[static_cast<size_t>(p + 2)] = *width;
    return valueInRange(p + 1, *level) && valueInRange(p + 2, *width);
}

}  // namespace

std::string formatPef(const EqualizerValues& v) {
    std::string out;
    for (int band = 1; band <= kBandCount; ++band) {
        const int p = paramIndex(band, Param::Freq);
        const int32_t index = v[static_cast<size_t>(p)];
        out += std::to_string(bandFrequencies(band)[static_cast<size_t>(index)]) + "," +
               std::to_string(v[static_cast<size_t>(p + 1)]) + "," +
               std::to_string(v[static_cast<size_t>(p + 2)]) + "\n";
    }
    return out;
}

std::optional<EqualizerValues> parsePef(std::string_view text) {
    // The line feed ends a line; a text that ends with one has no line after it.
    if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
    const auto lines = split(text, '\n');
    if (lines.size() != kBandCount) return std::nullopt;
    EqualizerValues v{};
    for (int band = 1; band <= kBandCount; ++band) {
        if (!parseLine(band, lines[static_cast<size_t>(band - 1)], v)) return std::nullopt;
    }
    return v;
}

PefReadResult readPefFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {std::nullopt, std::strerror(errno)};
    std::string text;
    text.resize(kPefMaxBytes + 1);
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad()) return {std::nullopt, "read error"};
    text.resize(static_cast<size_t>(in.gcount()));
    if (text.size() > kPefMaxBytes) return {};
    return {parsePef(text), {}};
}

std::string writePefFile(const std::string& path, const EqualizerValues& v) {
    if (!allInRange(v)) return "values out of range";
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return std::strerror(errno);
        const std::string text = formatPef(v);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.flush();
        if (!out) {
            const std::string reason = std::strerror(errno);
            out.close();
            std::remove(temporary.c_str());
            return reason;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::remove(temporary.c_str());
        return ec.message();
    }
    return {};
}

}  // namespace velmora::equalizer
