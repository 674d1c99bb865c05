#include "app/HeadlessProgram.h"

#include <chrono>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include "app/ConsoleReporter.h"
#include "app/HeadlessHost.h"
#include "app/LinkApplication.h"
#include "app/LinkEventTexts.h"
#include "app/OutputFileCheck.h"
#include "app/RigctlService.h"
#include "app/SettingsFolder.h"
#include "app/SimulatedPort.h"
#include "app/TrafficLog.h"
#include "link/PanelActionTable.h"
#include "link/RadioStateStore.h"
#include "resources/StringTable.h"

namespace velmora {

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kComKeyAction = 1;  // the panel's COM key: req::COMM_SWITCH
constexpr auto kLoopSlice = std::chrono::milliseconds(50);

// Decides when the run is over: forwards what it hears to the console (when there is one) and
// ends the run on the events --exit-after-read waits for.
class RunWatch : public LinkEvents, public FailurePresenter {
  public:
    RunWatch(ConsoleReporter* console, bool exitAfterRead, HeadlessHost& host)
        : console_(console), exitAfterRead_(exitAfterRead), host_(host) {}
    void watch(RadioStateStore* store) { store_ = store; }

    std::optional<int> exitCode() const { return exitCode_; }
    const std::string& failure() const { return failure_; }
    void fail(std::string text) {
        if (exitCode_) return;
        exitCode_ = 2;
        failure_ = std::move(text);
        host_.quit();
    }

    void portOpened(std::string_view d) override {
        if (console_) console_->portOpened(d);
    }
    void portOpenFailed(std::string_view w) override {
        if (console_) console_->portOpenFailed(w);
    }
    void radioIdentified(int v) override {
        if (console_) console_->radioIdentified(v);
    }
    void autoInformationOn() override {
        autoInfoSeen_ = true;
        if (console_) console_->autoInformationOn();
    }
    void autoInformationOff() override {
        if (console_) console_->autoInformationOff();
    }
    void portClosed() override {
        if (console_) console_->portClosed();
    }
    void radioSilent(std::string_view text) override {
        if (console_) console_->radioSilent(text);
        silence_ = text;
    }
    // Why the read did not end in time: the radio's silence when that was seen.
    std::string lateReason() const {
        return silence_.empty() ? "the menu read did not complete in time" : silence_;
    }
    void initialReadProgress(int s, int t) override {
        if (console_) console_->initialReadProgress(s, t);
    }
    void linkLost(std::string_view why) override {
        if (console_) console_->linkLost(why);
    }
    void linkRestored() override {
        if (console_) console_->linkRestored();
    }
    void menuReadStarted() override {
        if (console_) console_->menuReadStarted();
    }
    void menuReadComplete() override {
        if (console_) console_->menuReadComplete();
        // The read ends only once every answer is in the store.
        if (exitAfterRead_ && !exitCode_) {
            exitCode_ = 0;
            host_.quit();
        }
    }
    void menuReadIncomplete(const std::vector<std::string>& missing) override {
        if (console_) console_->menuReadIncomplete(missing);
        if (exitAfterRead_) fail(link_text::menuReadIncomplete(missing));
    }
    void notification(uint32_t id, std::string_view code,
                      const std::vector<RecordChange>& changes) override {
        if (console_) console_->notification(id, code, changes);
        // Auto-information going off before the read is done: the radio stopped answering.
        if (exitAfterRead_ && autoInfoSeen_ && code == "AI" && store_ &&
            store_->records.ai.get() == 0)
            fail("the radio stopped answering");
    }
    bool wantsChanges() const override { return console_ && console_->wantsChanges(); }

    void showFailure(int stringId, std::string_view text) override {
        if (console_) console_->showFailure(stringId, text);
        // CommSetting.csv missing at start is not a link failure: the run goes on with defaults.
        if (exitAfterRead_ && stringId != string_id::kCommSettingFailed)
            fail(ConsoleReporter::oneLine(text));
    }

