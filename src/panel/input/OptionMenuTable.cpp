#include "panel/input/OptionMenuTable.h"

#include <cstring>

#include "link/RadioRecords.h"

namespace velmora {

namespace {

// clang-format off
constexpr OptionMenuItem kTuner[] = {{"TUNER OFF", 1}, {"TUNER ON", 2}, {"TUNING", 3}};
constexpr OptionMenuItem kAntenna[] = {
    {"ANTENNA1", 1}, {"ANTENNA2", 2}, {"ANTENNA3", 3}, {"ANTENNA4", 4}};
constexpr OptionMenuItem kProcessor[] = {{"OFF", 1}, {"MIC-EQ", 3}, {"PROC", 2}};
constexpr OptionMenuItem kAttenuator[] = {
    {"ATT OFF", 1}, {"6dB(1/2)", 2}, {"12dB(1/4)", 3}, {"18dB(1/8)", 4}};
constexpr OptionMenuItem kAmpMain[] = {{"AMP1", 1}, {"AMP2", 2}, {"THRU1", 3}, {"THRU2", 4}};
constexpr OptionMenuItem kAmpSub[] = {{"AMP1", 1}, {"AMP2", 2}, {"THRU", 3}};
constexpr OptionMenuItem kRoofingMain[] = {
    {"AUTO", 1}, {"300Hz", 6}, {"600Hz", 5}, {"3KHz", 4}, {"6KHz", 3}, {"15KHz", 2}};
constexpr OptionMenuItem kRoofingSub[] = {{"AUTO", 1}, {"3KHz", 4}, {"6KHz", 3}, {"15KHz", 2}};
constexpr OptionMenuItem kAgc[] = {
    {"AGC OFF", 1}, {"AGC AUTO", 2}, {"AGC FAST", 3}, {"AGC MID", 4}, {"AGC SLOW", 5}};
constexpr OptionMenuItem kNoiseBlanker[] = {{"NB OFF", 1}, {"NB ON", 2}, {"NB-W ON", 3}};
constexpr OptionMenuItem kSplit[] = {{"SPLIT", 1}, {"QUICK SPLIT", 3}};

#define ONE(field) [](const RadioRecords& r, int) { return r.field.get(); }
#define SIDE(field) [](const RadioRecords& r, int side) { return r.field[side].get(); }

constexpr OptionMenu kMenus[] = {
    // code  sub    offset      items          reported          digit by value sent
    { 6, false, {  3, 220}, kTuner,        ONE(ac),          "012"},
    { 8, false, {149, 225}, kAntenna,      SIDE(anAntenna),  "0123"},
    {11, false, { 60, 277}, kProcessor,    ONE(pr),          "012"},
    {13, false, {192, 225}, kAttenuator,   SIDE(ra),         "0123"},
    {14, false, {249, 225}, kAmpMain,      SIDE(pa),         "1203"},
    {14, true,  {249, 225}, kAmpSub,       SIDE(pa),         "1203"},
    {15, false, {292, 225}, kRoofingMain,  SIDE(rf),         "012345"},
    {15, true,  {292, 225}, kRoofingSub,   SIDE(rf),         "012345"},
    {16, false, {334, 225}, kAgc,          SIDE(gt),         "04123"},
    {17, false, {980, 100}, kNoiseBlanker, SIDE(nb),         "012"},
    {39, false, {390, 300}, kSplit,        nullptr,          ""},  // an action, not a setting
};
// clang-format on

#undef ONE
#undef SIDE

bool hasSubList(int32_t code) {
    return code == 14 || code == 15;
}

}  // namespace

const OptionMenu* optionMenuOf(int32_t code, bool sub) {
    const bool wantSub = sub && hasSubList(code);
    for (const OptionMenu& menu : kMenus) {
        if (menu.code == code && menu.subList == wantSub) return &menu;
    }
    return nullptr;
}

uint32_t checkedItem(const OptionMenu& menu, const RadioRecords& records, int side) {
    if (!menu.reported) return 0;
    const int32_t digit = menu.reported(records, side);
    const size_t sent = std::strlen(menu.reportedBySent);
    for (size_t v = 0; v < sent; ++v) {
        if (menu.reportedBySent[v] - '0' != digit) continue;
        const uint32_t id = static_cast<uint32_t>(v) + 1;
        for (const OptionMenuItem& item : menu.items) {
            if (item.id == id) return id;
        }
    }
    return 0;
}

}  // namespace velmora
