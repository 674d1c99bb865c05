// Start to menu read complete: the program on the headless host against the simulated radio on
// a pseudo-terminal, from the COM key to the end of the menu read, compared with the floor that
// the fixed pacing gives. The goal is within 5 % of the floor.
//
// The floor: the COM key's switch pauses 20 ms before its "AI;", the identification pair pauses
// 2 x 25 ms, then timer 4 ticks every 30 ms for the 76 positions of the read table while the
// command thread sleeps 25 ms inside each kind-2 step and after each of the 18 equalizer queries
// (ticks that come while it sleeps wait for it), and then timer 5 ticks 177 times 30 ms apart.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>

#include "app/FailurePresenter.h"
#include "app/HeadlessHost.h"
#include "app/LinkApplication.h"
#include "command/InitialReadQueries.h"
#include "command/LinkSequences.h"
#include "command/ReadSequences.h"
#include "link/CatCommandTable.h"
#include "link/MessageIds.h"
#include "link/PanelActionTable.h"
#include "link/RadioStateStore.h"
#include "sim/PtyTransport.h"
#include "sim/SimulatedRadio.h"

namespace velmora {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kReadPositions = 76;
constexpr int kMenuItems = 177;
constexpr int kEqualizerPosition = 73, kEqualizerQueries = 18;

// How long the command thread sleeps within one step of the initial read.
int stepPauseMs(int position) {
    if (position == 0 || position == 57) return 0;  // ID and AI are not asked
    if (position == kEqualizerPosition) return kEqualizerQueries * kReadQueryPauseMs;
    return kCatTables.read[static_cast<size_t>(position)].second == kReadBothReceivers
               ? kReadQueryPauseMs
               : 0;
}

double floorMs() {
    const double start = kAiQueryPauseMs + 2 * kIdentifyPauseMs;
    double busyUntil = start;
    for (int k = 1; k <= kReadPositions; ++k) {
        const double tick = start + k * kReadStepMs;
        busyUntil = std::max(tick, busyUntil) + stepPauseMs(k - 1);
    }
    return busyUntil + kMenuItems * kReadStepMs;
}

class Silent : public FailurePresenter {
  public:
    void showFailure(int, std::string_view) override {}
};

void BM_StartToMenuReadComplete(benchmark::State& state) {
    const auto base = std::filesystem::temp_directory_path() /
                      ("velmora-startup-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(base);
    double totalMs = 0;
    for (auto _ : state) {
        sim::SimulatedRadio radio;
        sim::PtyTransport transport(radio, {});
        if (!transport.start()) {
            state.SkipWithError("no pseudo-terminal");
            break;
        }
        HeadlessHost host;
        Silent silent;
        LinkApplication app(host, silent, {base.string(), transport.slavePath(), false, nullptr});
        host.setMessageHandler(
            [&](uint32_t id, uintptr_t w, intptr_t l) { app.onWindowMessage(id, w, l); });
        host.setTimerHandler([&](int id) { app.onTimer(id); });
        app.start();
        // The keep-alive would add its own pauses to the command thread's queue.
        host.killTimer(timer::KEEP_ALIVE);
        const auto begin = Clock::now();
        PostPanelAction(app.store().mailbox, 1, false, false, false, 0);
        const auto deadline = begin + std::chrono::seconds(30);
        while (app.progress().menuReadsCompleted() == 0 && Clock::now() < deadline)
            host.run(Clock::now() + std::chrono::milliseconds(5));
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
        state.SetIterationTime(ms / 1000.0);
        totalMs += ms;
        app.shutdown();
        transport.stop();
    }
    std::filesystem::remove_all(base);
    const double mean = totalMs / static_cast<double>(std::max<int64_t>(state.iterations(), 1));
    state.counters["mean_ms"] = mean;
    state.counters["floor_ms"] = floorMs();
    state.counters["over_floor_pct"] = (mean / floorMs() - 1.0) * 100.0;
}
BENCHMARK(BM_StartToMenuReadComplete)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora

BENCHMARK_MAIN();
