#include "panel/display/KeyPictures.h"

namespace velmora {

namespace {

constexpr int kNoPicture = -1;

bool on(const BoundedInt& r) {
    return r.get() == 1;
}

// Keys lit by the CLAR knob assignment (the SF value): the state offset for each value. The
// CLAR/GRP key shows 8 in its first and 2 in its second colour, is unlit for 0, 3 and 7 and is
// not drawn for other values; BAND/MCH (4, 5) and A/B (6) are unlit for every other value.
int assignmentOffset(KeyFeature f, int32_t value) {
    switch (f) {
        case KeyFeature::ClarGroup:
            if (value == 8) return 2;
            if (value == 2) return 4;
            return value == 0 || value == 3 || value == 7 ? 0 : kNoPicture;
        case KeyFeature::BandChannel:
            return value == 4 ? 2 : value == 5 ? 4 : 0;
        default:
            return value == 6 ? 2 : 0;
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

void drawKeyPicture(const DisplayContext& ctx, uint32_t notice, int pressed,
                    const PortConnectedQuery& portConnected) {
    const KeyPicture* k = findKeyPicture(notice);
    if (!k) return;
    const int offset = featureOffset(ctx, *k, portConnected);
    if (offset == kNoPicture) return;
    ctx.draw(k->element, (pressed ? 1 : 0) + offset);
}

}  // namespace velmora
