// The meters against the simulated radio, offscreen: how long a new meter reading on the radio
// takes to reach the back buffer's needle and to be painted, and what the whole program costs
// while the radio drifts every meter (needle, bar, one knob setting, the clarifier) 20 times a
// second (the simulated radio runs in the same process, so its share is in the program's
// figure: the figures by thread tell it apart; the still run gives the base). Prints its figures;
// run from build/dev/bench. For where the time goes, run it under valgrind --tool=callgrind
// --collect-atstart=no --toggle-collect='QEventLoop::exec*' (the two CPU runs only).
#include <cstdlib>

#include "WindowAgainstRadio.h"
#include "link/RadioStateStore.h"

using namespace velmora;
using namespace velmora::bench;

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication qapp(argc, argv);
    WindowAgainstRadio run;
    if (!run.connectAndRead()) return 1;
    gui::MainWindow& window = *run.window;
    const QRect face(58, 34, 161, 66);
    auto needle = [&] { return window.canvas().backBuffer().copy(face); };

    constexpr int kSamples = 200;
    std::vector<double> drawn, painted;
    int early = 0;
    for (int i = 0; i < kSamples; ++i) {
        // Readings 10 apart, so every sample moves the needle by two degrees.
        const int reading = 20 + 10 * (i % 22);
        const QImage before = needle();
        const int paints = window.view().paints();
        const auto t0 = Clock::now();
        run.radio.frontPanel([reading](sim::RadioModel& m) { m.meter[0] = reading; });
        if (!pumpUntil([&] { return needle() != before; }, std::chrono::seconds(2))) continue;
        const auto t1 = Clock::now();
        if (run.app->store().records.rm.get() != reading) ++early;
        if (!pumpUntil([&] { return window.view().paints() > paints; }, std::chrono::seconds(2)))
            continue;
        const auto t2 = Clock::now();
        drawn.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
        painted.push_back(std::chrono::duration<double, std::milli>(t2 - t0).count());
    }
    // A needle that changed before the reading reached the store would be another change's.
    std::printf(
        "meter reading on the radio -> needle in the back buffer (%zu of %d samples, %d early, "
        "unpaced pty): p50 %.2f ms p99 %.2f ms\n",
        drawn.size(), kSamples, early, percentile(drawn, 0.5), percentile(drawn, 0.99));
    std::printf(
        "meter reading on the radio -> paint done: p50 %.2f ms p99 %.2f ms (goal p99 <= one "
        "frame, 16.7 ms)\n",
        percentile(painted, 0.5), percentile(painted, 0.99));

    constexpr int kSeconds = 10;
    const Idle still = idleCpu(kSeconds);
    std::printf(
        "CPU over %d s, the radio connected and still: program %.2f %% of one core, GUI thread "
        "%.2f %%\n",
        kSeconds, still.program, still.guiThread);
    printThreads(still);
    run.radio.setMeterDrift(20);
    const Idle drifting = idleCpu(kSeconds);
    std::printf(
        "CPU over %d s, the radio drifting every meter 20 times a second: program %.2f %% of one "
        "core (goal <= 2 %%), GUI thread %.2f %%\n",
        kSeconds, drifting.program, drifting.guiThread);
    printThreads(drifting);
    // The radio is another device: its thread is not the window program's.
    std::printf(
        "  the window program without the simulated radio's thread: still %.2f %%, drifting "
        "%.2f %% of one core (goal <= 2 %%)\n",
        still.program - still.of("aldren-sim"), drifting.program - drifting.of("aldren-sim"));
    return 0;
}
