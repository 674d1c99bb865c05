#pragma once
// The commands sent from Command Send in this run, newest first, each once: the window offers
// them for sending again. GUI thread only.
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

class CommandHistory {
  public:
    static constexpr size_t kMaxEntries = 30;

    // Puts text first; an older copy of it goes, and the oldest beyond kMaxEntries.
    void add(std::string_view text);
    const std::vector<std::string>& entries() const { return entries_; }

  private:
    std::vector<std::string> entries_;
};

}  // namespace velmora
