#include "panel/display/FineOffsetBar.h"

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

constexpr int kStates = 3;

// clang-format off
// One row per offset from -1000 Hz (row 0) to +1000 Hz (row 20), one mark per 100 Hz: the centre
// mark (2) always shows, the marks between it and the offset are lit (1).
constexpr const char* kPattern[kOffsetRows] = {
    "111111111120000000000",  // -1000 Hz and below
    "011111111120000000000",
    "001111111120000000000",
    "000111111120000000000",
    "000011111120000000000",
    "000001111120000000000",
    "000000111120000000000",
    "000000011120000000000",
    "000000001120000000000",
    "000000000120000000000",  // -100 Hz
    "000000000020000000000",  // 0
    "000000000021000000000",  // +100 Hz
    "000000000021100000000",
    "000000000021110000000",
    "000000000021111000000",
    "000000000021111100000",
    "000000000021111110000",
    "000000000021111111000",
    "000000000021111111100",
    "000000000021111111110",
    "000000000021111111111",  // +1000 Hz and above
};
// clang-format on

}  // namespace

int offsetRow(double offsetHz) {
    if (!std::isfinite(offsetHz)) return kOffsetCentreRow;
    const double marks = std::clamp(std::trunc(offsetHz / kHzPerMark), -10.0, 10.0);
    return kOffsetCentreRow + static_cast<int>(marks);
}

int offsetMarkState(int row, int mark) {
    if (row < 0 || row >= kOffsetRows || mark < 0 || mark >= kOffsetMarks) return -1;
    return kPattern[row][mark] - '0';
}

void DrawFineOffsetRow(const DisplayContext& ctx, int row) {
    if (row < 0 || row >= kOffsetRows) return;
    for (int k = 0; k < kOffsetMarks; ++k)
        ctx.draw(PanelElement::FineOffsetBar, k * kStates + offsetMarkState(row, k));
}

void DrawFineOffsetBar(const DisplayContext& ctx) {
    DrawFineOffsetRow(ctx, offsetRow(ctx.store.records.ifStatus.clarifierOffset.get()));
}

}  // namespace velmora
