#pragma once
// The port's switch to the speed of a CAT RATE just written from the menu list. The radio takes
// its new rate when it reads EX032, which the command thread sends last; the port may follow
// only once that command has left it, and not wait for ever when it never does. From then until
// the switch every other command waits in SendRing, as it would be lost between the radio's
// switch and the port's. Driven by the
// window's timer, so the GUI thread never sleeps. GUI thread only.
#include <cstdint>

namespace velmora {

class RadioStateStore;
class SerialPort;

class MenuRateSwitch {
  public:
    // How often the window asks; the longest wait for the queue; the time the line and the radio
    // get after the last byte left the port's queue (the character still in the shift register,
    // the radio's own switch).
    static constexpr int kPollMs = 10;
    static constexpr int kDrainLimitMs = 5000;
    static constexpr int kSettleMs = 100;

    MenuRateSwitch(RadioStateStore& store, SerialPort& port);

    // To be read before req::MENU_WRITE is posted: the write that follows is the one waited for.
    uint32_t writesSoFar() const;
    // Starts waiting for the write posted after writesSoFar() == before; nowMs on any monotonic
    // clock.
    void start(int32_t baud, uint32_t before, int64_t nowMs);
    bool running() const { return phase_ != Phase::Idle; }
    // One poll: true once the port has been switched (or the switch was given up).
    bool poll(int64_t nowMs);
    // Whether the last switch came after the queue drained (false: the limit ran out).
    bool drainedInTime() const { return drainedInTime_; }

    // Every command the menu write queued has left the port.
    bool drained() const;

  private:
    enum class Phase { Idle, Draining, Settling };
    void switchPort();
    void releaseSends();

    RadioStateStore& store_;
    SerialPort& port_;
    Phase phase_ = Phase::Idle;
    int32_t baud_ = 0;
    uint32_t before_ = 0;
    int64_t startedMs_ = 0;
    int64_t drainedMs_ = 0;
    bool drainedInTime_ = false;
};

}  // namespace velmora
