#pragma once
// The CTCSS tone list (dialog 899): the 50 tones in a grid of ten rows and five columns, filled
// column by column so that each row reads in ascending order; its entries are the frequency
// texts right-aligned in 7 characters ("  100.0"). The list opens on the stored tone.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace velmora {

struct ToneEntry {
    int32_t tone;      // 0..49
    std::string text;  // "   67.0"
};

class ToneList {
  public:
    static constexpr int kRows = 10;
    static constexpr int kColumns = 5;

    // Entries in list order (column by column).
    static const std::array<ToneEntry, kRows * kColumns>& entries();
    // The list position of a tone number, nullopt when it names no tone.
    static std::optional<int> indexOf(int32_t tone);

    explicit ToneList(int32_t storedTone) : selected_(indexOf(storedTone)) {}
    std::optional<int> selected() const { return selected_; }
    void select(int index);
    // The tone OK sends, nullopt when nothing is selected.
    std::optional<int32_t> chosenTone() const;

  private:
    std::optional<int> selected_;
};

}  // namespace velmora
