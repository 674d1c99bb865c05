#include "panel/display/ClarifierDisplay.h"

#include <cmath>
#include <cstdio>

namespace velmora {

std::string drawClarifierOffset(const DisplayContext& ctx, double offsetHz) {
    // The record's range is +-9999 Hz; a NaN never gets past its setter.
    const auto offset = static_cast<int32_t>(std::trunc(offsetHz));
    char buffer[16] = {};
    std::snprintf(buffer, sizeof buffer, "%05d", offset);
    const std::string text(buffer);
    // Character 0 holds the sign or the leading digit and is not shown.
    for (int k = 0; k < 4 && static_cast<size_t>(k + 1) < text.size(); ++k) {
        ctx.draw(PanelElement::ClarDigits, k * 10 + (text[static_cast<size_t>(k + 1)] - '0'));
    }
    ctx.draw(PanelElement::ClarDot, 0);
    ctx.drawLit(PanelElement::ClarPlus, offset > 0);
    ctx.drawLit(PanelElement::ClarMinus, offset < 0);
    return text;
}

void drawMemoryMode(const DisplayContext& ctx, int32_t memoryMode) {
    switch (memoryMode) {
        case 0:
        case 3:
            ctx.drawLit(PanelElement::Mr, false);
            ctx.drawLit(PanelElement::Mt, false);
            break;
        case 1:
            ctx.drawLit(PanelElement::Mr, true);
            ctx.drawLit(PanelElement::Mt, false);
            break;
        case 2:
        case 4:
            ctx.drawLit(PanelElement::Mr, false);
            ctx.drawLit(PanelElement::Mt, true);
            break;
        default:
            break;
    }
}

}  // namespace velmora
