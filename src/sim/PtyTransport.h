#pragma once
// Serves a SimulatedRadio on the master side of a pseudo-terminal pair, on its own thread. A
// client opens slavePath() as it would a serial device. The transport keeps a slave descriptor
// of its own open so that clients may come and go without the line hanging up; disconnect()
// closes the line, which the client sees as a hang-up.
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

#include "sim/SimulatedRadio.h"
#include "sim/Transcript.h"

namespace velmora::sim {

struct PtyOptions {
    std::string linkPath;  // optional stable symlink to the slave device
    int baud = 0;          // pace output at 11 bits per character; 0 writes at once
    Transcript* transcript = nullptr;
    // Like the radio's own port: bytes that come at another speed than its CAT RATE (menu item
    // 32) are garbage to it and lost. Off, the line's speed does not matter.
    bool checkLineRate = false;
};

class PtyTransport {
  public:
    PtyTransport(SimulatedRadio& radio, PtyOptions options);
    ~PtyTransport();
    PtyTransport(const PtyTransport&) = delete;
    PtyTransport& operator=(const PtyTransport&) = delete;

    // Opens the pair and starts serving. False (with a reason in error) if the pair or the
    // symlink cannot be made.
    bool start(std::string* error = nullptr);
    const std::string& slavePath() const { return slavePath_; }
    // Stops serving, closes the line, removes the symlink and joins the thread. Idempotent.
    void stop();
    // Closes the line now (from any thread); the thread stays until stop().
    void disconnect();
    bool connected() const { return connected_.load(std::memory_order_acquire); }
    // Bytes lost because the client's speed was not the radio's (with checkLineRate).
    uint64_t bytesAtWrongRate() const { return wrongRate_.load(std::memory_order_acquire); }

  private:
    void run();
    void wake();
    void closeLine();
    // The client's line speed (as it set the slave) is the radio's CAT RATE.
    bool lineAtRadioRate() const;
    bool makeLink(std::string* error);

    SimulatedRadio& radio_;
    const PtyOptions options_;
    std::string slavePath_;
    int master_ = -1, heldSlave_ = -1;  // owned by the serving thread once it runs
    int wakeRead_ = -1;
    std::mutex wakeMutex_;  // guards wakeWrite_: the radio may call wake() while stop() closes it
    int wakeWrite_ = -1;
    std::atomic<bool> stopping_{false}, disconnectRequested_{false}, connected_{false};
    std::atomic<uint64_t> wrongRate_{0};
    std::thread thread_;
};

}  // namespace velmora::sim
