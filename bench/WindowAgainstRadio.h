#pragma once
// What the window benchmarks share: the program's window against the simulated radio on a
// pseudo-terminal, offscreen unless a platform is chosen, connected and read through; event
// pumping with a deadline, process CPU time and percentiles.
#include <sys/resource.h>
#include <time.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "app/LinkApplication.h"
#include "gui/MainWindow.h"
#include "gui/QtFailurePresenter.h"
#include "gui/QtWindowHost.h"
#include "link/PanelActionTable.h"
#include "sim/PtyTransport.h"
#include "sim/SimulatedRadio.h"
#include "sim/Transcript.h"

namespace velmora::bench {

using Clock = std::chrono::steady_clock;

inline bool pumpUntil(const std::function<bool()>& cond, std::chrono::milliseconds deadline) {
    const auto end = Clock::now() + deadline;
    while (!cond()) {
        if (Clock::now() >= end) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    return true;
}

inline double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    auto s = [](timeval t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return s(u.ru_utime) + s(u.ru_stime);
}

inline double percentile(std::vector<double> v, double p) {
    if (v.empty()) return -1;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<size_t>(p * double(v.size())))];
}

inline double guiThreadCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

struct Idle {
    double program, guiThread;  // percent of one core
};

// The event loop left to itself for the given time.
inline Idle idleCpu(int seconds) {
    const double cpu0 = cpuSeconds(), gui0 = guiThreadCpuSeconds();
    const auto t0 = Clock::now();
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    const double wall = std::chrono::duration<double>(Clock::now() - t0).count();
    return {100.0 * (cpuSeconds() - cpu0) / wall, 100.0 * (guiThreadCpuSeconds() - gui0) / wall};
}

class WindowAgainstRadio {
  public:
    // transcript: records the line when given. The QApplication must exist.
    explicit WindowAgainstRadio(double zoom = 1.0, sim::Transcript* transcript = nullptr)
        : transport_(radio, lineOptions(transcript)), zoom_(zoom) {}

    // Starts everything, presses the COM key and waits for the menu read; false on failure.
    bool connectAndRead() {
        if (!transport_.start()) return false;
        presenter_.setUnattended(true);
        LinkApplicationConfig config;
        config.baseDirectory = dir_.path().toStdString();
        config.portOverride = transport_.slavePath();
        config.scanPorts = false;
        app = std::make_unique<LinkApplication>(host, presenter_, config);
        window =
            std::make_unique<gui::MainWindow>(*app, host, gui::MainWindowOptions{{}, false, zoom_});
        window->startUp();
        if (!app->start()) return false;
        window->show();
        window->applyZoom();
        PostPanelAction(app->store().mailbox, 1, false, false, false, 0);
        if (pumpUntil([&] { return app->progress().menuReadsCompleted() > 0; },
                      std::chrono::seconds(120)))
            return true;
        std::fprintf(stderr, "the menu read did not complete\n");
        return false;
    }

    ~WindowAgainstRadio() {
        host.stopWaiting();
        if (app) app->shutdown();
        window.reset();
        app.reset();
        transport_.stop();
    }

    sim::SimulatedRadio radio;
    gui::QtWindowHost host;
    std::unique_ptr<LinkApplication> app;
    std::unique_ptr<gui::MainWindow> window;

  private:
    static sim::PtyOptions lineOptions(sim::Transcript* transcript) {
        sim::PtyOptions o;
        o.transcript = transcript;
        return o;
    }

    QTemporaryDir dir_;
    sim::PtyTransport transport_;
    gui::QtFailurePresenter presenter_;
    double zoom_;
};

}  // namespace velmora::bench
