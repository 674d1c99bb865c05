#pragma once
// A text record of the store (the keyer memory texts): room for 50 characters and the NUL.
// The analysis thread replaces a text while the memory window reads it; a text is many bytes, so
// it cannot be one atomic store. A small lock makes each replacement and each read whole.
#include <array>
#include <cstddef>
#include <mutex>
#include <string_view>

namespace velmora {

class BoundedText {
  public:
    static constexpr int kCapacity = 51;   // including the terminating NUL
    static constexpr int kMaxLength = 50;  // characters kept by set()

    // Copies at most kMaxLength characters of text, stopping early at a NUL.
    void set(std::string_view text);
    void clear() { set({}); }
    // Copies the text and its NUL into out; returns its length.
    size_t get(std::array<char, kCapacity>& out) const;
    // Convenience for tests and dumps.
    std::string_view copyInto(std::array<char, kCapacity>& out) const {
        return {out.data(), get(out)};
    }

  private:
    mutable std::mutex mutex_;  // guards text_
    std::array<char, kCapacity> text_{};
};

}  // namespace velmora