  private:
    ConsoleReporter* const console_;
    const bool exitAfterRead_;
    HeadlessHost& host_;
    RadioStateStore* store_ = nullptr;
    bool autoInfoSeen_ = false;
    std::string silence_;  // the last "no answer" text
    std::optional<int> exitCode_;
    std::string failure_;
};

bool writeFile(const std::string& path, const std::string& text) {
    std::ofstream f(path, std::ios::trunc);
    f << text;
    return static_cast<bool>(f);
}

void reportShutdown(ConsoleReporter* console, const ShutdownReport& r, std::FILE* out) {
    if (!console) return;
    std::string text = "shut down:";
    for (const auto& t : r.threads) {
        char part[96];
        std::snprintf(part, sizeof part, " %s %s %.1f ms", t.name, t.ended ? "ended" : "RUNNING",
                      static_cast<double>(t.took.count()) / 1000.0);
        text += part;
    }
    text += (r.settingsSaved ? "; written " : "; NOT written ") + r.settingsFile;
    std::fprintf(out, "%s\n", text.c_str());
}

}  // namespace

int runHeadless(const HeadlessOptions& options, std::FILE* out, std::FILE* err,
                const std::atomic<bool>& stop) {
    SimulatedPort simulated(options.drift);
    const auto chosen = choosePortPath(options.simulate, options.port, simulated, err);
    if (!chosen) return 1;
    std::string portPath = *chosen;
    if (options.simulate && !options.quiet) {
        std::fprintf(out, "simulated radio on %s\n", portPath.c_str());
    }

    TrafficLog log;
    if (!options.logFile.empty() && !log.open(options.logFile)) {
        std::fprintf(err, "velmora: cannot write %s\n", options.logFile.c_str());
        return 1;
    }
    if (!options.dumpStateFile.empty()) {
        const std::string problem = outputFileProblem(options.dumpStateFile);
        if (!problem.empty()) {
            std::fprintf(err, "velmora: cannot write %s: %s\n", options.dumpStateFile.c_str(),
                         problem.c_str());
            return 1;
        }
    }

    HeadlessHost host;
    ConsoleReporter console(out);
    RunWatch watch(options.quiet ? nullptr : &console, options.exitAfterRead, host);
    LinkApplicationConfig config;
    config.baseDirectory = openSettingsFolder(options.configDir, err);
    config.simulated = options.simulate;
    config.portOverride = portPath;
    config.traffic = options.logFile.empty() ? nullptr : &log;
    LinkApplication app(host, watch, config);
    app.setEvents(&watch);
    watch.watch(&app.store());
    host.setMessageHandler(
        [&](uint32_t id, uintptr_t w, intptr_t l) { app.onWindowMessage(id, w, l); });
    host.setTimerHandler([&](int id) { app.onTimer(id); });

    if (!app.start()) {
        std::fprintf(err, "velmora: a worker thread cannot be started\n");
        return 1;
    }
    RigctlService rigctld(app.store());
    if ((!options.rigctld.empty() && !rigctld.start(options.rigctld, err)) ||
        (!options.flrig.empty() && !rigctld.startFlrig(options.flrig, err))) {
        app.shutdown();
        return 1;
    }
    if (options.connect)
        PostPanelAction(app.store().mailbox, kComKeyAction, false, false, false, 0);

    long limitMs = options.durationMs;
    if (options.exitAfterRead && limitMs < 0) limitMs = kExitAfterReadLimitMs;
    const auto deadline =
        limitMs < 0 ? Clock::time_point::max() : Clock::now() + std::chrono::milliseconds(limitMs);
    while (!watch.exitCode() && !stop.load(std::memory_order_acquire)) {
        const auto now = Clock::now();
        if (now >= deadline) {
            if (options.exitAfterRead) watch.fail(watch.lateReason());
            break;
        }
        host.run(std::min(deadline, now + kLoopSlice));
    }

    rigctld.stopAll();
    const ShutdownReport report = app.shutdown();
    console.flush();
    reportShutdown(options.quiet ? nullptr : &console, report, out);
    int code = watch.exitCode().value_or(0);
    if (!options.dumpStateFile.empty() &&
        !writeFile(options.dumpStateFile, storeDumpJson(app.store()))) {
        std::fprintf(err, "velmora: cannot write %s\n", options.dumpStateFile.c_str());
        code = code == 0 ? 1 : code;
    }
    if (const std::string logError = log.writeError(); !logError.empty()) {
        std::fprintf(err, "velmora: cannot write %s: %s\n", options.logFile.c_str(),
                     logError.c_str());
        code = code == 0 ? 1 : code;
    }
    if (code == 2) std::fprintf(err, "%s\n", watch.failure().c_str());
    simulated.stop();
    return code;
}

}  // namespace velmora
