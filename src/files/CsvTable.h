#pragma once
// A small comma-separated file read into a rows x fields table of NUL-terminated text cells,
// in two passes: the first measures rows, the widest row and the longest field, the second
// copies the characters into a table of exactly that size. CommSetting.csv and the equalizer
// files are read through it.
//
// Reading rules, the same in both passes:
//  - a double-byte character (lead 0x81-0x9F or 0xE0-0xFC, then 0x40-0xFC except 0x7F) is
//    skipped whole; a lead byte without a valid second byte is skipped alone;
//  - a double quote toggles quoting; one that opens a field or closes a quoted part is not kept,
//    one in the middle of an unquoted field is kept; inside quotes commas and line feeds are
//    part of the field;
//  - outside quotes a comma ends the field and a line feed ends the row; a CR directly before a
//    line feed is dropped, as a text-mode stream does, any other CR is an ordinary character;
//  - a last line without a line feed is no row.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

enum class CsvError {
    None,
    NotEmpty,    // Open on a table that holds a file: Release it first
    CannotOpen,  // the file cannot be opened or read
    TooLarge,    // the file or the table it would need is beyond the limits below
};

class CsvTable {
  public:
    // Our files are a few hundred bytes; anything beyond these is not one of them and is refused
    // before a large allocation is made.
    static constexpr size_t kMaxFileBytes = size_t{1} << 20;    // 1 MiB read at most
    static constexpr size_t kMaxTableBytes = size_t{16} << 20;  // rows x fields x cellSize

    CsvTable() = default;

    // Reads the file at path. False if the table is not empty, the file cannot be read, or it is
    // too large; the table stays empty then. An empty file opens with no rows.
    bool Open(const std::string& path);
    // The same on the bytes of a file already in memory.
    bool openBytes(std::string_view bytes);
    // Empties the table so that it can be opened again.
    void Release();

    uint32_t RowCount() const { return rows_; }
    uint32_t FieldCount() const { return fields_; }
    // Room per cell, terminating NUL included.
    uint32_t cellSize() const { return cellSize_; }
    // The text of a cell, or null when row or field lies beyond the counts. Fields missing from
    // a shorter row are empty text.
    const char* Cell(uint32_t row, uint32_t field) const;

    // Why the last Open or openBytes failed.
    CsvError lastError() const { return lastError_; }

  private:
    bool isEmpty() const { return !loaded_ && rows_ == 0 && fields_ == 0 && cellSize_ == 0; }
    bool load(std::string_view bytes);
    void copyCells(std::string_view bytes);

    uint32_t rows_ = 0;
    uint32_t fields_ = 0;
    uint32_t cellSize_ = 0;
    std::vector<char> cells_;  // rows_ x fields_ cells of cellSize_ chars, row by row
    bool loaded_ = false;      // a file was read (possibly with no rows) and not yet released
    CsvError lastError_ = CsvError::None;
};

}  // namespace velmora
