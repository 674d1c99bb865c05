#include "link/BoundedText.h"

#include <algorithm>
#include <cstring>

namespace velmora {

void BoundedText::set(std::string_view text) {
    const size_t n = std::min(text.size(), static_cast<size_t>(kMaxLength));
    const size_t len = std::find(text.begin(), text.begin() + n, '\0') - text.begin();
    std::lock_guard lock(mutex_);
    text_.fill('\0');
    if (len > 0) std::memcpy(text_.data(), text.data(), len);
}

size_t BoundedText::get(std::array<char, kCapacity>& out) const {
    std::lock_guard lock(mutex_);
    out = text_;
    return std::strlen(out.data());
}

}  // namespace velmora
