#include "panel/display/KeyPictures.h"

namespace velmora {

namespace {

constexpr int kNoPicture = -1;

bool on(const BoundedInt& r) {
    return r.get() == 1;
}

// Keys lit in two colours by the CLAR knob assignment (the SF value): the colour offset for each
// value, or kNoPicture for values the key does not show.
int assignmentOffset(KeyFeature f, int32_t value) {
    switch (f) {
        case KeyFeature::ClarGroup:
            return value == 8                                 ? 2
                   : value == 2                               ? 4
                   : (value == 0 || value == 3 || value == 7) ? 0
                                                              : kNoPicture;
        case KeyFeature::BandChannel:
            return value == 4                                 ? 2
                   : value == 5                               ? 4
                   : (value == 0 || value == 3 || value == 7) ? 0
                                                              : kNoPicture;
        default:  // A/B key: one lit colour
            return value == 6 ? 2 : (value == 0 || value == 3 || value == 7) ? 0 : kNoPicture;
    }
}

// The state offset a key adds to its pressed/released state.
int featureOffset(const DisplayContext& ctx, const KeyPicture& k, const PortConnectedQuery& port) {
    const auto& r = ctx.store.records;
    const auto lamp = [](bool lit) { return lit ? 2 : 0; };
    switch (k.feature) {
        case KeyFeature::None:
            return 0;
        case KeyFeature::Power:
            return lamp(on(r.ps));
        case KeyFeature::PortConnected:
            return lamp(port && port());
        case KeyFeature::Mox:
            return lamp(on(r.mx));
        case KeyFeature::Vox:
            return lamp(on(r.vx));
        case KeyFeature::VfoAOperating:
            return lamp(r.vs.get() == 0);
        case KeyFeature::VfoBOperating:
            return lamp(r.vs.get() == 1);
        case KeyFeature::TransmitOnA:
            return lamp(r.ft.get() == 0);
        case KeyFeature::TransmitOnB:
            return lamp(r.ft.get() == 1);
        case KeyFeature::ReceivingA:
            return lamp(r.fr.get() == 0 || r.fr.get() == 2);
        case KeyFeature::ReceivingB:
            return lamp(r.fr.get() == 2 || r.fr.get() == 3);
        case KeyFeature::DspMain:
            return lamp(on(r.kcFlag[0][static_cast<size_t>(k.dspFunction)]));
        case KeyFeature::DspSub:
            return lamp(on(r.kcFlag[1][static_cast<size_t>(k.dspFunction)]));
        case KeyFeature::ClarGroup:
        case KeyFeature::BandChannel:
        case KeyFeature::AbSelect:
            return assignmentOffset(k.feature, r.sf.get());
    }
    return 0;
}

}  // namespace

void DrawKeyPicture(const DisplayContext& ctx, uint32_t notice, int pressed,
                    const PortConnectedQuery& portConnected) {
    const KeyPicture* k = FindKeyPicture(notice);
    if (!k) return;
    const int offset = featureOffset(ctx, *k, portConnected);
    if (offset == kNoPicture) return;
    ctx.draw(k->element, (pressed ? 1 : 0) + offset);
}

}  // namespace velmora
