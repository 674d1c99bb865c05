#pragma once
// What the window benchmarks share: the program's window against the simulated radio on a
// pseudo-terminal, offscreen unless a platform is chosen, connected and read through; event
// pumping with a deadline, process CPU time and percentiles.
#include <dirent.h>
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>
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

// CPU seconds used so far by each thread of the process, added up by thread name.
inline std::map<std::string, double> threadCpuSeconds() {
    std::map<std::string, double> out;
    const double tick = double(sysconf(_SC_CLK_TCK));
    DIR* dir = opendir("/proc/self/task");
    if (!dir) return out;
    while (const dirent* e = readdir(dir)) {
        if (e->d_name[0] == '.') continue;
        std::ifstream stat(std::string("/proc/self/task/") + e->d_name + "/stat");
        std::string line;
        std::getline(stat, line);
        // "tid (name) state ..." with utime and stime the 14th and 15th fields.
        const size_t open = line.find('('), close = line.rfind(')');
        if (open == std::string::npos || close == std::string::npos) continue;
        std::istringstream rest(line.substr(close + 2));
        std::string field;
        double utime = 0, stime = 0;
        for (int i = 3; i <= 15 && rest >> field; ++i) {
            if (i == 14) utime = std::stod(field);
            if (i == 15) stime = std::stod(field);
        }
        out[line.substr(open + 1, close - open - 1)] += (utime + stime) / tick;
    }
    closedir(dir);
    return out;
}

struct Idle {
    double program, guiThread;              // percent of one core
    std::map<std::string, double> threads;  // percent of one core by thread name
    double of(const std::string& name) const {
        const auto it = threads.find(name);
        return it == threads.end() ? 0 : it->second;
    }
};

// The event loop left to itself for the given time.
inline Idle idleCpu(int seconds) {
    const double cpu0 = cpuSeconds(), gui0 = guiThreadCpuSeconds();
    const auto threads0 = threadCpuSeconds();
    const auto t0 = Clock::now();
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    const double wall = std::chrono::duration<double>(Clock::now() - t0).count();
    Idle idle{
        100.0 * (cpuSeconds() - cpu0) / wall, 100.0 * (guiThreadCpuSeconds() - gui0) / wall, {}};
    for (const auto& [name, s] : threadCpuSeconds()) {
        const auto before = threads0.find(name);
        idle.threads[name] = 100.0 * (s - (before == threads0.end() ? 0 : before->second)) / wall;
    }
    return idle;
}

// The per-thread figures on one line, the busiest first.
inline void printThreads(const Idle& idle) {
    std::vector<std::pair<double, std::string>> rows;
    for (const auto& [name, pct] : idle.threads) rows.push_back({pct, name});
    std::sort(rows.rbegin(), rows.rend());
    std::printf("  by thread:");
    for (const auto& [pct, name] : rows) std::printf(" %s %.2f %%;", name.c_str(), pct);
    std::printf("\n");
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
