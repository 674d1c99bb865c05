#pragma once
// The equalizer's commands into SendRing, with a wake-up for the command thread, which passes
// them on to the send thread at the line's pace. GUI thread (the ring serialises its producers).
#include "equalizer/CommandSink.h"

namespace velmora {
class RadioStateStore;
}

namespace velmora::equalizer {

class StoreCommandSink : public CommandSink {
  public:
    explicit StoreCommandSink(RadioStateStore& store) : store_(store) {}
    void send(std::string_view command) override;

  private:
    RadioStateStore& store_;
};

}  // namespace velmora::equalizer
