#pragma once
// The fine offset bar: 21 one-pixel marks under the clarifier digits showing the clarifier offset
// as a bar from the centre mark, 100 Hz a mark, the end marks standing for anything beyond, with
// "-" and "+" at its ends. While the radio reports its level indicator instead (BG's third
// record set, its second -1), the bar shows that level (0..11) from the left end, unsigned.
#include <array>
#include <cstdint>

#include "panel/display/DisplayContext.h"

namespace velmora {

inline constexpr int kOffsetMarks = 21, kOffsetRows = 21;
inline constexpr int kOffsetCentreRow = 10;
inline constexpr double kHzPerMark = 100;
inline constexpr int kLevelRows = 12;

enum class OffsetTable { Offset, Level };

// The row of the pattern table for an offset in Hz: the centre row for 0, one row per 100 Hz
// (truncated toward zero), the end rows for ±1000 Hz and beyond.
int offsetRow(double offsetHz);
// The state (0 off, 1 lit, 2 the centre mark) of mark k in row of table; -1 outside the table.
int offsetMarkState(int row, int mark, OffsetTable table = OffsetTable::Offset);
// Draws the bar for the store: the level indicator's row while BG reports one, else the
// clarifier offset's, then the end signs, shown for the offset only. A draw touches only the marks
// and signs whose state changed since the last; forget() makes the next draw complete (after the
// panel under it was wiped).
class FineOffsetBar {
  public:
    FineOffsetBar() { forget(); }

    void draw(const DisplayContext& ctx);
    // Draws the marks of row that changed; a row outside the table draws nothing.
    void drawRow(const DisplayContext& ctx, int row, OffsetTable table = OffsetTable::Offset);
    void forget();

  private:
    void drawSigns(const DisplayContext& ctx, bool shown);

    std::array<int, kOffsetMarks> shown_{};
    int signsShown_ = -1;  // -1 unknown, 0 blank, 1 shown
};

}  // namespace velmora
