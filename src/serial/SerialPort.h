#pragma once
// The one COM port to the radio: its settings (COM number, speed) kept in the store, opening
// with the line configuration and the auto-information command, closing, the test-open before a
// port switch, the switches of port and speed that the dialogs ask for, and CommSetting.csv.
//
// The send thread opens the port before every write, the receive thread closes it on a line
// fault and the main thread opens, closes and switches it; the open and close sequences
// therefore run one at a time (portMutex_), so that two openers cannot both try the device and
// no command can slip onto the line before the auto-information command of an open.
#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>

#include "serial/SerialDevice.h"

namespace velmora {

class PortDirectory;
class RadioStateStore;

struct SerialPortParts {
    SerialDevice& device;  // the port
    SerialDevice& probe;   // used only by ProbePort, so that a probe never touches the port
    const PortDirectory& ports;
    // The folder below which CommoFiles lies (the program's current directory).
    std::string baseDirectory;
    // Sleeps for the polls of the port and speed switches; a real sleep when empty. Tests pass
    // one that returns at once.
    std::function<void(int ms)> sleep;
    // Shows a string-table text in a modal message box (the probe failure of ChangePort).
    std::function<void(int stringId)> showMessage;
};

class SerialPort {
  public:
    static constexpr uint32_t kOutQueueLimit = 5120;  // bytes waiting to go out: the line is stuck
    static constexpr int kAutoInfoPolls = 29;         // waits for auto-information to go off
    static constexpr int kAutoInfoPollMs = 100;
    static constexpr int kBaudSwitchWaitMs = 1000;  // the radio changes its own speed meanwhile
    // Why an open failed when the device refused this user.
    static constexpr const char* kPermissionHint =
        "permission denied; join the dialout group (sudo usermod -aG dialout $USER), then log "
        "out and in again";

    SerialPort(RadioStateStore& store, SerialPortParts parts);

    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // Closed, COM1, 4800 baud, reserved setting 0.
    void InitPort();
    // Stores n and returns true for 1..20; otherwise stores 1 and returns false.
    bool SetComNumber(int32_t n);
    // Stores b and returns true for 4800, 9600, 19200 or 38400; otherwise stores 4800, false.
    bool SetBaudRate(int32_t b);
    int32_t GetComNumber() const;
    int32_t GetBaudRate() const;
    int32_t reservedSetting() const;
    // The open device, or null while the port is closed.
    SerialDevice* GetPortHandle() const;
    bool IsPortOpen() const;

    // Opens the configured port and writes "AI1;" or "AI0;" (the store's auto-information
    // wish) as its first bytes. False, changing nothing, while a failure box shows or when the
    // port is already open. False with WM_COMM_FAILURE (0, 0) to the main window when the COM
    // number has no device, the device cannot be opened, or the line reports a lost carrier.
    bool OpenPort();
    // False if the port was not open.
    bool ClosePort();
    // Test-opens port-list entry listIndex (0-based) on the probe device with the port's line
    // settings; true when it opens and the line shows no fault. The open port is not touched.
    bool ProbePort(int32_t listIndex);

    // Reads CommSetting.csv: the first three values go to SetComNumber, SetBaudRate and the
    // reserved setting; values the file lacks stay as they are. When the path is too long or
    // the file cannot be read: COM1, 4800, 0 and false.
    bool LoadCommSetting();
    // Writes CommSetting.csv (creating CommoFiles); false when it cannot be written, or when the
    // file was there at start and could not be read (it is the operator's: never replaced).
    bool SaveCommSetting();
    // Where the file that could not be read at start went once the operator chose a port or
    // speed (msg::WM_COMM_SETTING_SET_ASIDE); empty before.
    std::string commSettingSetAside() const;

    // Queues the radio's baud-rate menu command "EX032d;" in SendRing and asks the command
    // thread to send it.
    void SendBaudRateToRadio(int32_t baud);
    // The OK of COM Select: n is the chosen number, 0 for none. False when the probe of a new
    // port failed (the failure text is shown and nothing changes).
    bool ChangePort(int32_t n);
    // The OK of the Baud rate dialog: b is the chosen rate, 0 for none; autoInfoWasOn is the
    // radio's auto-information state when the dialog opened.
    void ChangeBaudRate(int32_t b, bool autoInfoWasOn);

    // "COM3 (/dev/ttyUSB0)": the operator's name with the device it means here.
    std::string describePort(int32_t com) const;
    // Replaces the waits of the two switches above. The window puts one that keeps serving its
    // events (with its buttons disabled) instead of stopping the GUI thread. Set it on the thread
    // that runs the switches, before it runs them.
    void setSleep(std::function<void(int ms)> sleep) { parts_.sleep = std::move(sleep); }

    // What went wrong in the last failed open or probe, with the port described as above.
    std::string lastFailure() const;
    // Whether the last failed open was refused for want of permission.
    bool openDenied() const { return parts_.device.openDenied(); }

    SerialDevice& device() { return parts_.device; }
    const std::string& baseDirectory() const { return parts_.baseDirectory; }

  private:
    void postOpenFailure(std::string why);
    void setLastFailure(std::string why);
    // Asks the command thread to switch auto-information off and waits for it; true once it is
    // off (or was off), false when it is still on after the last poll.
    bool switchAutoInfoOff();
    void sleepMs(int ms) const;
    void sendToWindow(uint32_t id) const;
    // The save of a port or speed the operator chose: an unreadable file kept so far is set aside
    // first, since the choice is worth more than the defaults it would otherwise be lost to.
    bool saveChosenSetting();

    RadioStateStore& store_;
    SerialPortParts parts_;
    std::mutex portMutex_;             // guards the open and close sequences of parts_.device
    std::mutex probeMutex_;            // guards parts_.probe
    mutable std::mutex failureMutex_;  // guards lastFailure_ and setAside_
    std::string lastFailure_;
    std::string setAside_;
    // CommSetting.csv was there at start and could not be read: it is never written over.
    std::atomic<bool> keepCommSetting_{false};
};

}  // namespace velmora
