#include "gui/PanelArtist.h"

#include "gui/ArtistLegends.h"

namespace velmora::gui {

QImage drawBuiltInPicture(const PictureUse& use) {
    using namespace picture;
    switch (use.id) {
        case kBackground:
        case kPlainPanel:
        case kLitPanel:
        case kLogo:
            return drawPanelPicture(use);
        case kMainDial:
        case kMainDimple:
        case kClarKnob:
        case kDspKnob:
        case kSmallDimple:
        case kSmallKnob:
        case kMeterKnob:
        case kGainKnob:
            return drawKnobPicture(use);
        default:
            break;
    }
    if (use.element == PanelElement::Count) return drawMeterPicture(use);
    switch (kindOf(use.element)) {
        case ElementKind::DisplayWord:
        case ElementKind::MultiPart:
            return drawDisplayWord(use);
        case ElementKind::Glyph:
            return drawGlyph(use);
        case ElementKind::Lamp:
            return drawLamp(use);
        case ElementKind::Key:
            return drawKey(use);
    }
    return {};
}

}  // namespace velmora::gui
