#include "gui/GuiProgram.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <memory>

#include "app/LinkApplication.h"
#include "app/RigctlService.h"
#include "app/RigctldSetting.h"
#include "app/SettingsFolder.h"
#include "app/SimulatedPort.h"
#include "app/TrafficLog.h"
#include "gui/MainWindow.h"
#include "gui/QtFailurePresenter.h"
#include "gui/QtWindowHost.h"
#include "gui/RigctldMenuEntry.h"
#include "link/PanelActionTable.h"
#include "link/StoreDump.h"

namespace velmora::gui {

namespace {

constexpr int kComKeyAction = 1;  // the panel's COM key: req::COMM_SWITCH
constexpr int kStopPollMs = 200;  // how soon a signal ends the run

// Every dialog still open (a failure box, a panel window) is rejected, as by Esc.
void closeOpenDialogs() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QDialog*>(w); dialog && dialog->isVisible())
            dialog->reject();
    }
}

}  // namespace

int runWindow(const HeadlessOptions& options, const GuiOptions& gui,
              const std::atomic<bool>& stop) {
    SimulatedPort simulated(options.drift);
    const auto chosen = choosePortPath(options.simulate, options.port, simulated, stderr);
    if (!chosen) return 1;
    const std::string portPath = *chosen;

    TrafficLog log;
    if (!options.logFile.empty() && !log.open(options.logFile)) {
        std::fprintf(stderr, "velmora: cannot write %s\n", options.logFile.c_str());
        return 1;
    }

    int argc = 1;
    char name[] = "velmora";
    char* argv[] = {name, nullptr};
    QApplication qapp(argc, argv);
    QtWindowHost host;
    QtFailurePresenter presenter;
    LinkApplicationConfig config;
    config.baseDirectory = openSettingsFolder(options.configDir, stderr);
    config.simulated = options.simulate;
    config.portOverride = portPath;
    config.traffic = options.logFile.empty() ? nullptr : &log;
    LinkApplication app(host, presenter, config);
    MainWindow window(app, host, {QString::fromStdString(gui.skinDir), gui.splash, gui.zoom});
    presenter.setParent(&window);
    presenter.setUnattended(!gui.screenshotFile.empty());

    // Polled from the start, so that a termination request also ends a run whose start-up box
    // is still waiting for its OK.
    QTimer stopPoll;
    QObject::connect(&stopPoll, &QTimer::timeout, &window, [&] {
        if (!stop.load(std::memory_order_acquire)) return;
        closeOpenDialogs();
        window.close();
    });
    stopPoll.start(kStopPollMs);

    window.startUp();
    if (!app.start()) {
        std::fprintf(stderr, "velmora: a worker thread cannot be started\n");
        return 1;
    }
    // --rigctld wins over the setting the menu entry keeps.
    RigctlService rigctld(app.store());
    const RigctldSetting kept = readRigctldSetting(config.baseDirectory);
    const std::string rigctldAddress = options.rigctld.empty() ? kept.address : options.rigctld;
    if ((!options.rigctld.empty() && !rigctld.start(options.rigctld, stderr)) ||
        (!options.flrig.empty() && !rigctld.startFlrig(options.flrig, stderr))) {
        app.shutdown();
        return 1;
    }
    if (options.rigctld.empty() && kept.on) rigctld.start(kept.address, stderr);
    addRigctldMenuEntry(*window.menuBar(), rigctld, config.baseDirectory, rigctldAddress);
    window.show();
    if (gui.zoom != 1.0) window.applyZoom();
    if (options.connect)
        PostPanelAction(app.store().mailbox, kComKeyAction, false, false, false, 0);

    int code = 0;
    if (!gui.screenshotFile.empty()) {
        QTimer::singleShot(gui.screenshotAfterMs, &window, [&] {
            if (!window.canvas().backBuffer().save(QString::fromStdString(gui.screenshotFile))) {
                std::fprintf(stderr, "velmora: cannot write %s\n", gui.screenshotFile.c_str());
                code = 1;
            }
            window.close();
        });
    }
    if (options.durationMs >= 0)
        QTimer::singleShot(static_cast<int>(options.durationMs), &window, [&] { window.close(); });

    QApplication::exec();
    host.stopWaiting();
    rigctld.stopAll();
    const ShutdownReport report = app.shutdown();
    if (!report.settingsSaved)
        std::fprintf(stderr, "velmora: cannot write %s\n", report.settingsFile.c_str());
    if (!options.dumpStateFile.empty()) {
        std::ofstream f(options.dumpStateFile, std::ios::trunc);
        f << storeDumpJson(app.store());
        if (!f) {
            std::fprintf(stderr, "velmora: cannot write %s\n", options.dumpStateFile.c_str());
            code = 1;
        }
    }
    simulated.stop();
    return code;
}

}  // namespace velmora::gui
