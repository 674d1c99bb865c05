#include "gui/ArtistLegends.h"

#include <map>
#include <set>

#include "gui/ArtistPalette.h"
#include "panel/display/PanelLayout.h"

namespace velmora::gui {

namespace {
using E = PanelElement;

// clang-format off
const std::map<E, QStringList>& legends() {
    static const std::map<E, QStringList> m = {
        {E::AntA, {"1", "2", "3", "4"}}, {E::AntB, {"1", "2", "3", "4"}},
        {E::RxAntA, {"RX"}}, {E::RxAntB, {"RX"}},
        {E::AttA, {"OFF", "-6DB", "-12DB", "-18DB"}}, {E::AttB, {"OFF", "-6DB", "-12DB", "-18DB"}},
        {E::RfltA, {"300", "600", "3K", "6K", "15K"}}, {E::RfltB, {"3K", "6K", "15K"}},
        {E::PreampA, {"AMP1", "AMP2", "THRU1", "THRU2"}}, {E::PreampB, {"AMP1", "AMP2", "THRU1"}},
        {E::AgcA, {"AUTO", "FAST", "MID", "SLOW"}}, {E::AgcB, {"AUTO", "FAST", "MID", "SLOW"}},
        {E::NbA, {"NB"}}, {E::NbB, {"NB"}}, {E::NarA, {"NAR"}}, {E::NarB, {"NAR"}},
        {E::Proc, {"PROC"}}, {E::Moni, {"MONI"}}, {E::Keyer, {"KEYER"}}, {E::BkIn, {"BK-IN"}},
        {E::Tuner, {"TUNER"}}, {E::HiSwr, {"HI-SWR"}}, {E::MicEq, {"MICEQ"}},
        {E::TxA, {"TX"}}, {E::TxB, {"TX"}}, {E::BusyA, {"BUSY"}}, {E::BusyB, {"BUSY"}},
        {E::ClassA, {"CLASS-A"}}, {E::Rec, {"REC"}}, {E::Play, {"PLAY"}},
        {E::PreselA, {"PRSEL"}}, {E::PreselB, {"PRSEL"}}, {E::Ftune, {"FTUN"}},
        {E::ThruA, {"THRU"}}, {E::ThruB, {"THRU"}}, {E::ClarTx, {"TX"}}, {E::ClarRx, {"RX"}},
        {E::Clar, {"CLAR"}}, {E::LockA, {"LOCK"}}, {E::LockB, {"LOCK"}},
        {E::FastA, {"FAST"}}, {E::FastB, {"FAST"}}, {E::Mr, {"MR"}}, {E::Mt, {"MT"}},
        {E::LsbA, {"LSB"}}, {E::LsbB, {"LSB"}}, {E::UsbA, {"USB"}}, {E::UsbB, {"USB"}},
        {E::CwA, {"CW"}}, {E::CwB, {"CW"}}, {E::AmA, {"AM"}}, {E::AmB, {"AM"}},
        {E::FmA, {"FM"}}, {E::FmB, {"FM"}}, {E::RttyA, {"RTTY"}}, {E::RttyB, {"RTTY"}},
        {E::PktA, {"PKT"}}, {E::PktB, {"PKT"}}, {E::WA, {"W"}}, {E::WB, {"W"}},
        {E::OnOffKey, {"PWR"}}, {E::ComKey, {"COM"}},
        {E::Key1_8, {"1.8"}}, {E::Key3_5, {"3.5"}}, {E::Key7, {"7"}}, {E::Key10, {"10"}},
        {E::Key14, {"14"}}, {E::Key18, {"18"}}, {E::Key21, {"21"}}, {E::Key24_5, {"24.5"}},
        {E::Key28, {"28"}}, {E::KeyGen, {"GEN"}}, {E::Key50, {"50"}}, {E::KeyEnt, {"ENT"}},
        {E::LsbKey, {"LSB"}}, {E::UsbKey, {"USB"}}, {E::CwKey, {"CW"}}, {E::AmFmKey, {"AM/FM"}},
        {E::RttyKey, {"RTTY"}}, {E::PktKey, {"PKT"}},
        {E::KeyerKey, {"KEYER"}}, {E::NbKey, {"NB"}}, {E::BkInKey, {"BK-IN"}}, {E::SpotKey, {"SPOT"}},
        {E::UpKey, {"UP"}}, {E::DownKey, {"DOWN"}},
        {E::DimKey, {"DIM"}}, {E::MoxKey, {"MOX"}}, {E::VoxKey, {"VOX"}}, {E::TuneKey, {"TUNE"}},
        {E::AntKey, {"ANT"}}, {E::AntKeyAlt, {"ANT"}}, {E::RxAntKey, {"RX ANT"}},
        {E::MoniKey, {"MONI"}}, {E::ProcKey, {"PROC"}}, {E::AttKey, {"ATT"}}, {E::ThruKey, {"THRU"}},
        {E::RfltKey, {"R.FLT"}}, {E::AgcKey, {"AGC"}}, {E::ClearKey, {"CLEAR"}},
        {E::AKey, {"A"}}, {E::BKey, {"B"}}, {E::StoKey, {"STO"}}, {E::RclKey, {"RCL"}},
        {E::NarKey, {"NAR"}}, {E::SplitKey, {"SPLIT"}}, {E::TxwKey, {"TXW"}},
        {E::ClassAKey, {"CL-A"}}, {E::CsKey, {"C.S"}}, {E::FastKey, {"FAST"}}, {E::LockKey, {"LOCK"}},
        {E::AtoBKey, {"A>B"}}, {E::AswapBKey, {"A<>B"}}, {E::VmKey, {"V/M"}}, {E::MtoAKey, {"M>A"}},
        {E::AtoMKey, {"A>M"}}, {E::MenuKey, {"MENU"}}, {E::ABKey, {"A/B"}},
        {E::DialRxLamp, {"RX"}}, {E::DialTxLamp, {"TX"}}, {E::ClarRxLed, {"RX"}}, {E::ClarTxLed, {"TX"}},
        {E::RxClarKey, {"RX CLAR"}}, {E::TxClarKey, {"TX CLAR"}}, {E::ClarGrpKey, {"CLAR"}},
        {E::BandMchKey, {"BAND"}},
        {E::PreselFtuneKeyA, {"PRESEL"}}, {E::NotchKeyA, {"NOTCH"}}, {E::ShiftKeyA, {"SHIFT"}},
        {E::ContApfKeyA, {"CONT"}}, {E::WidthKeyA, {"WIDTH"}}, {E::ResetKeyA, {"RESET"}},
        {E::DnrLampA, {"DNR"}}, {E::DnfLampA, {"DNF"}},
        {E::PreselKeyB, {"PRESEL"}}, {E::NotchKeyB, {"NOTCH"}}, {E::ShiftKeyB, {"SHIFT"}},
        {E::ContApfKeyB, {"CONT"}}, {E::WidthKeyB, {"WIDTH"}}, {E::ResetKeyB, {"RESET"}},
        {E::DnrLampB, {"DNR"}}, {E::DnfLampB, {"DNF"}},
    };
    return m;
}
// clang-format on

std::set<E> elementsWithSharedPictures() {
    std::map<int32_t, std::set<E>> users;
    for (const LayoutRow& row : elementLayoutTable()) {
        for (int32_t id : row.ids) users[id].insert(row.element);
    }
    std::set<E> shared;
    for (const auto& [id, elements] : users) {
        if (elements.size() > 1) shared.insert(elements.begin(), elements.end());
    }
    return shared;
}

}  // namespace

ElementKind kindOf(PanelElement e) {
    switch (e) {
        case E::AntA:
        case E::AntB:
        case E::AttA:
        case E::AttB:
        case E::RfltA:
        case E::RfltB:
        case E::PreampA:
        case E::PreampB:
        case E::AgcA:
        case E::AgcB:
            return ElementKind::MultiPart;
        case E::DialRxLamp:
        case E::DialTxLamp:
        case E::ClarRxLed:
        case E::ClarTxLed:
        case E::DnrLampA:
        case E::DnfLampA:
        case E::DnrLampB:
        case E::DnfLampB:
            return ElementKind::Lamp;
        case E::ClarPlus:
        case E::ClarMinus:
            return ElementKind::Glyph;
        default:
            break;
    }
    if (e < E::OnOffKey) return ElementKind::DisplayWord;
    if (e >= E::VfoADigits) return ElementKind::Glyph;
    return ElementKind::Key;
}

QStringList legendOf(PanelElement e) {
    const auto it = legends().find(e);
    return it == legends().end() ? QStringList{} : it->second;
}

int partsOf(PanelElement e) {
    return static_cast<int>(legendOf(e).size());
}
bool litFirst(PanelElement e) {
    return e == E::AntA || e == E::AntB;
}

bool legendOnPanel(PanelElement e) {
    static const std::set<E> shared = elementsWithSharedPictures();
    return kindOf(e) == ElementKind::Lamp || shared.count(e) > 0;
}

QColor lampColour(PanelElement e, int state) {
    using namespace palette;
    switch (e) {
        case E::OnOffKey:
        case E::ComKey:
        case E::DialRxLamp:
        case E::ClarRxLed:
            return kGreen;
        case E::MoxKey:
        case E::VoxKey:
        case E::DialTxLamp:
        case E::ClarTxLed:
            return kRed;
        case E::AKey:
        case E::BKey:
        case E::DnrLampA:
        case E::DnfLampA:
            return kAmber;
        case E::DnrLampB:
        case E::DnfLampB:
        case E::ABKey:
            return kOrange;
        default:
            break;
    }
    // Keys in two colours: red first, orange second; the B side lights in the second colour.
    const bool sideB = e >= E::PreselKeyB && e <= E::WidthKeyB;
    return state >= 4 || sideB ? kOrange : kRed;
}

}  // namespace velmora::gui
