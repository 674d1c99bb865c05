// Requests turned into commands per second by the command thread's logic (without the thread),
// and heap allocations per command in steady state (counted by AllocationCounter.h; the goal is
// 0). Pauses are skipped: they are pacing, not work.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>

#include "AllocationCounter.h"
#include "command/CommandDispatcher.h"
#include "link/MessageIds.h"
#include "link/RadioStateStore.h"

namespace velmora {
namespace {

// The send thread as the ring's consumer: counts its wake-ups, allocates nothing.
class CountingThread : public ThreadHandle {
  public:
    bool post(uint32_t, uintptr_t, intptr_t) override {
        posts.fetch_add(1, std::memory_order_relaxed);
        return true;
    }
    bool isRunning() const override { return true; }
    std::atomic<uint64_t> posts{0};
};

struct Req {
    uint32_t id;
    uintptr_t wParam;
    intptr_t lParam;
};

// An operator's session: the dial and knobs turning, frequencies typed, toggles, band keys,
// option menus, the keep-alive; each sends one command (VD/SD sends two).
constexpr Req kSession[] = {
    {req::DIAL_STEP_0, 0, 3},
    {req::DIAL_STEP_0, 0, -2},
    {req::FREQUENCY_A, 0, 14195000},
    {req::FREQUENCY_B, 1, 7074000},
    {req::DS_TOGGLE, 0, 0},
    {req::GT_CHOICE, 1, 1},
    {req::SQ_0_VALUE, 0, 40},
    {req::AG_0_VALUE, 0, 128},
    {req::IF_SHIFT_STEP_MAIN, 0, 21},
    {req::BS_00, 0, 0},
    {req::KY_1, 0, 0},
    {req::DN, 0, 0},
    {req::VF_STEP_MAIN, 0, -3},
    {req::NA_TOGGLE, 1, 0},
    {req::KC_50_FIRST, 0, 5},
    {req::IF_SHIFT_VALUE, 0, -120},
    {req::FR_SWITCH, 0, 0},
    {req::PL_VALUE, 0, 50},
    {req::RECEIVER_STATUS, 1, 0},
    {req::SF_03_PRESS, 0, 1},
};

class CommandBench {
  public:
    CommandBench() {
        InitRadioState(*store, nullptr);
        InitPanelState(*store);
        store->threads.Sio_Send_Thread = &sendThread;
    }
    ~CommandBench() { store->threads.Sio_Send_Thread = nullptr; }

    // Handles one request and takes what it sent out of the ring, as the send thread would.
    int handleAndDrain(const Req& r) {
        dispatcher.handle(r.id, r.wParam, r.lParam);
        int commands = 0;
        while (store->sendRing.tryGet(buffer) != CommRing::kEmpty) ++commands;
        return commands;
    }

    std::unique_ptr<RadioStateStore> store = std::make_unique<RadioStateStore>();
    CountingThread sendThread;
    CommandDispatcher dispatcher{*store, [](int) { return true; }, [] { return true; }};
    uint8_t buffer[512];
};

void BM_RequestsToCommands(benchmark::State& state) {
    CommandBench bench;
    for (const Req& r : kSession) bench.handleAndDrain(r);  // warm up
    uint64_t commands = 0;
    const uint64_t allocationsBefore = bench::allocationCount();
    for (auto _ : state) {
        for (const Req& r : kSession) commands += static_cast<uint64_t>(bench.handleAndDrain(r));
    }
    const uint64_t allocations = bench::allocationCount() - allocationsBefore;
    state.SetItemsProcessed(static_cast<int64_t>(commands));
    state.counters["commands"] = static_cast<double>(commands);
    state.counters["allocs_per_command"] =
        commands ? static_cast<double>(allocations) / static_cast<double>(commands) : 0.0;
}
BENCHMARK(BM_RequestsToCommands);

// The whole initial read: 76 steps, 152 queries.
void BM_InitialReadQueries(benchmark::State& state) {
    CommandBench bench;
    uint64_t commands = 0;
    const uint64_t allocationsBefore = bench::allocationCount();
    for (auto _ : state) {
        bench.handleAndDrain({req::START_INITIAL_READ, 0, 0});
        for (int i = 0; i < kReadTableSize; ++i) {
            commands += static_cast<uint64_t>(bench.handleAndDrain({req::INITIAL_READ_STEP, 0, 0}));
        }
        bench.handleAndDrain({req::STOP_READS, 0, 0});
    }
    const uint64_t allocations = bench::allocationCount() - allocationsBefore;
    state.SetItemsProcessed(static_cast<int64_t>(commands));
    state.counters["allocs_per_command"] =
        commands ? static_cast<double>(allocations) / static_cast<double>(commands) : 0.0;
}
BENCHMARK(BM_InitialReadQueries);

// The menu write of ten changed items (the EX text is built by the menu codec).
void BM_MenuWrite(benchmark::State& state) {
    CommandBench bench;
    bench.store->menus.setCount(177);
    uint64_t commands = 0;
    uint64_t allocations = 0;
    for (auto _ : state) {
        state.PauseTiming();
        for (int n = 1; n <= 10; ++n) {
            MenuItemDef def{};
            def.number = n;
            def.width = 3;
            def.valueKind = 4;
            def.newValue = -n;
            def.changed = 1;
            bench.store->menus.setItem(n * 17, def);
        }
        const uint64_t before = bench::allocationCount();
        state.ResumeTiming();
        commands += static_cast<uint64_t>(bench.handleAndDrain({req::MENU_WRITE, 0, 0}));
        allocations += bench::allocationCount() - before;
    }
    state.SetItemsProcessed(static_cast<int64_t>(commands));
    state.counters["allocs_per_command"] =
        commands ? static_cast<double>(allocations) / static_cast<double>(commands) : 0.0;
}
BENCHMARK(BM_MenuWrite);

}  // namespace
}  // namespace velmora

BENCHMARK_MAIN();
