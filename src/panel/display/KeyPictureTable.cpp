#include <array>

#include "panel/display/KeyPictures.h"

namespace velmora {

namespace {
using E = PanelElement;
using F = KeyFeature;
}  // namespace

// Image notice, element, what lights it. Notices 0x858A-0x8591, 0x85B9-0x85BD and 0x85C0-0x85C6
// are the keys without pictures (reserved groups).
// clang-format off
constexpr KeyPicture kKeyPictures[] = {
    {0x8578, E::ComKey,     F::PortConnected, 0},
    {0x8579, E::OnOffKey,   F::Power, 0},
    {0x857A, E::DimKey,     F::None, 0},
    {0x857B, E::MoxKey,     F::Mox, 0},
    {0x857C, E::VoxKey,     F::Vox, 0},
    {0x857D, E::TuneKey,    F::None, 0},
    {0x857E, E::AntKey,     F::None, 0},
    {0x857F, E::RxAntKey,   F::None, 0},
    {0x8580, E::MoniKey,    F::None, 0},
    {0x8581, E::ProcKey,    F::None, 0},
    {0x8582, E::KeyerKey,   F::None, 0},
    {0x8583, E::AttKey,     F::None, 0},
    {0x8584, E::ThruKey,    F::None, 0},
    {0x8585, E::RfltKey,    F::None, 0},
    {0x8586, E::AgcKey,     F::None, 0},
    {0x8587, E::NbKey,      F::None, 0},
    {0x8588, E::BkInKey,    F::None, 0},
    {0x8589, E::SpotKey,    F::None, 0},
    {0x858A, reservedGroup(0), F::None, 0},
    {0x858B, reservedGroup(1), F::None, 0},
    {0x858C, reservedGroup(2), F::None, 0},
    {0x858D, reservedGroup(3), F::None, 0},
    {0x858E, reservedGroup(4), F::None, 0},
    {0x858F, reservedGroup(5), F::None, 0},
    {0x8590, reservedGroup(6), F::None, 0},
    {0x8591, reservedGroup(7), F::None, 0},
    {0x8592, E::AKey,       F::VfoAOperating, 0},
    {0x8593, E::BKey,       F::VfoBOperating, 0},
    {0x8594, E::LsbKey,     F::None, 0},
    {0x8595, E::UsbKey,     F::None, 0},
    {0x8596, E::CwKey,      F::None, 0},
    {0x8597, E::AmFmKey,    F::None, 0},
    {0x8598, E::RttyKey,    F::None, 0},
    {0x8599, E::PktKey,     F::None, 0},
    {0x859A, E::StoKey,     F::None, 0},
    {0x859B, E::RclKey,     F::None, 0},
    {0x859C, E::NarKey,     F::None, 0},
    {0x859D, E::SplitKey,   F::None, 0},
    {0x859E, E::TxwKey,     F::None, 0},
    {0x859F, E::CsKey,      F::None, 0},
    {0x85A0, E::DialRxLamp, F::ReceivingA, 0},
    {0x85A1, E::DialTxLamp, F::TransmitOnA, 0},
    {0x85A2, E::FastKey,    F::None, 0},
    {0x85A3, E::LockKey,    F::None, 0},
    {0x85A4, E::AtoBKey,    F::None, 0},
    {0x85A5, E::AswapBKey,  F::None, 0},
    {0x85A6, E::VmKey,      F::None, 0},
    {0x85A7, E::MtoAKey,    F::None, 0},
    {0x85A8, E::AtoMKey,    F::None, 0},
    {0x85A9, E::MenuKey,    F::None, 0},
    {0x85AA, E::Key50,      F::None, 0},
    {0x85AB, E::Key1_8,     F::None, 0},
    {0x85AC, E::Key3_5,     F::None, 0},
    {0x85AD, E::Key7,       F::None, 0},
    {0x85AE, E::Key10,      F::None, 0},
    {0x85AF, E::Key14,      F::None, 0},
    {0x85B0, E::Key18,      F::None, 0},
    {0x85B1, E::Key21,      F::None, 0},
    {0x85B2, E::Key24_5,    F::None, 0},
    {0x85B3, E::Key28,      F::None, 0},
    {0x85B4, E::KeyGen,     F::None, 0},
    {0x85B5, E::KeyEnt,     F::None, 0},
    {0x85B6, E::RxClarKey,  F::None, 0},
    {0x85B7, E::TxClarKey,  F::None, 0},
    {0x85B8, E::ClearKey,   F::None, 0},
    {0x85B9, reservedGroup(8), F::None, 0},
    {0x85BA, reservedGroup(9), F::None, 0},
    {0x85BB, reservedGroup(10), F::None, 0},
    {0x85BC, reservedGroup(11), F::None, 0},
    {0x85BD, reservedGroup(12), F::None, 0},
    {0x85BE, E::ClarRxLed,  F::ReceivingB, 0},
    {0x85BF, E::ClarTxLed,  F::TransmitOnB, 0},
    {0x85C0, reservedGroup(13), F::None, 0},
    {0x85C1, reservedGroup(14), F::None, 0},
    {0x85C2, reservedGroup(15), F::None, 0},
    {0x85C3, reservedGroup(16), F::None, 0},
    {0x85C4, reservedGroup(17), F::None, 0},
    {0x85C5, reservedGroup(18), F::None, 0},
    {0x85C6, reservedGroup(19), F::None, 0},
    {0x85C7, E::ABKey,      F::AbSelect, 0},
    {0x85DC, E::AntKeyAlt,  F::None, 0},
    {0x85DD, E::ClassAKey,  F::None, 0},
    {0x85DE, E::UpKey,      F::None, 0},
    {0x85DF, E::DownKey,    F::None, 0},
    {0x85E0, E::PreselFtuneKeyA, F::DspMain, 5},
    {0x85E1, E::ShiftKeyA,  F::DspMain, 1},
    {0x85E2, E::ContApfKeyA, F::DspMain, 3},
    {0x85E3, E::NotchKeyA,  F::DspMain, 4},
    {0x85E4, E::WidthKeyA,  F::DspMain, 2},
    {0x85E5, E::ResetKeyA,  F::None, 0},
    {0x85E6, E::DnrLampA,   F::DspMain, 6},
    {0x85E7, E::DnfLampA,   F::DspMain, 7},
    {0x85E8, E::PreselKeyB, F::DspSub, 5},
    {0x85E9, E::ShiftKeyB,  F::DspSub, 1},
    {0x85EA, E::ContApfKeyB, F::DspSub, 3},
    {0x85EB, E::NotchKeyB,  F::DspSub, 4},
    {0x85EC, E::WidthKeyB,  F::DspSub, 2},
    {0x85ED, E::ResetKeyB,  F::None, 0},
    {0x85EE, E::DnrLampB,   F::DspSub, 6},
    {0x85EF, E::DnfLampB,   F::DspSub, 7},
    {0x85F0, E::ClarGrpKey, F::ClarGroup, 0},
    {0x85F1, E::BandMchKey, F::BandChannel, 0},
};
// clang-format on

const KeyPicture* findKeyPicture(uint32_t notice) {
    for (const KeyPicture& k : kKeyPictures) {
        if (k.notice == notice) return &k;
    }
    return nullptr;
}

}  // namespace velmora
