#include "windows/CommandHistory.h"

#include <algorithm>

namespace velmora {

void CommandHistory::add(std::string_view text) {
    std::erase(entries_, text);
    entries_.insert(entries_.begin(), std::string(text));
    if (entries_.size() > kMaxEntries) entries_.resize(kMaxEntries);
}

}  // namespace velmora
