// The window against the simulated radio, offscreen: how long a VFO-A change on the radio takes
// to reach the back buffer and to be painted, and what the whole program costs while the radio
// is connected and silent (the frequency refresh drawing only changes, then every 30 ms tick).
// Prints its figures; run from build/dev/bench.
#include <sys/resource.h>
#include <time.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "app/LinkApplication.h"
#include "gui/MainWindow.h"
#include "gui/QtFailurePresenter.h"
#include "gui/QtWindowHost.h"
#include "link/PanelActionTable.h"
#include "link/RadioStateStore.h"
#include "sim/PtyTransport.h"
#include "sim/SimulatedRadio.h"

using namespace velmora;
using Clock = std::chrono::steady_clock;

namespace {

bool pumpUntil(const std::function<bool()>& cond, std::chrono::milliseconds deadline) {
    const auto end = Clock::now() + deadline;
    while (!cond()) {
        if (Clock::now() >= end) return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 1);
    }
    return true;
}

double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    auto s = [](timeval t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return s(u.ru_utime) + s(u.ru_stime);
}

double guiThreadCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

struct Idle {
    double program, guiThread;  // percent of one core
};

Idle idleCpu(int seconds) {
    const double cpu0 = cpuSeconds(), gui0 = guiThreadCpuSeconds();
    const auto t0 = Clock::now();
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    const double wall = std::chrono::duration<double>(Clock::now() - t0).count();
    return {100.0 * (cpuSeconds() - cpu0) / wall, 100.0 * (guiThreadCpuSeconds() - gui0) / wall};
}

double percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<size_t>(p * double(v.size())))];
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication qapp(argc, argv);
    QTemporaryDir dir;
    sim::SimulatedRadio radio;
    sim::PtyTransport transport(radio, sim::PtyOptions{});
    if (!transport.start()) return 1;
    gui::QtWindowHost host;
    gui::QtFailurePresenter presenter;
    presenter.setUnattended(true);
    LinkApplicationConfig config;
    config.baseDirectory = dir.path().toStdString();
    config.portOverride = transport.slavePath();
    config.scanPorts = false;
    LinkApplication app(host, presenter, config);
    gui::MainWindow window(app, host, {{}, false});
    window.startUp();
    if (!app.start()) return 1;
    window.show();
    PostPanelAction(app.store().mailbox, 1, false, false, false, 0);
    if (!pumpUntil([&] { return app.progress().menuReadsCompleted() > 0; },
                   std::chrono::seconds(120))) {
        std::fprintf(stderr, "the menu read did not complete\n");
        return 1;
    }

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

    host.stopWaiting();
    app.shutdown();
    transport.stop();
    return 0;
}
