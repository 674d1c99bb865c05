#include "equalizer/EqualizerBands.h"

#include "link/MenuTable.h"

namespace velmora::equalizer {

namespace {

constexpr int kBand1Hz[] = {0, 100, 200, 300, 400, 500, 600, 700};
constexpr int kBand2Hz[] = {0, 700, 800, 900, 1000, 1100, 1200, 1300, 1400, 1500};
constexpr int kBand3Hz[] = {0,    1500, 1600, 1700, 1800, 1900, 2000, 2100, 2200, 2300,
                            2400, 2500, 2600, 2700, 2800, 2900, 3000, 3100, 3200};

constexpr int32_t kLevelMin = -20, kLevelMax = 10;
constexpr int32_t kBwthMin = 1, kBwthMax = 10;

// Value kinds by set, then FREQ / LEVEL / BWTH, then band.
// clang-format off
constexpr int kKinds[kSetCount][3][kBandCount] = {
    {{31, 32, 33}, {25, 26, 27}, {19, 20, 21}},
    {{34, 35, 36}, {28, 29, 30}, {22, 23, 24}},
};
// clang-format on

}  // namespace

std::span<const int> bandFrequencies(int band) {
    switch (band) {
        case 1:
            return kBand1Hz;
        case 2:
            return kBand2Hz;
        default:
            return kBand3Hz;
    }
}

ValueRange paramRange(int p) {
    switch (paramOf(p)) {
        case Param::Freq:
            return {0, static_cast<int32_t>(bandFrequencies(bandOf(p)).size()) - 1};
        case Param::Level:
            return {kLevelMin, kLevelMax};
        default:
            return {kBwthMin, kBwthMax};
    }
}

bool valueInRange(int p, int32_t v) {
    return paramRange(p).contains(v);
}

bool allInRange(const EqualizerValues& v) {
    for (int p = 0; p < kParamCount; ++p) {
        if (!valueInRange(p, v[static_cast<size_t>(p)])) return false;
    }
    return true;
}

int equalizerValueKind(int set, int p) {
    return kKinds[set == 0 ? 0 : 1][static_cast<int>(paramOf(p))][bandOf(p) - 1];
}

EqualizerItems findEqualizerItems(const MenuTable& menus, int set) {
    EqualizerItems items{};
    const int count = menus.count();
    for (int p = 0; p < kParamCount; ++p) {
        const int kind = equalizerValueKind(set, p);
        for (int n = 1; n <= count; ++n) {
            if (menus.valueKind(n) != kind) continue;
            items[static_cast<size_t>(p)] = n;
            break;
        }
    }
    return items;
}

std::string valueText(int p, int32_t v) {
    if (!valueInRange(p, v)) return "?????";
    switch (paramOf(p)) {
        case Param::Freq:
            if (v == 0) return "OFF";
            return std::to_string(bandFrequencies(bandOf(p))[static_cast<size_t>(v)]) + " Hz";
        case Param::Level:
            return std::to_string(v) + " dB";
        default:
            return std::to_string(v);
    }
}

}  // namespace velmora::equalizer
