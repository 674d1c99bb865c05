// What filling the menu list and opening the longest setting list cost, and installing the
// built-in table into a store.
#include <benchmark/benchmark.h>

#include "link/MenuTable.h"
#include "link/MenuValueCodec.h"
#include "menulist/BuiltInMenuTable.h"
#include "menulist/MenuTexts.h"

namespace {

using namespace velmora;

void BM_AllMenuLines(benchmark::State& state) {
    const auto& defs = builtInMenuDefinitions();
    for (auto _ : state) {
        for (const auto& def : defs) {
            benchmark::DoNotOptimize(
                menuLineText(def, kShownPositionStartKind14, kShownPositionStartKind38));
        }
    }
    state.SetItemsProcessed(state.iterations() * kBuiltInMenuItemCount);
}
BENCHMARK(BM_AllMenuLines);

void BM_LongestSettingList(benchmark::State& state) {
    const MenuItemDef& contestNumber = builtInMenuDefinitions()[23];  // 0-9999
    for (auto _ : state) benchmark::DoNotOptimize(menuSettingEntries(contestNumber));
}
BENCHMARK(BM_LongestSettingList);

void BM_InstallBuiltInTable(benchmark::State& state) {
    static MenuTable table;  // large: keep it off the stack
    const auto& defs = builtInMenuDefinitions();
    for (auto _ : state) {
        table.install(defs.data(), kBuiltInMenuItemCount);
        table.setCount(kBuiltInMenuItemCount);
    }
}
BENCHMARK(BM_InstallBuiltInTable);

void BM_EncodeAllDefaults(benchmark::State& state) {
    const auto& defs = builtInMenuDefinitions();
    for (auto _ : state) {
        for (const auto& def : defs) {
            benchmark::DoNotOptimize(encodeMenuField(def.valueKind, def.width, def.value));
        }
    }
    state.SetItemsProcessed(state.iterations() * kBuiltInMenuItemCount);
}
BENCHMARK(BM_EncodeAllDefaults);

}  // namespace

BENCHMARK_MAIN();
