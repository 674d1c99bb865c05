#include "app/LinkApplication.h"

#include <filesystem>
#include <system_error>

#include "app/Anl_Recv_Thread.h"
#include "app/Anl_Send_Thread.h"
#include "app/FailurePresenter.h"
#include "app/File_MenuListDefFile.h"
#include "app/LinkEvents.h"
#include "app/Sio_Recv_Thread.h"
#include "app/Sio_Send_Thread.h"
#include "app/StopThread.h"
#include "link/AnswerWatchdog.h"
#include "link/CatCommandTable.h"
#include "link/MessageIds.h"
#include "link/RadioStateStore.h"
#include "platform/SerialPortScan.h"
#include "resources/FailureTexts.h"
#include "serial/CommSettingFile.h"

namespace velmora {

namespace {

constexpr int32_t kOurIdentification = 362;

// The main window's timers that are only forwarded to the command thread as requests.
struct TimerForward {
    int timer;
    uint32_t request;
};
constexpr TimerForward kTimerForwards[] = {
    {timer::INITIAL_READ, req::INITIAL_READ_STEP}, {timer::MENU_READ, req::MENU_READ_STEP},
    {timer::KEEP_ALIVE, req::KEEP_ALIVE},          {timer::POWER_ON_READ, req::POWER_ON_READ},
    {timer::POWER_OFF_READ, req::POWER_OFF_READ},  {timer::MEMORY_TEXT, req::MEMORY_TEXT_STEP},
};

std::string_view notificationCode(uint32_t id) {
    if (id == notify::EX) return "EX";
    for (const auto& r : kCatTables.answer) {
        if (static_cast<uint32_t>(r.second) == id) return {r.code, 2};
    }
    return {};
}

template <typename T>
ShutdownReport::Thread timedStop(const char* name, T&& stop) {
    const auto start = std::chrono::steady_clock::now();
    const bool ended = stop();
    return {name, ended,
            std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() -
                                                                  start)};
}

}  // namespace

bool ShutdownReport::allEnded() const {
    for (const auto& t : threads)
        if (!t.ended) return false;
    return true;
}

bool powerEventClosesPort(int code) {
    switch (code) {
        case 0:
        case 2:
        case 4:
        case 6:
        case 7:
        case 9:
        case 10:
        case 11:
        case 18:
            return true;
        default:
            return false;
    }
}

LinkApplication::LinkApplication(WindowHost& window, FailurePresenter& presenter,
                                 LinkApplicationConfig config)
    : window_(window),
      config_(std::move(config)),
      store_(std::make_unique<RadioStateStore>()),
      observedDevice_(device_, this),
      port_(*store_, {observedDevice_, probeDevice_, ports_, config_.baseDirectory, nullptr,
                      [&presenter](int stringId) {
                          presenter.showFailure(stringId, stringText(stringId));
                      }}),
      failures_(store_->windowFlags, presenter),
      progress_(*store_) {}

LinkApplication::~LinkApplication() {
    shutdown();
}

void LinkApplication::setEvents(LinkEvents* events) {
    events_ = events;
    progress_.setEvents(events);
}

void LinkApplication::startMenuLoader(RadioStateStore& store) {
    MenuListDefLoaderHooks hooks;
    hooks.openGate = [&store] { store.link.commGate.store(true, std::memory_order_release); };
    hooks.menuFileFailureEnabled = [] { return failureText(failure::kMenuFile)->enabled; };
    // Through the main window like every other failure text, so that it shows the string-table
    // text and keeps to the one-box rule.
    hooks.showFailure = [&store](std::string_view) {
        store.mailbox.postToWindow(msg::WM_COMM_FAILURE, 0, failure::kMenuFile);
    };
    menuLoader_ = startMenuListDefFile(store.menus, std::move(hooks));
    if (menuLoader_)
        store.threads.File_MenuListDefFile.store(&menuLoader_->thread(), std::memory_order_release);
}

bool LinkApplication::start() {
    if (started_) return false;
    started_ = true;
    RadioStateStore& store = *store_;
    store.windowFlags.messageBoxOpen.store(false, std::memory_order_release);
    store.mainWindow.store(&window_, std::memory_order_release);
    if (config_.scanPorts) {
        const auto commo = std::filesystem::path(config_.baseDirectory) / "CommoFiles";
        fillPortDirectory(ports_, (commo / PortDirectory::kPortMapFile).string());
    }

    InitRadioState(store, [this](RadioStateStore& s) { startMenuLoader(s); });
    InitPanelState(store);
    port_.InitPort();
    if (!port_.LoadCommSetting()) commSettingUnreadable();
    if (!config_.portOverride.empty())
        ports_.setOverride(port_.GetComNumber(), config_.portOverride);
    port_.OpenPort();

    analysisThread_ = startAnalysisThread(store);
    receiveThread_ = StartReceiveThread(store, port_);
    sendThread_ = StartSendThread(store, port_);
    commandThread_ = StartCommandThread(store, [this] { return port_.OpenPort(); });

    store.windowFlags.messageBoxOpen.store(false, std::memory_order_release);
    recordWatch_.reset(store);
    return analysisThread_ && receiveThread_ && sendThread_ && commandThread_;
}

