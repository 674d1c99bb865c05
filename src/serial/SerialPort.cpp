#include "serial/SerialPort.h"

#include <chrono>
#include <cstdio>
#include <string_view>
#include <thread>

#include "link/CatStrings.h"
#include "link/MessageIds.h"
#include "link/RadioStateStore.h"
#include "resources/StringTable.h"
#include "serial/CommSettingFile.h"
#include "serial/PortDirectory.h"
#include "serial/PortLists.h"

namespace velmora {

namespace {

// Line states in which the port is not usable: the carrier is gone (or the device with it), or
// a character waits to be sent ahead of everything.

bool lineFaulty(const std::optional<SerialStatus>& status) {
    return status && (status->lineFlags & line_status::kLineFault) != 0;
}

std::string openRefusal(const SerialDevice& device) {
    if (device.openDenied()) return SerialPort::kPermissionHint;
    const std::string cause = device.openFailureCause();
    return cause.empty() ? "the device cannot be opened" : cause;
}

}  // namespace

SerialPort::SerialPort(RadioStateStore& store, SerialPortParts parts)
    : store_(store), parts_(std::move(parts)) {}

void SerialPort::InitPort() {
    ClosePort();
    SerialPortState& port = store_.port;
    port.open.store(false, std::memory_order_release);
    port.comNumber.store(SerialPortState::kDefaultComNumber, std::memory_order_relaxed);
    port.baudRate.store(SerialPortState::kDefaultBaudRate, std::memory_order_relaxed);
    port.reserved.store(0, std::memory_order_relaxed);
}

bool SerialPort::SetComNumber(int32_t n) {
    const bool valid = n >= 1 && n <= kPortListCount;
    store_.port.comNumber.store(valid ? n : SerialPortState::kDefaultComNumber,
                                std::memory_order_relaxed);
    return valid;
}

bool SerialPort::SetBaudRate(int32_t b) {
    const bool valid = isSupportedBaudRate(b);
    store_.port.baudRate.store(valid ? b : SerialPortState::kDefaultBaudRate,
                               std::memory_order_relaxed);
    return valid;
}

int32_t SerialPort::GetComNumber() const {
    return store_.port.comNumber.load(std::memory_order_relaxed);
}

int32_t SerialPort::GetBaudRate() const {
    return store_.port.baudRate.load(std::memory_order_relaxed);
}

int32_t SerialPort::reservedSetting() const {
    return store_.port.reserved.load(std::memory_order_relaxed);
}

SerialDevice* SerialPort::GetPortHandle() const {
    return IsPortOpen() ? &parts_.device : nullptr;
}

bool SerialPort::IsPortOpen() const {
    return store_.port.open.load(std::memory_order_acquire);
}

bool SerialPort::OpenPort() {
    std::lock_guard lock(portMutex_);
    if (store_.windowFlags.messageBoxOpen.load(std::memory_order_acquire) || IsPortOpen())
        return false;
    const int32_t com = GetComNumber();
    const std::string path = parts_.ports.pathFor(com);
    if (path.empty()) {
        postOpenFailure("no device for this port");
        return false;
    }
    if (!parts_.device.open(path, SerialSettings{GetBaudRate()})) {
        postOpenFailure(openRefusal(parts_.device));
        return false;
    }
    store_.port.open.store(true, std::memory_order_release);
    store_.port.opens.fetch_add(1, std::memory_order_relaxed);
    if (lineFaulty(parts_.device.status())) {
        parts_.device.close();
        store_.port.open.store(false, std::memory_order_release);
        postOpenFailure("the line reports no carrier");
        return false;
    }
    const bool wanted = store_.link.autoInfoWanted.load(std::memory_order_relaxed) != 0;
    const std::string_view command = wanted ? cat::kAutoInfoOn : cat::kAutoInfoOff;
    // Not checked, as any write: a line that fails shows in the next status and closes the port.
    parts_.device.write(reinterpret_cast<const uint8_t*>(command.data()), command.size());
    return true;
}

bool SerialPort::ClosePort() {
    std::lock_guard lock(portMutex_);
    if (!IsPortOpen()) return false;
    parts_.device.close();
    store_.port.open.store(false, std::memory_order_release);
    return true;
}

bool SerialPort::ProbePort(int32_t listIndex) {
    if (listIndex < 0 || listIndex >= kPortListCount) return false;
    const int32_t com = kPortList[listIndex].number;
    std::lock_guard lock(probeMutex_);
    const std::string path = parts_.ports.pathFor(com);
    if (path.empty()) {
        setLastFailure(describePort(com) + ": no device for this port");
        return false;
    }
    if (!parts_.probe.open(path, SerialSettings{GetBaudRate()})) {
        setLastFailure(describePort(com) + ": " + openRefusal(parts_.probe));
        return false;
    }
    const bool usable = !lineFaulty(parts_.probe.status());
    parts_.probe.close();
    if (!usable) setLastFailure(describePort(com) + ": the line reports no carrier");
    return usable;
}

bool SerialPort::LoadCommSetting() {
    const auto cells = readCommSetting(parts_.baseDirectory);
    if (!cells) {
        // The operator's file stays as it is: the defaults are for this run only.
        keepCommSetting_.store(commSettingExists(parts_.baseDirectory), std::memory_order_relaxed);
        SetComNumber(SerialPortState::kDefaultComNumber);
        SetBaudRate(SerialPortState::kDefaultBaudRate);
        store_.port.reserved.store(0, std::memory_order_relaxed);
        return false;
    }
    keepCommSetting_.store(false, std::memory_order_relaxed);
    if ((*cells)[0]) SetComNumber(*(*cells)[0]);
    if ((*cells)[1]) SetBaudRate(*(*cells)[1]);
    if ((*cells)[2]) store_.port.reserved.store(*(*cells)[2], std::memory_order_relaxed);
    return true;
}

bool SerialPort::SaveCommSetting() {
    if (keepCommSetting_.load(std::memory_order_relaxed)) return false;
    return writeCommSetting(parts_.baseDirectory, GetComNumber(), GetBaudRate(), reservedSetting());
}

bool SerialPort::saveChosenSetting() {
    if (keepCommSetting_.load(std::memory_order_relaxed)) {
        const auto aside = setCommSettingAside(parts_.baseDirectory);
        if (!aside) return false;  // still unreadable and still there: kept, nothing written
        keepCommSetting_.store(false, std::memory_order_relaxed);
        {
            std::lock_guard lock(failureMutex_);
            setAside_ = *aside;
        }
        store_.mailbox.postToWindow(msg::WM_COMM_SETTING_SET_ASIDE);
    }
    return SaveCommSetting();
}

std::string SerialPort::commSettingSetAside() const {
    std::lock_guard lock(failureMutex_);
    return setAside_;
}

void SerialPort::SendBaudRateToRadio(int32_t baud) {
    char command[16] = {};
    const int n = std::snprintf(command, sizeof command, "EX%03d%d;", cat::kBaudRateMenuItem,
                                baudRateMenuDigit(baud));
    store_.sendRing.Put(static_cast<size_t>(n), command);
    store_.mailbox.post(Thread::Anl_Send_Thread, req::SEND_QUEUED);
}

bool SerialPort::ChangePort(int32_t n) {
    if (n != 0) {
        // Choosing the port in use changes nothing on the line: the port stays open and
        // auto-information stays as it is; only the file is written again.
        if (n != GetComNumber()) {
            if (!ProbePort(n - 1)) {
                if (parts_.showMessage) parts_.showMessage(string_id::kProbeFailed);
                return false;
            }
            if (switchAutoInfoOff()) ClosePort();
            SetComNumber(n);
        }
        saveChosenSetting();
    }
    sendToWindow(notice::COM_SELECT_CLOSED);
    return true;
}

void SerialPort::ChangeBaudRate(int32_t b, bool autoInfoWasOn) {
    if (b != 0) {
        if (b != GetBaudRate()) {
            SendBaudRateToRadio(b);
            if (switchAutoInfoOff()) ClosePort();
            sleepMs(kBaudSwitchWaitMs);
            SetBaudRate(b);
            ClosePort();
            if (autoInfoWasOn) {
                // The command thread reopens the port and switches auto-information back on.
                store_.mailbox.post(Thread::Anl_Send_Thread, req::COMM_SWITCH);
            } else {
                OpenPort();
            }
        }
        saveChosenSetting();
    }
    sendToWindow(notice::BAUD_RATE_CLOSED);
}

std::string SerialPort::describePort(int32_t com) const {
    return parts_.ports.describe(com);
}

std::string SerialPort::lastFailure() const {
    std::lock_guard lock(failureMutex_);
    return lastFailure_;
}

void SerialPort::postOpenFailure(std::string why) {
    setLastFailure(describePort(GetComNumber()) + ": " + why);
    store_.mailbox.postToWindow(msg::WM_COMM_FAILURE, 0, 0);
}

void SerialPort::setLastFailure(std::string why) {
    std::lock_guard lock(failureMutex_);
    lastFailure_ = std::move(why);
}

bool SerialPort::switchAutoInfoOff() {
    const auto on = [this] { return store_.records.ai.get() != 0; };
    if (!on()) return true;
    store_.mailbox.post(Thread::Anl_Send_Thread, req::COMM_SWITCH);
    for (int poll = 0; poll < kAutoInfoPolls; ++poll) {
        sleepMs(kAutoInfoPollMs);
        if (!on()) return true;
    }
    return false;
}

void SerialPort::sleepMs(int ms) const {
    if (parts_.sleep) {
        parts_.sleep(ms);
    } else {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
}

void SerialPort::sendToWindow(uint32_t id) const {
    if (WindowHost* window = store_.mainWindow.load(std::memory_order_acquire)) {
        window->send(id, 0, 0);
    }
}

}  // namespace velmora
