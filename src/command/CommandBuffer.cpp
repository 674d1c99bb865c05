#include "command/CommandBuffer.h"

#include <algorithm>
#include <cstring>
#include <span>

#include "link/WriteField.h"

namespace velmora {

void CommandBuffer::begin(std::string_view code, int length) {
    bytes_.fill(0);
    length_ = 0;
    if (length < 3 || length >= kSize || code.size() < 2) return;
    length_ = length;
    bytes_[0] = static_cast<uint8_t>(code[0]);
    bytes_[1] = static_cast<uint8_t>(code[1]);
    bytes_[static_cast<size_t>(length - 1)] = ';';
}

bool CommandBuffer::beginSet(std::string_view code) {
    const CatCommandRecord* record = findSetRecord(code);
    if (!record) {
        begin({}, 0);
        return false;
    }
    begin(*record);
    return true;
}

bool CommandBuffer::beginQuery(std::string_view code) {
    const CatCommandRecord* record = findReadRecord(code);
    if (!record) {
        begin({}, 0);
        return false;
    }
    begin(*record);
    return true;
}

void CommandBuffer::text(int pos, std::string_view chars) {
    for (char c : chars) {
        if (!writable(pos)) return;
        bytes_[static_cast<size_t>(pos++)] = static_cast<uint8_t>(c);
    }
}

void CommandBuffer::field(int pos, int width, int64_t value) {
    if (width <= 0 || !writable(pos) || !writable(pos + width - 1)) return;
    auto* first = reinterpret_cast<char*>(bytes_.data()) + pos;
    WriteField(std::span<char>(first, static_cast<size_t>(width)), value);
}

void CommandBuffer::signedField(int pos, int width, int64_t value) {
    text(pos, value >= 0 ? "+" : "-");
    field(pos + 1, width, magnitude(value));
}

}  // namespace velmora