void LinkApplication::commSettingUnreadable() {
    const std::string path = commSettingPath(config_.baseDirectory);
    // A file that is there but unreadable is told about even with the simulated radio: it is
    // kept, not replaced by the defaults.
    if (!config_.simulated || commSettingExists(config_.baseDirectory)) {
        failures_.showAtStart(failure::kCommSetting, path);
        return;
    }
    port_.SaveCommSetting();
}

void LinkApplication::onWindowMessage(uint32_t id, uintptr_t wParam, intptr_t lParam) {
    if (id == msg::WM_COMM_FAILURE) {
        const bool portOpen = lParam == failure::kPortOpen;
        if (portOpen && events_) events_->portOpenFailed(port_.lastFailure());
        // Beneath the one text for every open failure, its cause (and, for a port refused for
        // want of permission, how to get it).
        failures_.handle(wParam, lParam, portOpen ? port_.lastFailure() : std::string());
    } else if (id == msg::WM_READ_INCOMPLETE) {
        progress_.readIncomplete();
    } else if (id == msg::WM_COMM_SETTING_SET_ASIDE) {
        if (events_)
            events_->commSettingSetAside(commSettingPath(config_.baseDirectory),
                                         port_.commSettingSetAside());
    } else if (id == msg::WM_AI_SWITCHED_ON) {
        if (events_) events_->autoInformationOn();
    } else if (isNotification(id)) {
        notify(id);
    }
}

void LinkApplication::notify(uint32_t id) {
    if (id == notify::ID) {
        identified_ = store_->records.id.get() == kOurIdentification;
        opensAtIdentification_ = store_->port.opens.load(std::memory_order_relaxed);
        if (identified_ && recovering_) {
            recovering_ = false;
            if (events_) events_->linkRestored();
        }
        if (events_) events_->radioIdentified(store_->records.id.get());
    }
    progress_.notification(id);
    if (!events_) return;
    if (id == notify::AI && store_->records.ai.get() == 0 && aiWasOn_)
        events_->autoInformationOff();
    if (id == notify::AI) aiWasOn_ = store_->records.ai.get() == 1;
    std::vector<RecordChange> changes;
    if (events_->wantsChanges()) changes = recordWatch_.look(*store_);
    events_->notification(id, notificationCode(id), changes);
}

void LinkApplication::onTimer(int id) {
    if (id == timer::KEEP_ALIVE) watchConnection();
    if (id == timer::INITIAL_READ) progress_.initialReadTick();
    if (id == timer::MENU_READ) progress_.menuReadTick();
    for (const auto& f : kTimerForwards) {
        if (f.timer == id) {
            store_->mailbox.post(Thread::Anl_Send_Thread, f.request);
            return;
        }
    }
    if (id == timer::ANSWER_WATCHDOG) runWatchdog();
    if (id == timer::ROTATOR_READ) checkPortForRotator();
}

void LinkApplication::runWatchdog() {
    const std::optional<SerialStatus> status = port_.device().status();
    WatchdogInputs in;
    in.answerPending = store_->link.answerPending.load(std::memory_order_acquire);
    in.driverHoldsBytes = status && status->inQueue > 0;
    in.rlsdHold = status && (status->lineFlags & line_status::kRlsdHold) != 0;
    in.charWaiting = status && (status->lineFlags & line_status::kTxim) != 0;
    in.portValid = port_.IsPortOpen() && status.has_value();
    const WatchdogDecision d = decideWatchdog(in);
    if (d.clearAnswerPending) store_->link.answerPending.store(false, std::memory_order_release);
    if (!d.postTimeout) return;
    store_->mailbox.post(Thread::Anl_Recv_Thread, msg::WM_ANSWER_TIMEOUT);
    if (identified_) loseLink("the radio stopped answering");
}

