#pragma once
// What the network protocol needs of the radio: a snapshot of the values clients read, and a
// way to ask for one change. Side 0 is the main receiver (VFO-A to clients), 1 the sub (VFO-B).
#include <cstdint>

namespace velmora::rigctl {

struct RigState {
    int64_t frequency[2] = {0, 0};  // Hz
    int mode[2] = {0, 0};           // the radio's mode codes
    bool split = false;             // the transmitter on the sub receiver's frequency
    bool transmitting = false;
    bool linkUp = true;  // the radio answers (auto-information on)
    bool powerOn = true;
    bool clarifierOn = false;
    int clarifierHz = 0;
    int sMeter = 0;   // the main receiver's S-meter reading, 0-255
    int rfPower = 0;  // the RF PWR knob, 0-255
    // Counts the radio's refusals ("?;"); one that comes while a set waits is that set's.
    uint32_t refusals = 0;
};

enum class RigSetKind { Frequency, Mode, Split, Ptt, ClearClarifier };

struct RigSet {
    RigSetKind kind;
    int side = 0;
    int64_t value = 0;
};

class RigControl {
  public:
    virtual ~RigControl() = default;
    virtual RigState state() const = 0;
    // Queues the change for the radio; false when it cannot be sent at all.
    virtual bool send(const RigSet& set) = 0;
};

}  // namespace velmora::rigctl
