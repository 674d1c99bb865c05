#pragma once
// The whole program without a window, against the simulated radio on a real pseudo-terminal:
// the application shell on the headless host, served on the test's own thread (the test is the
// main thread), with a presenter and an onlooker that record what the window would show.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "app/Anl_Send_Thread.h"
#include "app/FailurePresenter.h"
#include "app/HeadlessHost.h"
#include "app/LinkApplication.h"
#include "app/LinkEvents.h"
#include "link/MessageIds.h"
#include "link/PanelActionTable.h"
#include "link/RadioStateStore.h"
#include "sim/PtyTransport.h"
#include "sim/SimulatedRadio.h"
#include "sim/Transcript.h"

namespace velmora::test {

// The commands in a byte stream, each with its ";".
inline std::vector<std::string> splitCommands(const std::string& stream) {
    std::vector<std::string> out;
    size_t start = 0;
    for (size_t semi = stream.find(';'); semi != std::string::npos;
         semi = stream.find(';', start)) {
        out.push_back(stream.substr(start, semi + 1 - start));
        start = semi + 1;
    }
    return out;
}

class RecordingPresenter : public FailurePresenter, public LinkEvents {
  public:
    void showFailure(int stringId, std::string_view) override { failures.push_back(stringId); }
    void notification(uint32_t id, std::string_view, const std::vector<RecordChange>&) override {
        notifications.push_back(id);
    }
    void radioSilent(std::string_view text) override { silences.emplace_back(text); }
    void linkLost(std::string_view) override { ++linkLosses; }
    void linkRestored() override { ++linkRestorations; }
    // Main thread only, like the calls that fill them.
    std::vector<int> failures;
    std::vector<uint32_t> notifications;
    std::vector<std::string> silences;
    int linkLosses = 0, linkRestorations = 0;
};

class ShellFixture : public ::testing::Test {
  protected:
    using Clock = std::chrono::steady_clock;

    ShellFixture() {
        static int counter = 0;
        const std::string tag = std::to_string(::getpid()) + "-" + std::to_string(counter++);
        base = std::filesystem::temp_directory_path() / ("velmora-shell-" + tag);
        link = (std::filesystem::temp_directory_path() / ("velmora-shell-tty-" + tag)).string();
        std::filesystem::create_directories(base);
    }
    ~ShellFixture() override {
        if (app) app->shutdown();
        app.reset();
        if (transport) transport->stop();
        std::error_code ec;
        std::filesystem::remove_all(base, ec);
    }

    // Starts the radio (with options) on the pseudo-terminal and the program on it.
    void startAll(sim::SimOptions options = {}) {
        radio = std::make_unique<sim::SimulatedRadio>(std::move(options));
        startTransport();
        LinkApplicationConfig config;
        config.baseDirectory = base.string();
        config.portOverride = link;
        config.scanPorts = false;
        app = std::make_unique<LinkApplication>(host, recorder, config);
        app->setEvents(&recorder);
        host.setMessageHandler(
            [this](uint32_t id, uintptr_t w, intptr_t l) { app->onWindowMessage(id, w, l); });
        host.setTimerHandler([this](int id) { app->onTimer(id); });
        ASSERT_TRUE(app->start());
    }
    void startTransport() {
        transcript = std::make_unique<sim::Transcript>();
        transport =
            std::make_unique<sim::PtyTransport>(*radio, sim::PtyOptions{link, 0, transcript.get()});
        ASSERT_TRUE(transport->start());
    }

    // Serves the main window's messages and timers until cond holds or the deadline passes.
    bool runUntil(const std::function<bool()>& cond,
                  std::chrono::milliseconds deadline = std::chrono::seconds(15)) {
        const auto end = Clock::now() + deadline;
        while (!cond()) {
            if (Clock::now() >= end) return false;
            host.run(Clock::now() + std::chrono::milliseconds(5));
        }
        return true;
    }
    void pressComKey() { PostPanelAction(store().mailbox, 1, false, false, false, 0); }
    void postCommand(uint32_t id) { store().mailbox.post(Thread::Anl_Send_Thread, id); }
    // Presses the COM key and waits until the radio has identified itself.
    void connect() {
        pressComKey();
        ASSERT_TRUE(runUntil([&] { return store().records.id.get() == 362; }));
        ASSERT_TRUE(runUntil([&] { return host.isTimerActive(timer::INITIAL_READ); }));
    }

    RadioStateStore& store() { return app->store(); }
    std::vector<std::string> toRadio() const {
        return splitCommands(transcript->joined(sim::Transcript::kToRadio));
    }
    static size_t count(const std::vector<std::string>& v, const std::string& s) {
        return static_cast<size_t>(std::count(v.begin(), v.end(), s));
    }

    std::filesystem::path base;
    std::string link;
    HeadlessHost host;
    RecordingPresenter recorder;
    std::unique_ptr<sim::SimulatedRadio> radio;
    std::unique_ptr<sim::Transcript> transcript;
    std::unique_ptr<sim::PtyTransport> transport;
    std::unique_ptr<LinkApplication> app;
};

}  // namespace velmora::test
