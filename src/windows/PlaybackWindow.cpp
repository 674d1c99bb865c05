#include "windows/PlaybackWindow.h"

#include "link/PanelActionTable.h"
#include "link/RadioInfo.h"
#include "link/RadioStateStore.h"

namespace velmora {

namespace {

// clang-format off
constexpr PlaybackButton kButtons[] = {
    {1026, "Voice Memory",   "REC",  "Ch-1",  109},
    {1027, "Voice Memory",   "REC",  "Ch-2",  110},
    {1028, "Voice Memory",   "REC",  "Ch-3",  111},
    {1029, "Voice Memory",   "REC",  "Ch-4",  112},
    {1030, "Voice Memory",   "REC",  "Ch-5",  113},
    {1031, "Voice Memory",   "REC",  "STOP",  114},
    {1034, "Voice Memory",   "PLAY", "Ch-1",  115},
    {1035, "Voice Memory",   "PLAY", "Ch-2",  116},
    {1036, "Voice Memory",   "PLAY", "Ch-3",  117},
    {1037, "Voice Memory",   "PLAY", "Ch-4",  118},
    {1038, "Voice Memory",   "PLAY", "Ch-5",  119},
    {1039, "Voice Memory",   "PLAY", "STOP",  120},
    {1032, "Audio Playback", "REC",  "REC",   121},
    {1033, "Audio Playback", "REC",  "STOP",  122},
    {1040, "Audio Playback", "PLAY", "PLAY",  123},
    {1041, "Audio Playback", "PLAY", "STOP",  124},
};
// clang-format on

}  // namespace

std::span<const PlaybackButton> PlaybackWindow::buttons() {
    return kButtons;
}

bool PlaybackWindow::press(int control) {
    for (const PlaybackButton& b : kButtons) {
        if (b.control == control)
            return PostPanelAction(store_.mailbox, b.action, false, false, false, 0);
    }
    return false;
}

PlaybackIndicators PlaybackWindow::indicators() const {
    const auto& ri = store_.records.ri;
    using namespace window_colour;
    return {ri[kInfoRec].get() != 0 ? kRed : kWhite, ri[kInfoPlay].get() != 0 ? kGreen : kWhite};
}

}  // namespace velmora
