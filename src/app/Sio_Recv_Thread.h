#pragma once
// The receive thread. It drives its own ticks instead of a 1 ms timer: while the poller holds
// more bytes it ticks again at once, while RTS is held low within a millisecond, otherwise it
// blocks on the device until bytes arrive, the line goes, the port is (re)opened or the thread
// is asked to end - so a silent line costs no wake-ups. Until the communication gate opens it
// looks at the gate every few milliseconds and leaves the device alone.
//
// As a ThreadHandle it takes WM_THREAD_QUIT (ends it, waking the device wait) and
// WM_RECEIVE_POLL (one extra tick, for a timer that still posts it); other messages are ignored.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <ctime>
#include <memory>
#include <mutex>
#include <thread>

#include "link/ThreadHandle.h"
#include "serial/ReceivePoller.h"

namespace velmora {

class RadioStateStore;
class SerialPort;

class Sio_Recv_Thread final : public ThreadHandle {
  public:
    static constexpr int kBusyTickMs = 1;
    // Longest single block on a silent line; the wait ends earlier on bytes, a wake or a stop.
    static constexpr int kIdleWaitMs = 60000;
    static constexpr int kGateLookMs = 5;

    Sio_Recv_Thread(RadioStateStore& store, SerialPort& port);
    // Withdraws the thread from the store, then ends and joins it.
    ~Sio_Recv_Thread() override;

    Sio_Recv_Thread(const Sio_Recv_Thread&) = delete;
    Sio_Recv_Thread& operator=(const Sio_Recv_Thread&) = delete;

    bool start();
    bool post(uint32_t id, uintptr_t wParam, intptr_t lParam) override;
    bool isRunning() const override { return running_.load(std::memory_order_acquire); }
    void requestStop();
    void join();

    // Ticks run so far and waits that ended, for the idle measurements.
    uint64_t tickCount() const { return ticks_.load(std::memory_order_relaxed); }
    uint64_t wakeCount() const { return wakes_.load(std::memory_order_relaxed); }
    // CPU time the thread has used, in nanoseconds (0 before it starts).
    uint64_t cpuNanoseconds() const;

  private:
    void run();
    void waitForGate();

    RadioStateStore& store_;
    SerialPort& port_;
    ReceivePoller poller_;  // used on the thread only

    std::atomic<bool> stop_{false};
    std::atomic<bool> running_{false};
    std::atomic<bool> closed_{false};  // no more posts: asked to end, or ended
    std::atomic<bool> extraTick_{false};
    std::atomic<uint64_t> ticks_{0}, wakes_{0};
    std::atomic<clockid_t> cpuClock_{};  // the thread's CPU-time clock, set as it begins
    std::atomic<bool> cpuClockKnown_{false};

    std::mutex stopMutex_;            // pairs with stopCv_; stop_ is the condition it waits for
    std::condition_variable stopCv_;  // wakes the gate wait on a stop

    std::mutex joinMutex_;  // guards thread_: its creation and joining
    std::thread thread_;
};

// Empties RecvRing, creates and starts the receive thread and stores it in the store; nullptr
// if it cannot be started. The caller owns it until shutdown. No timer is started: the thread
// drives its own ticks.
std::unique_ptr<Sio_Recv_Thread> StartReceiveThread(RadioStateStore& store, SerialPort& port);

}  // namespace velmora
