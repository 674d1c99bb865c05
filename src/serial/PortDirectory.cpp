#include "serial/PortDirectory.h"

#include <cctype>
#include <fstream>

#include "files/CsvTable.h"

namespace velmora {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

// A COM number cell: up to three digits between blanks; anything else is no number.
int leadingNumber(std::string_view cell) {
    cell = trimmed(cell);
    int n = 0;
    size_t digits = 0;
    while (digits < cell.size() && digits < 3 &&
           std::isdigit(static_cast<unsigned char>(cell[digits]))) {
        n = n * 10 + (cell[digits] - '0');
        ++digits;
    }
    return digits > 0 && digits == cell.size() ? n : 0;
}

}  // namespace

bool PortDirectory::loadPortMap(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    // One byte past the reader's limit is enough for it to refuse an oversized file.
    std::string bytes(CsvTable::kMaxFileBytes + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) return false;
    bytes.resize(static_cast<size_t>(in.gcount()));
    return loadPortMapBytes(bytes);
}

bool PortDirectory::loadPortMapBytes(std::string_view bytes) {
    std::string text(bytes);
    if (!text.empty() && text.back() != '\n') text += '\n';
    CsvTable table;
    if (!table.openBytes(text)) return false;
    std::array<std::string, kLastCom> paths{};
    for (uint32_t row = 0; row < table.RowCount(); ++row) {
        if (table.FieldCount() < 2) break;
        const int com = leadingNumber(table.Cell(row, 0));
        const std::string_view device = trimmed(table.Cell(row, 1));
        if (valid(com) && !device.empty()) paths[com - 1] = std::string(device);
    }
    std::lock_guard lock(mutex_);
    paths_ = std::move(paths);
    source_ = Source::PortMap;
    return true;
}

void PortDirectory::assignInOrder(const std::vector<std::string>& devices) {
    std::lock_guard lock(mutex_);
    for (size_t i = 0; i < paths_.size(); ++i) paths_[i] = i < devices.size() ? devices[i] : "";
    source_ = Source::Scan;
}

void PortDirectory::setOverride(int com, std::string path) {
    std::lock_guard lock(mutex_);
    overrideCom_ = valid(com) && !path.empty() ? com : 0;
    overridePath_ = overrideCom_ ? std::move(path) : std::string();
}

std::string PortDirectory::pathFor(int com) const {
    if (!valid(com)) return {};
    std::lock_guard lock(mutex_);
    if (com == overrideCom_) return overridePath_;
    return paths_[com - 1];
}

std::string PortDirectory::describe(int com) const {
    const std::string path = pathFor(com);
    return "COM" + std::to_string(com) + " (" + (path.empty() ? "no device" : path) + ")";
}

PortDirectory::Source PortDirectory::source() const {
    std::lock_guard lock(mutex_);
    return source_;
}

}  // namespace velmora
