#include "panel/display/FineOffsetBar.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "panel/display/PictureCatalogue.h"

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

// The level indicator: row r lights the marks from the left end up to r elevenths of the bar.
constexpr const char* kLevelPattern[kLevelRows] = {
    "000000000000000000000",
    "110000000000000000000",
    "111100000000000000000",
    "111111000000000000000",
    "111111110000000000000",
    "111111111100000000000",
    "111111111110000000000",
    "111111111111100000000",
    "111111111111111000000",
    "111111111111111110000",
    "111111111111111111100",
    "111111111111111111111",
};
// clang-format on

// The end signs beside the bar: "-" left of its first mark, "+" right of its last.
constexpr int32_t kMinusPicture = 1198, kPlusPicture = 1199;
constexpr PanelRect kMinusAt{528, 92, 5, 7}, kPlusAt{578, 92, 5, 7};

int rowsOf(OffsetTable table) {
    return table == OffsetTable::Level ? kLevelRows : kOffsetRows;
}

}  // namespace

int offsetRow(double offsetHz) {
    if (!std::isfinite(offsetHz)) return kOffsetCentreRow;
    const double marks = std::clamp(std::trunc(offsetHz / kHzPerMark), -10.0, 10.0);
    return kOffsetCentreRow + static_cast<int>(marks);
}

int offsetMarkState(int row, int mark, OffsetTable table) {
    if (row < 0 || row >= rowsOf(table) || mark < 0 || mark >= kOffsetMarks) return -1;
    const char* const* pattern = table == OffsetTable::Level ? kLevelPattern : kPattern;
    return pattern[row][mark] - '0';
}

void FineOffsetBar::drawRow(const DisplayContext& ctx, int row, OffsetTable table) {
    if (row < 0 || row >= rowsOf(table)) return;
    for (int k = 0; k < kOffsetMarks; ++k) {
        const int state = offsetMarkState(row, k, table);
        int& shown = shown_[static_cast<size_t>(k)];
        if (shown == state) continue;
        shown = state;
        ctx.draw(PanelElement::FineOffsetBar, k * kStates + state);
    }
}

void FineOffsetBar::drawSigns(const DisplayContext& ctx, bool shown) {
    if (signsShown_ == (shown ? 1 : 0)) return;
    signsShown_ = shown ? 1 : 0;
    // The blank display picture's corner wipes the places when the signs are not shown.
    for (const auto& [picture, at] : {std::pair{kMinusPicture, kMinusAt}, {kPlusPicture, kPlusAt}})
        ctx.canvas.drawPicture(shown ? picture : picture::kFilterBlank, {0, 0, at.width, at.height},
                               at);
}

void FineOffsetBar::draw(const DisplayContext& ctx) {
    const RadioRecords& r = ctx.store.records;
    const bool level = r.bg[1].get() == -1;
    if (level)
        drawRow(ctx, r.bg[2].get(), OffsetTable::Level);
    else
        drawRow(ctx, offsetRow(r.ifStatus.clarifierOffset.get()));
    drawSigns(ctx, !level);
}

void FineOffsetBar::forget() {
    shown_.fill(-1);
    signsShown_ = -1;
}

}  // namespace velmora
