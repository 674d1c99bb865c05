// Answers analysed per second on one core over a mixed stream, and heap allocations per answer
// in steady state (counted by AllocationCounter.h; the goal is 0).
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <string_view>
#include <vector>

#include "AllocationCounter.h"
#include "link/AnswerReceiver.h"
#include "link/RadioStateStore.h"

namespace velmora {
namespace {

// A session's mix: frequencies while tuning, meters, status, levels, menu items (changing and
// repeated), keyer text, a code in no table, a refused frequency.
constexpr std::string_view kStream[] = {
    "FA14195000", "FA14195010",
    "SM0045",     "RM1123",
    "FB07074000", "MD02",
    "SM1012",     "IF00114195000-012010201051",
    "AG0128",     "SQ1030",
    "RF13",       "LK5",
    "NB01",       "EX001050",
    "EX001051",   "OI00107074000+000000100000",
    "FA14195020", "KM1CQ CQ DE TEST K",
    "ZZ12345",    "FA00025000",
    "AI1",        "PS1",
    "BP01250",    "PE011-15",
};

class CountingWindow : public WindowHost {
  public:
    void post(uint32_t, uintptr_t, intptr_t) override { ++posts; }
    void send(uint32_t, uintptr_t, intptr_t) override { ++posts; }
    void setTimer(int, int) override {}
    void killTimer(int) override {}
    uint64_t posts = 0;
};

struct Session {
    Session() {
        InitRadioState(*store, nullptr);
        InitPanelState(*store);
        MenuItemDef item;
        item.number = 1;
        item.width = 3;
        store->menus.install(&item, 1);
        store->menus.setCount(1);
        store->mainWindow = &window;
    }
    std::unique_ptr<RadioStateStore> store = std::make_unique<RadioStateStore>();
    CountingWindow window;
};

constexpr size_t kStreamSize = std::size(kStream);

void BM_AnalyseMixedStream(benchmark::State& state) {
    Session s;
    AnswerAnalysis analysis(*s.store);
    size_t i = 0;
    for (size_t warm = 0; warm < 2 * kStreamSize; ++warm)
        analysis.handle(kStream[warm % kStreamSize]);
    const uint64_t allocsBefore = bench::allocationCount();
    for (auto _ : state) {
        benchmark::DoNotOptimize(analysis.handle(kStream[i]));
        if (++i == kStreamSize) i = 0;
    }
    const double answers = static_cast<double>(state.iterations());
    state.SetItemsProcessed(state.iterations());
    state.counters["allocs_per_answer"] =
        static_cast<double>(bench::allocationCount() - allocsBefore) / answers;
}
BENCHMARK(BM_AnalyseMixedStream);

// The whole path of one answer on the analysis thread: RecvRing.Put by the producer, then
// WM_ANSWER_QUEUED's handling (Get, timers, analysis, notification).
void BM_ReceiveThroughRing(benchmark::State& state) {
    Session s;
    AnswerReceiver receiver(*s.store);
    size_t i = 0;
    for (size_t warm = 0; warm < 2 * kStreamSize; ++warm) {
        const auto a = kStream[warm % kStreamSize];
        s.store->recvRing.Put(a.size(), a.data());
        receiver.onAnswerQueued();
    }
    const uint64_t allocsBefore = bench::allocationCount();
    for (auto _ : state) {
        const auto a = kStream[i];
        s.store->recvRing.Put(a.size(), a.data());
        benchmark::DoNotOptimize(receiver.onAnswerQueued());
        if (++i == kStreamSize) i = 0;
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["allocs_per_answer"] =
        static_cast<double>(bench::allocationCount() - allocsBefore) / state.iterations();
}
BENCHMARK(BM_ReceiveThroughRing);

}  // namespace
}  // namespace velmora

BENCHMARK_MAIN();
