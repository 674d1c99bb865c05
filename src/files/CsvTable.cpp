#include "files/CsvTable.h"

#include <algorithm>
#include <cstdio>
#include <memory>

namespace velmora {

namespace {

bool isLeadByte(uint8_t b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
bool isTrailByte(uint8_t b) {
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

// The bytes as a text-mode stream delivers them: a CR directly before a LF is dropped.
class TextStream {
  public:
    explicit TextStream(std::string_view bytes) : bytes_(bytes) {}

    int get() {
        const int c = peek();
        if (c == '\n' && bytes_[pos_] == '\r') ++pos_;
        if (c >= 0) ++pos_;
        return c;
    }
    int peek() const {
        if (pos_ >= bytes_.size()) return -1;
        const auto c = static_cast<uint8_t>(bytes_[pos_]);
        if (c == '\r' && pos_ + 1 < bytes_.size() && bytes_[pos_ + 1] == '\n') return '\n';
        return c;
    }

  private:
    std::string_view bytes_;
    size_t pos_ = 0;
};

// Runs the reading rules over the bytes and tells the sink what they mean: character(c, n)
// with n the characters already kept in this field, endField(), endRow(), and endOfInput(n) with
// the characters of the field that the end of the input cuts off. Both passes share this, so
// the copying pass can never find more than the measuring pass made room for.
template <typename Sink>
void scanCsv(std::string_view bytes, Sink& sink) {
    TextStream in(bytes);
    bool inQuotes = false;
    size_t fieldLength = 0;
    for (int c = in.get(); c >= 0; c = in.get()) {
        const auto b = static_cast<uint8_t>(c);
        if (isLeadByte(b)) {
            const int next = in.peek();
            if (next >= 0 && isTrailByte(static_cast<uint8_t>(next))) in.get();
            continue;
        }
        if (b == '"') {
            const bool opensField = !inQuotes && fieldLength == 0;
            const bool closes = inQuotes;
            inQuotes = !inQuotes;
            if (opensField || closes) continue;
        } else if (!inQuotes && b == ',') {
            sink.endField();
            fieldLength = 0;
            continue;
        } else if (!inQuotes && b == '\n') {
            sink.endRow();
            fieldLength = 0;
            continue;
        }
        sink.character(static_cast<char>(b), fieldLength);
        ++fieldLength;
    }
    sink.endOfInput(fieldLength);
}

struct Measure {
    uint64_t rows = 0;
    uint64_t fields = 0;
    uint64_t longest = 0;
    uint64_t fieldIndex = 0;

    void character(char, size_t kept) { longest = std::max<uint64_t>(longest, kept + 1); }
    void endField() {
        ++fieldIndex;
        fields = std::max(fields, fieldIndex + 1);
    }
    void endRow() {
        fields = std::max(fields, fieldIndex + 1);
        ++rows;
        fieldIndex = 0;
    }
    // The end of the input counts as one character of the field it ends.
    void endOfInput(size_t kept) { longest = std::max<uint64_t>(longest, kept + 1); }
    uint64_t cellSize() const { return longest + 1; }
};

struct Copy {
    char* cells;
    uint64_t rows, fields, cellSize;
    uint64_t row = 0, field = 0;

    void character(char c, size_t kept) {
        // Zero-filled cells keep their NUL: only the room before the last byte is written.
        if (row < rows && field < fields && kept + 1 < cellSize) {
            cells[(row * fields + field) * cellSize + kept] = c;
        }
    }
    void endField() { ++field; }
    void endRow() {
        ++row;
        field = 0;
    }
    void endOfInput(size_t) {}
};

// Reads at most limit + 1 bytes, enough to tell a file over the limit.
bool readFile(const std::string& path, size_t limit, std::string& out) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) return false;
    char chunk[4096];
    size_t n = 0;
    while (out.size() <= limit && (n = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) {
        out.append(chunk, std::min(n, limit + 1 - out.size()));
    }
    return !std::ferror(file.get());
}

}  // namespace

bool CsvTable::Open(const std::string& path) {
    if (!isEmpty()) {
        lastError_ = CsvError::NotEmpty;
        return false;
    }
    std::string bytes;
    if (!readFile(path, kMaxFileBytes, bytes)) {
        lastError_ = CsvError::CannotOpen;
        return false;
    }
    return load(bytes);
}

bool CsvTable::openBytes(std::string_view bytes) {
    if (!isEmpty()) {
        lastError_ = CsvError::NotEmpty;
        return false;
    }
    return load(bytes);
}

bool CsvTable::load(std::string_view bytes) {
    if (bytes.size() > kMaxFileBytes) {
        lastError_ = CsvError::TooLarge;
        return false;
    }
    Measure m;
    scanCsv(bytes, m);
    // Each count is at most about 2^20 here, so the product cannot overflow 64 bits.
    const uint64_t tableBytes = m.rows * m.fields * m.cellSize();
    if (tableBytes > kMaxTableBytes) {
        lastError_ = CsvError::TooLarge;
        return false;
    }
    rows_ = static_cast<uint32_t>(m.rows);
    fields_ = static_cast<uint32_t>(m.fields);
    cellSize_ = static_cast<uint32_t>(m.cellSize());
    cells_.assign(tableBytes, '\0');
    copyCells(bytes);
    loaded_ = true;
    lastError_ = CsvError::None;
    return true;
}

void CsvTable::copyCells(std::string_view bytes) {
    Copy c{cells_.data(), rows_, fields_, cellSize_};
    scanCsv(bytes, c);
}

void CsvTable::Release() {
    rows_ = fields_ = cellSize_ = 0;
    cells_.clear();
    cells_.shrink_to_fit();
    loaded_ = false;
}

const char* CsvTable::Cell(uint32_t row, uint32_t field) const {
    if (row >= rows_ || field >= fields_) return nullptr;
    return cells_.data() + (static_cast<size_t>(row) * fields_ + field) * cellSize_;
}

}  // namespace velmora
