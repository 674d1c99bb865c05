#include "panel/display/FilterNumber.h"

#include <cstdlib>

#include "panel/display/PictureCatalogue.h"

namespace velmora {

namespace {

struct GlyphRow {
    char c;
    int32_t picture;
};
// clang-format off
constexpr GlyphRow kGlyphs[] = {
    {'0', 1186}, {'1', 1187}, {'2', 1188}, {'3', 1190}, {'4', 1191},
    {'5', 1192}, {'6', 1193}, {'7', 1194}, {'8', 1195}, {'9', 1196},
    {'.', 1197}, {'+', 1199}, {'-', 1198}, {'H', 1200}, {'K', 1189},
};
// clang-format on

// The column left of the graph (offsets in the display): digits ending at kRight on the top
// row, the unit under them, the page title below both.
constexpr int32_t kRight = 27, kDigitsY = 1, kUnitY = 8, kGap = 0;

int32_t widthOf(int32_t picture) {
    const PictureUse* use = findPictureUse(picture);
    return use ? use->size.width : 0;
}

// Draws the pictures of text so that the last one ends at x = right.
void drawRightAligned(Canvas& canvas, const std::string& text, int32_t right, int32_t y) {
    int32_t x = right;
    for (auto it = text.rbegin(); it != text.rend(); ++it) {
        const int32_t picture = filterGlyphPicture(*it);
        const int32_t w = widthOf(picture);
        if (w == 0) continue;
        x -= w;
        canvas.drawPicture(picture, {0, 0, w, 7}, {x, y, w, 7});
        x -= kGap;
    }
}

}  // namespace

std::string filterNumberText(const FilterNumber& n) {
    const int32_t magnitude = std::abs(n.value);
    std::string text = n.sign && n.value != 0 ? (n.value < 0 ? "-" : "+") : "";
    if (n.unit == FilterUnit::None) return text + std::to_string(magnitude);
    if (magnitude < 1000) return text + std::to_string(magnitude) + "H";
    const int32_t centi = magnitude / 10;  // tens of Hz, shown as kHz with two decimals
    const std::string frac = std::to_string(centi % 100);
    return text + std::to_string(centi / 100) + "." + (frac.size() < 2 ? "0" : "") + frac + "K";
}

int32_t filterGlyphPicture(char c) {
    for (const GlyphRow& g : kGlyphs)
        if (g.c == c) return g.picture;
    return 0;
}

void DrawFilterNumber(Canvas& canvas, PanelRect area, const FilterNumber& n) {
    std::string digits = filterNumberText(n);
    std::string unit;
    if (!digits.empty() && (digits.back() == 'H' || digits.back() == 'K')) {
        unit = digits.substr(digits.size() - 1);
        digits.pop_back();
    }
    drawRightAligned(canvas, digits, area.x + kRight, area.y + kDigitsY);
    drawRightAligned(canvas, unit, area.x + kRight, area.y + kUnitY);
}

}  // namespace velmora
