#pragma once
// The application shell without a window: owns the store, the serial devices, the port and the
// five worker threads; brings them up in the start-up order, serves the main window's link
// messages and timers, and takes everything down in the shutdown order.
//
// A window plugs in as a WindowHost (where the threads post and where the timers run) and a
// FailurePresenter (where failure texts are shown), and hands its messages and timer ticks to
// onWindowMessage() and onTimer(). start(), the handlers and shutdown() run on the main thread,
// the thread that serves the WindowHost.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

#include "app/CommFailureHandler.h"
#include "app/ConnectWatch.h"
#include "app/LinkProgress.h"
#include "link/RecordWatch.h"
#include "panel/display/LinkShell.h"
#include "platform/PosixSerialDevice.h"
#include "serial/ObservedSerialDevice.h"
#include "serial/PortDirectory.h"
#include "serial/SerialPort.h"

namespace velmora {

class Anl_Recv_Thread;
class Anl_Send_Thread;
class File_MenuListDefFile;
class LinkEvents;
class RadioStateStore;
class Sio_Recv_Thread;
class Sio_Send_Thread;
class WindowHost;

struct LinkApplicationConfig {
    // The folder below which CommoFiles lies (openSettingsFolder chooses it for a run).
    std::string baseDirectory = ".";
    // --port PATH: this device stands for the configured COM number for this run.
    std::string portOverride;
    // Fill the port directory from CommoFiles/PortMap.csv or the machine's serial devices.
    bool scanPorts = true;
    // Sees every byte on the line (the traffic log); may be null.
    SerialTrafficObserver* traffic = nullptr;
    // The port is the simulated radio's: no COM port is in use, so a missing CommSetting.csv
    // is written with the defaults without a word.
    bool simulated = false;
};

// How the four communication threads ended at shutdown.
struct ShutdownReport {
    struct Thread {
        const char* name;
        bool ended;
        std::chrono::microseconds took;
    };
    Thread threads[4];
    bool settingsSaved = false;
    std::string settingsFile;  // CommSetting.csv's full path
    bool allEnded() const;
};

// Power events of the platform (the codes of the system's power broadcast) that close the port.
bool powerEventClosesPort(int code);

class LinkApplication : public LinkShell, private SerialTrafficObserver {
  public:
    LinkApplication(WindowHost& window, FailurePresenter& presenter, LinkApplicationConfig config);
    ~LinkApplication() override;

    LinkApplication(const LinkApplication&) = delete;
    LinkApplication& operator=(const LinkApplication&) = delete;

    // Set before start(); may be null.
    void setEvents(LinkEvents* events);

    // The start-up: store and menu loader, panel state, port settings (string 108 when
    // CommSetting.csv cannot be read), the port, then Anl_Recv_Thread, Sio_Recv_Thread,
    // Sio_Send_Thread and Anl_Send_Thread. False when a thread cannot be created.
    bool start();
    // LinkShell: a window message for the main window (failures, notifications), a tick of one
    // of the main window's timers, and whether the port is open.
    void onWindowMessage(uint32_t id, uintptr_t wParam, intptr_t lParam) override;
    void onTimer(int id) override;
    bool portOpen() override;
    std::string baseDirectory() const override { return config_.baseDirectory; }
    // The platform's power-broadcast event: the port closes for the suspend and resume codes;
    // the next command opens it again.
    void onPowerEvent(int code);
    // The shutdown: ClosePort, SaveCommSetting, then Sio_Recv_Thread, Anl_Recv_Thread,
    // Anl_Send_Thread and Sio_Send_Thread are stopped one after the other. Idempotent.
    ShutdownReport shutdown();

    RadioStateStore& store() { return *store_; }
    SerialPort& port() { return port_; }
    PortDirectory& ports() { return ports_; }
    const LinkProgress& progress() const { return progress_; }

  private:
    void startMenuLoader(RadioStateStore& store);
    void commSettingUnreadable();
    void runWatchdog();
    // On each keep-alive tick: a connection attempt without identification is told about and
    // asked again.
    void watchConnection();
    // The link that was up is found lost: a closed or reopened port.
    void noticeLostLink();
    // From now on the link is brought up again by itself.
    void loseLink(const char* why);
    // Whether the configured port's device is there (a USB adapter may be unplugged).
    bool devicePresent() const;
    void checkPortForRotator();
    void notify(uint32_t id);
    // SerialTrafficObserver: the console's "port opened" and the traffic log.
    void deviceOpened(std::string_view path, bool ok) override;
    void deviceClosed() override;
    void bytesWritten(std::string_view bytes) override;
    void bytesRead(std::string_view bytes) override;

    WindowHost& window_;
    LinkApplicationConfig config_;
    std::unique_ptr<RadioStateStore> store_;
    PosixSerialDevice device_, probeDevice_;
    ObservedSerialDevice observedDevice_;
    PortDirectory ports_;
    SerialPort port_;
    CommFailureHandler failures_;
    LinkProgress progress_;
    LinkEvents* events_ = nullptr;
    RecordWatch recordWatch_;    // main thread only: what the last notification showed
    ConnectWatch connectWatch_;  // main thread only
    bool identified_ = false;    // main thread only: ours identified since the attempt began
    bool aiWasOn_ = false;       // main thread only: the last AI notification showed it on
    bool recovering_ = false;    // main thread only: the link was lost and is being restored
    uint32_t opensAtIdentification_ = 0;   // main thread only
    std::atomic<uint64_t> bytesHeard_{0};  // counted on the receive thread

    std::unique_ptr<File_MenuListDefFile> menuLoader_;
    std::unique_ptr<Anl_Recv_Thread> analysisThread_;
    std::unique_ptr<Sio_Recv_Thread> receiveThread_;
    std::unique_ptr<Sio_Send_Thread> sendThread_;
    std::unique_ptr<Anl_Send_Thread> commandThread_;
    bool started_ = false;
    bool shutdownDone_ = false;
};

}  // namespace velmora
