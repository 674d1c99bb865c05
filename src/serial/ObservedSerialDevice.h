#pragma once
// A serial device that tells an observer what crosses it: every open, every close, the bytes of
// every write and of every read. It wraps the real device, so the port logic and the threads
// stay as they are; the traffic log and the console's "port opened" line hang on it.
//
// The observer is called on the thread that does the I/O (the send thread, the receive thread,
// the main thread), so it must be thread-safe. It is set before the threads start and is not
// changed while they run.
#include <string_view>

#include "serial/SerialDevice.h"

namespace velmora {

class SerialTrafficObserver {
  public:
    virtual ~SerialTrafficObserver() = default;
    virtual void deviceOpened(std::string_view /*path*/, bool /*ok*/) {}
    virtual void deviceClosed() {}
    // The bytes the device took (a short write reports what went).
    virtual void bytesWritten(std::string_view /*bytes*/) {}
    virtual void bytesRead(std::string_view /*bytes*/) {}
};

class ObservedSerialDevice final : public SerialDevice {
  public:
    ObservedSerialDevice(SerialDevice& inner, SerialTrafficObserver* observer)
        : inner_(inner), observer_(observer) {}

    bool open(const std::string& path, const SerialSettings& settings) override;
    bool close() override;
    bool openDenied() const override { return inner_.openDenied(); }
    std::string openFailureCause() const override { return inner_.openFailureCause(); }
    bool isOpen() const override { return inner_.isOpen(); }
    IoResult read(uint8_t* buf, size_t max) override;
    IoResult write(const uint8_t* data, size_t n) override;
    std::optional<SerialStatus> status() override { return inner_.status(); }
    std::optional<SerialStatus> receiveStatus() override { return inner_.receiveStatus(); }
    void setRts(bool on) override { inner_.setRts(on); }
    WaitResult waitReadable(int timeoutMs) override { return inner_.waitReadable(timeoutMs); }
    void wake() override { inner_.wake(); }

  private:
    SerialDevice& inner_;
    SerialTrafficObserver* const observer_;  // may be null
};

}  // namespace velmora
