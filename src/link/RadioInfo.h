#pragma once
// What each of the radio's nine information flags (answers RI0 to RI8) reports. Receiving is the
// one that rests at 1; the words of the display window follow the others.
namespace velmora {

enum RadioInfo : int {
    kInfoReceiving,
    kInfoRec,   // a voice memory is recording
    kInfoPlay,  // a voice or CW memory is playing
    kInfoHiSwr,
    kInfoMicEq,
    kInfoClassA,
    kInfoTxA,  // transmitting on VFO-A
    kInfoTxB,  // transmitting on VFO-B
    kInfoSpare,
};

}  // namespace velmora
