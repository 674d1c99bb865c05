// CsvTable fed arbitrary file contents: it must never crash, and every cell it hands out must be
// a terminated text that fits the room the measuring pass made for it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "files/CsvTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    velmora::CsvTable table;
    if (!table.openBytes(std::string_view(reinterpret_cast<const char*>(data), size))) {
        if (table.lastError() != velmora::CsvError::TooLarge) std::abort();
        if (table.RowCount() != 0 || table.Cell(0, 0) != nullptr) std::abort();
        return 0;
    }
    const uint32_t rows = table.RowCount(), fields = table.FieldCount();
    if (rows > 0 && table.cellSize() < 2) std::abort();
    for (uint32_t r = 0; r < rows; ++r) {
        for (uint32_t f = 0; f < fields; ++f) {
            const char* cell = table.Cell(r, f);
            if (cell == nullptr) std::abort();
            if (::strnlen(cell, table.cellSize()) >= table.cellSize()) std::abort();
        }
    }
    if (table.Cell(rows, 0) != nullptr || table.Cell(0, fields) != nullptr) std::abort();
    // Opening again without Release must be refused and leave the table as it was.
    if (table.openBytes("x\n") || table.RowCount() != rows) std::abort();
    return 0;
}
