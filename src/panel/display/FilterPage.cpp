#include "panel/display/FilterPage.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "panel/display/FilterNumber.h"
#include "panel/display/PictureCatalogue.h"

namespace velmora {

namespace {

constexpr Rgb kLight{144, 184, 225};
constexpr Rgb kGlass{0x0b, 0x13, 0x18};  // the display window's own colour
constexpr Rgb kDim{0x24, 0x34, 0x44};
constexpr Rgb kFrame{0, 0, 0};

// Inside the display (offsets from its top-left corner): the title at the bottom left, the
// graph to its right.
constexpr int32_t kTitleX = 5, kTitleY = 16, kTitleW = 23, kTitleH = 10;
constexpr int32_t kGraphX = 28, kGraphW = 69, kGraphTop = 3, kGraphBottom = 20;
constexpr int32_t kBandTop = 6, kBandCentre = kGraphX + kGraphW / 2;
constexpr double kShiftHzPerStep = 20, kShiftPxPerStep = 0.3, kApfPxPerStep = 0.75;

struct TitleRow {
    int page;
    int32_t picture, altPicture;  // altPicture: WID for the shift page, FTUNE for the level page
};
// clang-format off
constexpr TitleRow kTitles[] = {
    {kShiftPage,   1182, 1185},  // SFT, WID
    {kContourPage, 1179, 1179},  // CTR
    {kApfPage,     1178, 1178},  // APF
    {kNotchPage,   1180, 1180},  // NTC
    {kLevelPage,   1184, 1183},  // PRESEL, FTUNE
};

// Passband half-widths in pixels at the bottom and the top of the shape, wide then narrow.
struct FamilyRow {
    std::array<int32_t, 3> modes;  // mode codes of the family; 0 pads
    int32_t wideBottom, wideTop, narrowBottom, narrowTop;
};
constexpr FamilyRow kFamilies[] = {
    {{1, 2, 0},   22, 16, 12, 8},   // SSB
    {{3, 7, 0},   10, 6,  5,  3},   // CW
    {{6, 9, 0},   12, 8,  7,  4},   // RTTY
    {{8, 12, 0},  16, 11, 9,  6},   // PKT
    {{5, 13, 0},  28, 22, 18, 13},  // AM
    {{4, 10, 11}, 30, 26, 22, 18},  // FM
};
// clang-format on

const FamilyRow* familyOf(int32_t mode) {
    for (const FamilyRow& f : kFamilies)
        if (mode != 0 && std::find(f.modes.begin(), f.modes.end(), mode) != f.modes.end())
            return &f;
    return nullptr;
}

int32_t trunc(double v) {
    return static_cast<int32_t>(std::trunc(v));
}

struct Graph {
    Canvas& canvas;
    PanelRect area;
    int32_t x(int32_t dx) const { return area.x + dx; }
    int32_t y(int32_t dy) const { return area.y + dy; }
};

// The passband for the mode, shifted and widened by the inputs; returns its centre.
int32_t drawPassband(const Graph& g, const FilterInputs& in) {
    const int32_t shiftSteps = std::clamp(in.shift, -1000, 1000) / kShiftHzPerStep;
    const int32_t cx = g.x(kBandCentre) + trunc(shiftSteps * kShiftPxPerStep);
    const FamilyRow* f = familyOf(in.mode);
    if (!f) return cx;
    // Width 16 is the family's own size; 0 halves it, 31 makes it about half as wide again.
    auto scaled = [&](int32_t hw) { return hw * (16 + std::clamp(in.width, 0, 31)) / 32; };
    const bool nar = in.nar != 0;
    const int32_t bottom = scaled(nar ? f->narrowBottom : f->wideBottom);
    const int32_t top = scaled(nar ? f->narrowTop : f->wideTop);
    auto clampX = [&](int32_t x) {
        return std::clamp(x, g.x(kGraphX + 1), g.x(kGraphX + kGraphW - 2));
    };
    const PanelPoint shape[] = {{clampX(cx - bottom), g.y(kGraphBottom)},
                                {clampX(cx - top), g.y(kBandTop)},
                                {clampX(cx + top), g.y(kBandTop)},
                                {clampX(cx + bottom), g.y(kGraphBottom)}};
    g.canvas.fillPolygon(shape, kLight);
    return cx;
}

void drawContour(const Graph& g, const FilterInputs& in) {
    const int32_t x = g.x(kGraphX + 4) + std::clamp(in.contour, 0, 40) * (kGraphW - 8) / 40;
    // On: a dip cut into the passband's top; off: a peak above it.
    const int32_t dir = in.contourOn != 0 ? 1 : -1;
    const int32_t top = g.y(kBandTop);
    const PanelPoint arc[] = {{x - 4, top},
                              {x - 2, top + 2 * dir},
                              {x, top + 3 * dir},
                              {x + 2, top + 2 * dir},
                              {x + 4, top}};
    g.canvas.drawPolyline(arc, in.contourOn != 0 ? kGlass : kLight, 1);
}

void drawApf(const Graph& g, const FilterInputs& in, int32_t cx) {
    const int32_t x = cx + trunc((std::clamp(in.apf, 0, 50) - 25) * kApfPxPerStep);
    g.canvas.drawLine({x, g.y(kGraphTop)}, {x, g.y(kGraphBottom)}, kLight, 1);
    g.canvas.drawLine({x - 2, g.y(kGraphTop)}, {x + 2, g.y(kGraphTop)}, kLight, 1);
}

void drawNotch(const Graph& g, const FilterInputs& in) {
    const int32_t x = g.x(kGraphX + 2) + std::clamp(in.notch, 0, 400) * (kGraphW - 4) / 400;
    if (in.notchOn != 0)
        g.canvas.drawLine({x, g.y(kBandTop)}, {x, g.y(kGraphBottom)}, kGlass, 2);
    else
        g.canvas.drawLine({x, g.y(kGraphBottom - 2)}, {x, g.y(kGraphBottom)}, kDim, 1);
}

void drawLevelScale(const Graph& g, const FilterInputs& in) {
    const int32_t marks = in.ftune != 0 ? 6 : 10;
    const int32_t lit = (std::clamp(in.level, 0, 255) * marks + 255) / 256;
    const int32_t pitch = (kGraphW - 6) / marks;
    for (int32_t i = 0; i < marks; ++i)
        g.canvas.fillRect({g.x(kGraphX + 4 + i * pitch), g.y(kBandTop), pitch - 2, 12},
                          i < lit ? kLight : kDim);
}

void drawDnr(const Graph& g, const FilterInputs& in) {
    g.canvas.drawPicture(picture::kFilterDnr, {0, 0, g.area.width, g.area.height}, g.area);
    g.canvas.fillRect({g.x(80), g.y(8), 12, 8}, in.dnr != 0 ? kLight : kDim);
}

// What the page reads out beside its graph: the shift (in CW the passband's centre, pitch plus
// shift), the width setting, the contour's frequency (100 Hz a step), the audio peak's offset
// (10 Hz a step from the centre), the notch frequency (10 Hz a step), the PRESEL/FTUNE level.
FilterNumber numberOf(int page, bool widthTitle, const FilterInputs& in) {
    switch (page) {
        case kShiftPage:
            if (widthTitle) return {in.width, FilterUnit::None, false};
            if (in.pitch != 0) return {in.pitch + in.shift, FilterUnit::Hz, false};
            return {in.shift, FilterUnit::Hz, true};
        case kContourPage:
            return {in.contour * 100, FilterUnit::Hz, false};
        case kApfPage:
            return {(in.apf - 25) * 10, FilterUnit::Hz, true};
        case kNotchPage:
            return {in.notch * 10, FilterUnit::Hz, false};
        default:
            return {in.level, FilterUnit::None, false};
    }
}

}  // namespace

PanelRect filterDisplayArea(int side) {
    return {789 + (side == 0 ? 0 : FilterDisplay::kSideOffset), 133, 99, 24};
}

int32_t filterTitlePicture(int page, bool widthTitle, bool ftune) {
    for (const TitleRow& t : kTitles) {
        if (t.page != page) continue;
        const bool alt = page == kShiftPage ? widthTitle : page == kLevelPage && ftune;
        return alt ? t.altPicture : t.picture;
    }
    return 0;
}

void DrawFilterPage(Canvas& canvas, int side, int page, bool widthTitle, const FilterInputs& in) {
    if (page < kShiftPage || page > kDnrPage) return;
    const Graph g{canvas, filterDisplayArea(side)};
    // The display's own rectangle: the blank picture is not the display's size.
    canvas.fillRect(g.area, kGlass);
    if (page == kDnrPage) return drawDnr(g, in);
    canvas.drawPicture(filterTitlePicture(page, widthTitle, in.ftune != 0),
                       {0, 0, kTitleW, kTitleH}, {g.x(kTitleX), g.y(kTitleY), kTitleW, kTitleH});
    canvas.drawRoundedRect({g.x(kGraphX), g.y(1), kGraphW, 22}, 3, kFrame, nullptr);
    DrawFilterNumber(canvas, g.area, numberOf(page, widthTitle, in));
    if (page == kLevelPage) return drawLevelScale(g, in);
    const int32_t cx = drawPassband(g, in);
    if (page == kContourPage) drawContour(g, in);
    if (page == kApfPage) drawApf(g, in, cx);
    if (page == kNotchPage) drawNotch(g, in);
}

}  // namespace velmora
