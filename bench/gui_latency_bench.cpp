// The window against the simulated radio, offscreen: how long a VFO-A change on the radio takes
// to reach the back buffer and to be painted, and what the whole program costs while the radio
// is connected and silent (the frequency refresh drawing only changes, then every 30 ms tick).
// Prints its figures; run from build/dev/bench.
#include <QTimer>
#include <cstdlib>

#include "WindowAgainstRadio.h"
#include "link/RadioStateStore.h"

using namespace velmora;
using namespace velmora::bench;

namespace {}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication qapp(argc, argv);
    WindowAgainstRadio run;
    if (!run.connectAndRead()) return 1;
    gui::MainWindow& window = *run.window;
    sim::SimulatedRadio& radio = run.radio;

    constexpr int kSamples = 200;
    std::vector<double> drawn, painted;
    for (int i = 0; i < kSamples; ++i) {
        const int hz = 7000000 + 10 * (i + 1);
        const int paints = window.view().paints();
        const auto t0 = Clock::now();
        radio.frontPanel([hz](sim::RadioModel& m) { m.setFrequency(sim::kMain, hz); });
        char want[16];
        std::snprintf(want, sizeof want, "%8d", hz);
        if (!pumpUntil([&] { return window.dlg().display().frequencyText(kMain) == want; },
                       std::chrono::seconds(2)))
            continue;
        const auto t1 = Clock::now();
        if (!pumpUntil([&] { return window.view().paints() > paints; }, std::chrono::seconds(2)))
            continue;
        const auto t2 = Clock::now();
        drawn.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
        painted.push_back(std::chrono::duration<double, std::milli>(t2 - t0).count());
    }
    // "FA00007010000;" at 4800 baud, 11 bits a character.
    const double wireMs = 14 * 11 * 1000.0 / 4800;
    std::printf(
        "VFO-A change on the radio -> back buffer (%zu of %d samples, unpaced pty): "
        "p50 %.2f ms p99 %.2f ms\n",
        drawn.size(), kSamples, percentile(drawn, 0.5), percentile(drawn, 0.99));
    std::printf(
        "VFO-A change on the radio -> paint done: p50 %.2f ms p99 %.2f ms "
        "(goal p99 <= wire time + 17 ms; at 4800 baud the answer's wire time is %.1f ms)\n",
        percentile(painted, 0.5), percentile(painted, 0.99), wireMs);

    constexpr int kIdleSeconds = 10;
    // The whole process holds the simulated radio and the link's threads too; the GUI thread's
    // share is the window's own.
    Idle idle = idleCpu(kIdleSeconds);
    std::printf(
        "idle CPU over %d s, radio connected and silent, refresh draws changes only: "
        "program %.2f %% of one core (goal <= 0.5 %%), GUI thread %.2f %%\n",
        kIdleSeconds, idle.program, idle.guiThread);
    window.dlg().setRefreshOnlyChanges(false);
    idle = idleCpu(kIdleSeconds);
    std::printf(
        "idle CPU over %d s, 30 ms refresh redrawing and painting every tick: program "
        "%.2f %% of one core, GUI thread %.2f %%\n",
        kIdleSeconds, idle.program, idle.guiThread);
    return 0;
}