void LinkApplication::watchConnection() {
    noticeLostLink();
    const bool connecting = store_->link.aiOnSent.load(std::memory_order_relaxed) || recovering_;
    if (!connecting) identified_ = false;
    const int64_t now = std::chrono::duration_cast<std::chrono::milliseconds>(
                            std::chrono::steady_clock::now().time_since_epoch())
                            .count();
    const ConnectWatch::Step step = connectWatch_.tick(now, connecting, identified_,
                                                       bytesHeard_.load(std::memory_order_relaxed));
    if (step.sayNoAnswer && events_) {
        events_->radioSilent("no answer from the radio on " +
                             port_.describePort(port_.GetComNumber()) + " at " +
                             std::to_string(port_.GetBaudRate()) +
                             " bps: check power, cable and the radio's CAT RATE");
    }
    if (!step.askAgain) return;
    // A device that is gone (unplugged) is waited for: opening it now would only fail.
    if (!port_.IsPortOpen() && !devicePresent()) return;
    // Auto-information that came on is left on; only the identification is asked again.
    const bool aiOn = store_->records.ai.get() == 1;
    store_->mailbox.post(Thread::Anl_Send_Thread, aiOn ? req::IDENTIFY : req::COMM_SWITCH);
}

void LinkApplication::noticeLostLink() {
    if (!identified_) return;
    // The port closed (the device went away), or was opened again since the radio identified
    // itself: what the radio holds now may not be what the store holds.
    const bool reopened =
        store_->port.opens.load(std::memory_order_relaxed) != opensAtIdentification_;
    if (port_.IsPortOpen() && !reopened) return;
    loseLink("the line to the radio was lost");
}

void LinkApplication::loseLink(const char* why) {
    identified_ = false;
    recovering_ = true;
    if (events_) events_->linkLost(why);
}

bool LinkApplication::devicePresent() const {
    std::error_code ec;
    const std::string path = ports_.pathFor(port_.GetComNumber());
    return !path.empty() && std::filesystem::exists(path, ec);
}

void LinkApplication::checkPortForRotator() {
    const std::optional<SerialStatus> status = port_.device().status();
    if (status && (status->lineFlags & line_status::kLineFault) == 0)
        store_->mailbox.post(Thread::Anl_Send_Thread, req::ROTATOR_READ);
}

bool LinkApplication::portOpen() {
    return port_.IsPortOpen();
}

void LinkApplication::onPowerEvent(int code) {
    if (powerEventClosesPort(code)) port_.ClosePort();
}

ShutdownReport LinkApplication::shutdown() {
    ShutdownReport report{};
    if (!started_ || shutdownDone_) {
        for (auto& t : report.threads) t = {"", true, {}};
        report.settingsSaved = shutdownDone_;
        return report;
    }
    shutdownDone_ = true;
    port_.ClosePort();
    report.settingsSaved = port_.SaveCommSetting();
    report.settingsFile = commSettingPath(config_.baseDirectory);
    report.threads[0] =
        timedStop("Sio_Recv_Thread", [&] { return StopThread(receiveThread_.get()); });
    report.threads[1] = timedStop("Anl_Recv_Thread", [&] {
        return !analysisThread_ || StopThread(&analysisThread_->thread());
    });
    report.threads[2] = timedStop(
        "Anl_Send_Thread", [&] { return !commandThread_ || StopCommandThread(*commandThread_); });
    report.threads[3] = timedStop(
        "Sio_Send_Thread", [&] { return !sendThread_ || StopThread(&sendThread_->thread()); });
    // A command that was on its way while the threads were stopped may have opened the port
    // again; nothing is left to use it now.
    port_.ClosePort();
    commandThread_.reset();
    sendThread_.reset();
    receiveThread_.reset();
    analysisThread_.reset();
    store_->threads.File_MenuListDefFile.store(nullptr, std::memory_order_release);
    menuLoader_.reset();
    store_->mainWindow.store(nullptr, std::memory_order_release);
    return report;
}

void LinkApplication::deviceOpened(std::string_view path, bool ok) {
    if (ok && events_) events_->portOpened(port_.describePort(port_.GetComNumber()));
    if (config_.traffic) config_.traffic->deviceOpened(path, ok);
}

void LinkApplication::deviceClosed() {
    if (events_) events_->portClosed();
    if (config_.traffic) config_.traffic->deviceClosed();
}

void LinkApplication::bytesWritten(std::string_view bytes) {
    if (config_.traffic) config_.traffic->bytesWritten(bytes);
}

void LinkApplication::bytesRead(std::string_view bytes) {
    bytesHeard_.fetch_add(bytes.size(), std::memory_order_relaxed);
    if (config_.traffic) config_.traffic->bytesRead(bytes);
}

}  // namespace velmora
