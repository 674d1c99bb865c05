#include "sim/RadioModel.h"

#include <algorithm>

#include "link/RadioInfo.h"
#include "sim/SimMenu.h"
#include "sim/SimpleSettingTable.h"

namespace velmora::sim {

namespace {
// Band select numbers 0-10 are the amateur bands whose fixed-frequency menu items run from 132;
// 11 is general coverage.
constexpr int kFirstBandMenuItem = 132;
constexpr int kGeneralBand = 11;
constexpr int64_t kGeneralStart = 10000000;
constexpr int kModeMenuDefault = 2;

struct ModeKey {
    int mode, second;  // MD codes
};
// clang-format off
constexpr ModeKey kModeKeys[] = {
    {1, 1},   // LSB
    {2, 2},   // USB
    {3, 7},   // CW, CW-R
    {5, 13},  // AM, AM-N
    {4, 11},  // FM, FM-N
    {6, 9},   // RTTY-L, RTTY-U
    {8, 12},  // PKT-L, PKT-U
};
// clang-format on

int64_t bandEdgeHz(int band, bool upper) {
    const SimMenuItem& item = simMenuItems()[static_cast<size_t>(kFirstBandMenuItem - 1 + band)];
    return upper ? static_cast<int64_t>(item.max) * 1000 + 999
                 : static_cast<int64_t>(item.min) * 1000;
}
}  // namespace

RadioModel::RadioModel() {
    for (int row = 0; row < simpleSettingCount(); ++row)
        simple_.push_back(simpleSetting(row).initial);
    for (const SimMenuItem& item : simMenuItems()) menu_.push_back(item.factory);
    // The bit-string items keep only the positions their field can carry.
    for (const SimMenuItem& item : simMenuItems())
        if (item.kind == 14 || item.kind == 38)
            menu_[static_cast<size_t>(item.number - 1)] &= 0x1FFF;
    for (int band = 0; band < kGeneralBand; ++band)
        bandStack[static_cast<size_t>(band)] = menu(kFirstBandMenuItem + band) * 1000;
    bandStack[kGeneralBand] = kGeneralStart;
    keyerText = {"CQ CQ CQ DE VELMORA K", "TU 5NN", "QRZ?", "73", ""};
    for (auto& channel : memories) channel = {7074000, kModeMenuDefault, false};
    memories[1] = {14195000, kModeMenuDefault, true};
    quickMemory = {14195000, kModeMenuDefault, true};
}

int RadioModel::get(std::string_view code, int selector) const {
    return simple(findSimpleSetting(code), selector);
}

void RadioModel::set(std::string_view code, int selector, int value) {
    setSimple(findSimpleSetting(code), selector, value);
}

bool RadioModel::setFrequency(int rx, int64_t hz) {
    if (hz < kMinFrequency || hz > kMaxFrequency) return false;
    frequency_[rx] = hz;
    return true;
}

void RadioModel::dial(int rx, int64_t steps, int64_t hzPerStep) {
    frequency_[rx] = std::clamp(frequency_[rx] + steps * hzPerStep, kMinFrequency, kMaxFrequency);
}

bool RadioModel::setClarifier(int rx, int hz) {
    if (hz < -kClarifierLimit || hz > kClarifierLimit) return false;
    clarifier_[rx] = hz;
    return true;
}

int RadioModel::currentBand(int rx) const {
    for (int band = 0; band < kGeneralBand; ++band)
        if (frequency_[rx] >= bandEdgeHz(band, false) && frequency_[rx] <= bandEdgeHz(band, true))
            return band;
    return kGeneralBand;
}

void RadioModel::selectBand(int band) {
    bandStack[static_cast<size_t>(currentBand(kMain))] = frequency_[kMain];
    frequency_[kMain] = bandStack[static_cast<size_t>(band)];
}

void RadioModel::bandStep(int direction) {
    const int band = currentBand(kMain);
    const int from = band == kGeneralBand ? 0 : band;
    selectBand((from + direction + kGeneralBand) % kGeneralBand);
}

void RadioModel::toggleVfoMemory() {
    vfoMemory_[kMain] = vfoMemory_[kMain] == 0 ? 1 : 0;
    const MemoryChannel& channel = memories[static_cast<size_t>(get("MC"))];
    if (vfoMemory_[kMain] == 1 && channel.used) {
        frequency_[kMain] = channel.frequency;
        set("MD", kMain, channel.mode);
    }
}

void RadioModel::copyAtoB() {
    frequency_[kSub] = frequency_[kMain];
    set("MD", kSub, get("MD", kMain));
}

void RadioModel::swapVfos() {
    std::swap(frequency_[kMain], frequency_[kSub]);
    const int mainMode = get("MD", kMain);
    set("MD", kMain, get("MD", kSub));
    set("MD", kSub, mainMode);
}

void RadioModel::memoryToA() {
    const MemoryChannel& channel = memories[static_cast<size_t>(get("MC"))];
    if (!channel.used) return;
    frequency_[kMain] = channel.frequency;
    set("MD", kMain, channel.mode);
}

void RadioModel::aToMemory() {
    memories[static_cast<size_t>(get("MC"))] = {frequency_[kMain], get("MD", kMain), true};
}

void RadioModel::quickMemoryIn() {
    quickMemory = {frequency_[kMain], get("MD", kMain), true};
}

void RadioModel::quickMemoryRecall() {
    frequency_[kMain] = quickMemory.frequency;
    set("MD", kMain, quickMemory.mode);
}

void RadioModel::channelStep(int direction) {
    set("MC", 0, (get("MC") + direction + kMemoryChannels) % kMemoryChannels);
}

void RadioModel::quickSplit(int64_t offsetHz) {
    frequency_[kSub] = std::clamp(frequency_[kMain] + offsetHz, kMinFrequency, kMaxFrequency);
    set("MD", kSub, get("MD", kMain));
    set("FT", 0, 1);
}

void RadioModel::pressModeKey(int key) {
    const ModeKey& k = kModeKeys[key];
    set("MD", kMain, get("MD", kMain) == k.mode ? k.second : k.mode);
}

void RadioModel::pressFunctionKey(int key) {
    VfKnob& knob = vf[kMain];
    knob.flag = 1;
    knob.digit[1] = key;
}

int recordIndicator(const RadioModel& m, int index) {
    const bool sending = m.get("TX") != 0;
    switch (index) {
        case kInfoReceiving:
            return !sending;
        case kInfoRec:
            return m.get("LM", 0) != 0 || m.get("LM", 1) != 0;
        case kInfoPlay:
            return m.get("PB", 0) != 0 || m.get("PB", 1) != 0 || m.keyerPlaying != 0;
        case kInfoTxA:
            return sending && m.get("FT") == 0;
        case kInfoTxB:
            return sending && m.get("FT") != 0;
        default:
            return m.recordFlags[index];
    }
}

}  // namespace velmora::sim
