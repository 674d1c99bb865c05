// The link under faults, the program on the headless host against the simulated radio on a
// pseudo-terminal:
// - a whole read (COM key to the reads' end) on a clean line, with 2000 noise bytes a second,
//   with 5 % of the commands refused and with a 2 s silence in the middle of the read: the time
//   it takes and the answers still missing at its end (the goal: none);
// - reconnect: the device removed and brought back, the time from its return to the radio's
//   identification, and the CPU the program spends a second while it waits (goal <= 0.1 %).
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

#include "app/FailurePresenter.h"
#include "app/HeadlessHost.h"
#include "app/LinkApplication.h"
#include "app/LinkEvents.h"
#include "link/MessageIds.h"
#include "link/PanelActionTable.h"
#include "link/RadioStateStore.h"
#include "sim/PtyTransport.h"
#include "sim/SimulatedRadio.h"

namespace velmora {
namespace {

using Clock = std::chrono::steady_clock;

class Onlooker : public FailurePresenter, public LinkEvents {
  public:
    void showFailure(int, std::string_view) override {}
    void linkLost(std::string_view) override { ++losses; }
    void linkRestored() override { ++restorations; }
    int losses = 0, restorations = 0;
};

double cpuSeconds() {
    rusage u{};
    ::getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// One program against one radio; the radio's line can be taken away and brought back.
struct Rig {
    explicit Rig(sim::FaultPlan faults) {
        static int counter = 0;
        const std::string tag = std::to_string(::getpid()) + "-" + std::to_string(counter++);
        base = std::filesystem::temp_directory_path() / ("velmora-reliability-bench-" + tag);
        link = (std::filesystem::temp_directory_path() / ("velmora-reliability-tty-" + tag));
        std::filesystem::create_directories(base);
        sim::SimOptions options;
        options.faults = faults;
        radio = std::make_unique<sim::SimulatedRadio>(options);
        plugIn();
        LinkApplicationConfig config;
        config.baseDirectory = base.string();
        config.portOverride = link.string();
        config.scanPorts = false;
        app = std::make_unique<LinkApplication>(host, onlooker, config);
        app->setEvents(&onlooker);
        host.setMessageHandler(
            [this](uint32_t id, uintptr_t w, intptr_t l) { app->onWindowMessage(id, w, l); });
        host.setTimerHandler([this](int id) { app->onTimer(id); });
        app->start();
    }
    ~Rig() {
        app->shutdown();
        if (transport) transport->stop();
        std::filesystem::remove_all(base);
    }
    bool plugIn() {
        transport = std::make_unique<sim::PtyTransport>(*radio, sim::PtyOptions{link.string()});
        return transport->start();
    }
    void unplug() {
        transport->disconnect();
        transport->stop();
    }
    bool runUntil(const std::function<bool()>& cond, std::chrono::seconds limit) {
        const auto end = Clock::now() + limit;
        while (!cond()) {
            if (Clock::now() >= end) return false;
            host.run(Clock::now() + std::chrono::milliseconds(5));
        }
        return true;
    }
    bool readsOver() const {
        const LinkProgress& p = app->progress();
        return p.menuReadsCompleted() + p.menuReadsIncomplete() > 0;
    }

    std::filesystem::path base, link;
    HeadlessHost host;
    Onlooker onlooker;
    std::unique_ptr<sim::SimulatedRadio> radio;
    std::unique_ptr<sim::PtyTransport> transport;
    std::unique_ptr<LinkApplication> app;
};

sim::FaultPlan faultFor(int64_t kind) {
    sim::FaultPlan f;
    if (kind == 1) f.noiseBytesPerSecond = 2000;
    if (kind == 2) f.refuseFraction = 0.05;
    if (kind == 3) {
        f.silenceAfterCommands = 150;
        f.silenceForMs = 2000;
    }
    return f;
}

void BM_ReadUnderFaults(benchmark::State& state) {
    double totalMs = 0, missing = 0;
    for (auto _ : state) {
        Rig rig(faultFor(state.range(0)));
        const auto begin = Clock::now();
        PostPanelAction(rig.app->store().mailbox, 1, false, false, false, 0);
        rig.runUntil([&] { return rig.readsOver(); }, std::chrono::seconds(60));
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
        state.SetIterationTime(ms / 1000.0);
        totalMs += ms;
        missing += static_cast<double>(rig.app->store().readLedger.missing().size()) +
                   (rig.readsOver() ? 0 : 1000);  // a read that never ended counts as all missing
    }
    const double n = static_cast<double>(std::max<int64_t>(state.iterations(), 1));
    state.counters["mean_ms"] = totalMs / n;
    state.counters["missing"] = missing / n;
}
// 0: clean, 1: noise 2000 B/s, 2: 5 % refused, 3: a 2 s silence mid-read.
BENCHMARK(BM_ReadUnderFaults)
    ->DenseRange(0, 3)
    ->UseManualTime()
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond);

void BM_ReconnectAfterTheDeviceReturns(benchmark::State& state) {
    double totalMs = 0, idleCpu = 0;
    for (auto _ : state) {
        Rig rig({});
        PostPanelAction(rig.app->store().mailbox, 1, false, false, false, 0);
        if (!rig.runUntil([&] { return rig.readsOver(); }, std::chrono::seconds(30))) {
            state.SkipWithError("the first read did not end");
            break;
        }
        rig.unplug();
        rig.runUntil([&] { return rig.onlooker.losses == 1; }, std::chrono::seconds(10));
        // Waiting for the device: what the program spends meanwhile (nothing else runs here).
        const double cpu0 = cpuSeconds();
        const auto wait0 = Clock::now();
        rig.runUntil([] { return false; }, std::chrono::seconds(3));
        const double waitS = std::chrono::duration<double>(Clock::now() - wait0).count();
        idleCpu += (cpuSeconds() - cpu0) / waitS * 100.0;
        const auto back = Clock::now();
        rig.plugIn();
        rig.runUntil([&] { return rig.onlooker.restorations == 1; }, std::chrono::seconds(10));
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - back).count();
        state.SetIterationTime(ms / 1000.0);
        totalMs += ms;
    }
    const double n = static_cast<double>(std::max<int64_t>(state.iterations(), 1));
    state.counters["back_to_identified_ms"] = totalMs / n;
    state.counters["idle_cpu_pct"] = idleCpu / n;
}
BENCHMARK(BM_ReconnectAfterTheDeviceReturns)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora

BENCHMARK_MAIN();
