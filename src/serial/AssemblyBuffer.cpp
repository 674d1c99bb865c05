#include "serial/AssemblyBuffer.h"

#include <algorithm>
#include <cstring>

namespace velmora {

namespace {

bool isUpper(uint8_t c) {
    return c >= 'A' && c <= 'Z';
}

bool canStartAfterNoise(uint8_t c) {
    return isUpper(c) || (c >= '0' && c <= '9') || c == '?' || c == '+' || c == '-' || c == ';';
}

bool badAt(size_t pos, uint8_t c) {
    if (pos < 2) return !isUpper(c);
    return c == 0 || c == 0xFF || c < 0x20 || (c > 0x5F && c != '}');
}

}  // namespace

void AssemblyBuffer::commit(size_t n) {
    fill_ = std::min(kSize, fill_ + n);
}

void AssemblyBuffer::drop(size_t n) {
    n = std::min(n, fill_);
    if (n == 0) return;
    const size_t rest = fill_ - n;
    std::memmove(bytes_.data(), bytes_.data() + n, rest);
    std::memset(bytes_.data() + rest, kFreeByte, n);
    fill_ = rest;
}

size_t AssemblyBuffer::skipLineNoise() {
    const size_t before = fill_;
    for (size_t pos = 0; pos < fill_; ++pos) {
        if (canStartAfterNoise(bytes_[pos])) {
            drop(pos);
            return pos;
        }
    }
    clear();
    return before;
}

size_t AssemblyBuffer::skipUnrecognisedFront() {
    for (size_t pos = 0; pos < fill_; ++pos) {
        if (badAt(pos, bytes_[pos])) {
            drop(pos + 1);
            return pos + 1;
        }
    }
    return 0;
}

size_t AssemblyBuffer::skipThroughTerminator() {
    const size_t before = fill_;
    const uint8_t* begin = bytes_.data();
    const uint8_t* end = begin + fill_;
    const uint8_t* semi = std::find(begin, end, static_cast<uint8_t>(';'));
    if (semi == end) {
        clear();
        return before;
    }
    const size_t n = static_cast<size_t>(semi - begin) + 1;
    drop(n);
    return n;
}

bool AssemblyBuffer::holdsTerminator() const {
    const uint8_t* end = bytes_.data() + fill_;
    return std::find(bytes_.data(), end, static_cast<uint8_t>(';')) != end;
}

}  // namespace velmora
