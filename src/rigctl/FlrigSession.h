#pragma once
// The XML-RPC protocol of the other common rig server, over HTTP/1.1 with keep-alive: one
// method call per request, answered from the radio's last report, or (a set) once the radio has
// reported the change. A line before the request line that is not HTTP (a client's id) is
// skipped.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "rigctl/ClientSession.h"
#include "rigctl/RigControl.h"

namespace velmora::rigctl {

class FlrigSession : public ClientSession {
  public:
    static constexpr size_t kMaxRequestBytes = 65536;
    static constexpr std::chrono::milliseconds kSetWait{1500};

    explicit FlrigSession(RigControl& rig) : rig_(rig) {}

    void receive(std::string_view bytes, Clock::time_point now) override;
    void poll(Clock::time_point now) override;
    std::string takeReplies() override;
    bool waiting() const override { return pending_.has_value(); }
    bool closed() const override { return closed_; }

    // The radio's mode names in this protocol, by the radio's mode code (1-13).
    static std::string_view modeName(int code);

  private:
    struct Pending {
        std::function<bool(const RigState&)> done;
        uint32_t refusalsBefore;  // the radio's refusals before the set went out
        Clock::time_point deadline;
    };

    void runRequests(Clock::time_point now);
    void call(std::string_view method, const std::string& param, Clock::time_point now);
    void set(RigSet change, std::function<bool(const RigState&)> done, Clock::time_point now);
    void respond(const std::string& valueXml);
    void fault(std::string_view text);

    RigControl& rig_;
    std::string input_;
    std::string replies_;
    std::optional<Pending> pending_;
    bool closed_ = false;
};

}  // namespace velmora::rigctl
