#pragma once
// The key and lamp pictures that the panel input asks for by image notice
// (notice::KEYS_FIRST..KEYS_LAST): pressed or released, and with keys that carry a lamp, lit while
// their feature is on.
#include <cstdint>
#include <functional>

#include "panel/display/DisplayContext.h"

namespace velmora {

enum class KeyFeature {
    None,           // two states: released, pressed
    Power,          // ON/OFF key
    PortConnected,  // COM key
    Mox,
    Vox,
    VfoAOperating,
    VfoBOperating,  // A and B keys
    TransmitOnA,
    TransmitOnB,  // dial TX lamp, clarifier TX LED
    ReceivingA,
    ReceivingB,  // dial RX lamp, clarifier RX LED
    DspMain,
    DspSub,  // DSP keys and lamps: the key's own function flag
    ClarGroup,
    BandChannel,
    AbSelect,  // keys lit by the CLAR knob assignment (two colours)
};

struct KeyPicture {
    uint32_t notice;
    PanelElement element;
    KeyFeature feature;
    int32_t dspFunction;  // for DSP keys: the function number the key selects
};

// The picture of an image notice, or null for notices that name no picture.
const KeyPicture* findKeyPicture(uint32_t notice);

// Whether the port is connected; the window knows, the store does not.
using PortConnectedQuery = std::function<bool()>;

// Draws the key of the notice: pressed = 0 or 1. Keys with a lamp add 2 while their feature is
// on; keys with two lit colours add 2 or 4. A key whose feature value is one the key does not
// show is not drawn. Unknown notices and reserved keys draw nothing.
void drawKeyPicture(const DisplayContext& ctx, uint32_t notice, int pressed,
                    const PortConnectedQuery& portConnected);

}  // namespace velmora
