#pragma once
// One network client's conversation, as the server drives it: bytes in, replies out, and a look
// again now and then while a set waits for the radio.
#include <chrono>
#include <string>
#include <string_view>

namespace velmora::rigctl {

class ClientSession {
  public:
    using Clock = std::chrono::steady_clock;
    virtual ~ClientSession() = default;
    virtual void receive(std::string_view bytes, Clock::time_point now) = 0;
    virtual void poll(Clock::time_point now) = 0;
    // The replies made since the last call, to be written in one piece.
    virtual std::string takeReplies() = 0;
    virtual bool waiting() const = 0;
    virtual bool closed() const = 0;
};

}  // namespace velmora::rigctl
