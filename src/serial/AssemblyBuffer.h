#pragma once
// The receive thread's 2048 bytes of received bytes not yet handed on. The valid bytes sit at
// the front; every free byte holds 0xFF. Dropping bytes moves the rest to the front and fills
// the freed tail with 0xFF again. The noise skips live here because they only look at the bytes.
#include <array>
#include <cstddef>
#include <cstdint>

namespace velmora {

class AssemblyBuffer {
  public:
    static constexpr size_t kSize = 2048;
    static constexpr uint8_t kFreeByte = 0xFF;

    AssemblyBuffer() { bytes_.fill(kFreeByte); }

    const uint8_t* data() const { return bytes_.data(); }
    size_t fill() const { return fill_; }
    size_t freeSpace() const { return kSize - fill_; }
    bool empty() const { return fill_ == 0; }
    uint8_t operator[](size_t pos) const { return bytes_[pos]; }

    // Where the next received bytes go (freeSpace() bytes of room), and how many went there.
    uint8_t* tail() { return bytes_.data() + fill_; }
    void commit(size_t n);

    // Drops the first n bytes (all of them when n >= fill).
    void drop(size_t n);
    void clear() { drop(kSize); }

    // Each returns the number of bytes it dropped.
    //
    // After a framing error or a break: drops the bytes before the first one that can occur in
    // an answer ("A"-"Z", "0"-"9", "?", "+", "-", ";"); empties the buffer when there is none.
    size_t skipLineNoise();
    // When the front is no answer: drops through the first byte that cannot belong to one -
    // a byte other than "A"-"Z" in the code's two places, from then on NUL, 0xFF, a control
    // byte, or a byte above 0x5F other than "}". Drops nothing when there is no such byte.
    size_t skipUnrecognisedFront();
    // Drops through the first ";"; empties the buffer when there is none.
    size_t skipThroughTerminator();
    bool holdsTerminator() const;

  private:
    std::array<uint8_t, kSize> bytes_;
    size_t fill_ = 0;
};

}  // namespace velmora
