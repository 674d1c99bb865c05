#include "panel/display/FrequencyDisplay.h"

#include <cmath>
#include <cstdio>

namespace velmora {

namespace {

constexpr int kGlyphsPerPosition = 22;
constexpr int kBlankGlyph = 10;
constexpr int kHighlightOffset = 11;
constexpr int kDotMhz = 0, kDotKhz = 1, kDotMhzBlank = 2;

struct FrequencyGroups {
    PanelElement digits, lastDigit, dots;
};

FrequencyGroups groupsOf(int side) {
    if (side == kSub) {
        return {PanelElement::VfoBDigits, PanelElement::VfoBLastDigit, PanelElement::VfoBDots};
    }
    return {PanelElement::VfoADigits, PanelElement::VfoALastDigit, PanelElement::VfoADots};
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::string drawFrequencyDigits(const DisplayContext& ctx, int side, uint32_t hz, int cursor) {
    char buffer[16] = {};
    std::snprintf(buffer, sizeof buffer, "%8u", static_cast<unsigned>(hz));
    // Nine digits and more do not fit: only the first eight are shown.
    const std::string text(buffer, 8);
    const FrequencyGroups g = groupsOf(side);
    const int highlight = cursor >= 1 && cursor <= 8 ? 8 - cursor : -1;

    for (int pos = 0; pos < 7; ++pos) {
        const char c = text[static_cast<size_t>(pos)];
        int glyph = kBlankGlyph;
        if (isDigit(c)) glyph = (c - '0') + (pos == highlight ? kHighlightOffset : 0);
        ctx.draw(g.digits, pos * kGlyphsPerPosition + glyph);
    }
    const char last = text[7];
    const int lastDigit = isDigit(last) ? last - '0' : 0;
    ctx.draw(g.lastDigit, lastDigit + (cursor == 1 ? kHighlightOffset : 0));

    ctx.draw(g.dots, text[1] == ' ' ? kDotMhzBlank : kDotMhz);
    ctx.draw(g.dots, kDotKhz);
    return text;
}

uint32_t displayedVfoA(const RadioStateStore& store) {
    const int64_t hz = store.panel.vfoA.get();
    if (store.panel.rt.get() != 1) return static_cast<uint32_t>(hz);
    const auto offset =
        static_cast<int64_t>(std::trunc(store.records.ifStatus.clarifierOffset.get()));
    const int64_t shown = hz + offset;
    return shown < 0 ? 0u : static_cast<uint32_t>(shown);
}

uint32_t displayedVfoB(const RadioStateStore& store) {
    return static_cast<uint32_t>(store.panel.vfoB.get());
}

}  // namespace velmora
