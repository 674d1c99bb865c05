#pragma once
// Where the equalizer's commands go: one complete command (ending in ";") at a time. The running
// program hands them to the command thread; tests record them.
#include <string_view>

namespace velmora::equalizer {

class CommandSink {
  public:
    virtual ~CommandSink() = default;
    virtual void send(std::string_view command) = 0;
};

}  // namespace velmora::equalizer
