#pragma once
// A scriptable serial device for tests of the port logic and the receive and send threads.
// Each read hands out at most one scripted chunk (the driver's "bytes per read"); status()
// reports the scripted error word once (clear on read, like the real one) and the scripted line
// flags and queue counts until they are changed. Everything written, every RTS change and every
// open and close is logged. Thread-safe: the receive and send threads may share one fake.
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "serial/SerialDevice.h"

namespace velmora::test {

class FakeSerialDevice final : public SerialDevice {
  public:
    // --- scripting ---
    void setOpenSucceeds(bool ok);
    // Bytes the device will deliver: one chunk per read (a read smaller than the chunk leaves
    // the rest at the front).
    void queueRead(const std::string& bytes);
    // The next status() reports these error bits (added to any not yet reported).
    void queueErrors(uint32_t errorWord);
    void setLineFlags(uint32_t flags);
    void setModemLines(uint32_t lines, bool known = true);
    // Override of the input queue count; by default it is the size of the next chunk.
    void setInQueue(std::optional<uint32_t> count);
    void setOutQueue(uint32_t count);
    // The device goes away: reads, writes and waits report LineLost, status kLineLost|kRlsdHold.
    void loseLine();
    // Writes from now on end with this result (count is taken as "all bytes" for Ok).
    void setWriteResult(IoStatus status);

    // --- what happened ---
    struct OpenCall {
        std::string path;
        int baud;
    };
    std::vector<OpenCall> opens() const;
    int closeCount() const;
    std::vector<bool> rtsHistory() const;
    std::optional<bool> rts() const;  // the current RTS level, unknown before the first change
    std::vector<std::string> writes() const;
    std::string written() const;  // all writes joined
    int statusCalls() const;
    int readCalls() const;

    // --- SerialDevice ---
    bool open(const std::string& path, const SerialSettings& settings) override;
    bool close() override;
    bool isOpen() const override;
    IoResult read(uint8_t* buf, size_t max) override;
    IoResult write(const uint8_t* data, size_t n) override;
    std::optional<SerialStatus> status() override;
    void setRts(bool on) override;
    WaitResult waitReadable(int timeoutMs) override;
    void wake() override;

  private:
    mutable std::mutex mutex_;         // guards every member below
    std::condition_variable changed_;  // a chunk was queued, the line lost or wake() called
    bool openSucceeds_ = true;
    bool open_ = false;
    bool lost_ = false;
    bool wakePending_ = false;
    std::deque<std::string> chunks_;
    uint32_t pendingErrors_ = 0;
    uint32_t lineFlags_ = 0;
    uint32_t modemLines_ = 0;
    bool modemLinesKnown_ = false;
    std::optional<uint32_t> inQueue_;
    uint32_t outQueue_ = 0;
    IoStatus writeResult_ = IoStatus::Ok;
    std::vector<OpenCall> opens_;
    int closes_ = 0;
    std::vector<bool> rtsHistory_;
    std::vector<std::string> writes_;
    int statusCalls_ = 0;
    int readCalls_ = 0;
};

}  // namespace velmora::test
