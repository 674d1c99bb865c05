#pragma once
// One client's conversation: its bytes cut into lines, each line's commands answered in turn.
// Reads answer from the radio's last report at once; a set goes to the radio and its answer
// waits (bounded) until the radio reports the new value, holding back the commands after it so
// that every reply comes in the order of the requests.
//
// Each session keeps its own VFO choice and whether it asked \chk_vfo; sessions share nothing
// but the RigControl, so one client never redirects another's sets.
#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rigctl/ClientSession.h"
#include "rigctl/RigControl.h"
#include "rigctl/RigctlCommands.h"
#include "rigctl/RigctlNames.h"

namespace velmora::rigctl {

// The client library's error codes, as sent after "RPRT ".
namespace rprt {
inline constexpr int OK = 0;
inline constexpr int INVALID = -1;
inline constexpr int NOT_IMPLEMENTED = -4;
inline constexpr int TIMEOUT = -5;
inline constexpr int REJECTED = -9;
inline constexpr int NOT_AVAILABLE = -11;
inline constexpr int INVALID_VFO = -16;
inline constexpr int POWER_OFF = -20;
}  // namespace rprt

class RigctlSession : public ClientSession {
  public:
    // A longer line is no client's command: the session answers it with an error and closes.
    static constexpr size_t kMaxLineBytes = 4096;
    // How long a set waits for the radio's report; clients give up after 2 s or more.
    static constexpr std::chrono::milliseconds kSetWait{1500};

    explicit RigctlSession(RigControl& rig) : rig_(rig) {}

    // Takes bytes from the client and answers every command it can.
    void receive(std::string_view bytes, Clock::time_point now) override;
    // Looks again at a set that waits: answers it once the radio has reported the value, or the
    // wait has run out, then goes on with the commands after it.
    void poll(Clock::time_point now) override;
    // The replies made since the last call, to be written in one piece.
    std::string takeReplies() override;

    bool waiting() const override { return pending_.has_value(); }
    bool closed() const override { return closed_; }

  private:
    struct Call {
        const RigctlCommand* command = nullptr;
        char separator = 0;  // 0: plain replies; else the extended replies' separator
        std::optional<Vfo> vfo;
        std::vector<std::string> args;
        std::string header;  // "name: args" for extended replies
    };
    struct Outcome {
        int code = rprt::OK;
        std::vector<std::string> values;
        std::function<bool(const RigState&)> awaited;  // a set: the radio's report it waits for
        uint32_t refusalsBefore = 0;                   // the radio's refusals before the set
        bool raw = false;                              // values only, never RPRT
    };
    struct Pending {
        Call call;
        std::function<bool(const RigState&)> done;
        uint32_t refusalsBefore;
        Clock::time_point deadline;
    };

    void runLines(Clock::time_point now);
    void runTokens(Clock::time_point now);
    std::optional<Call> nextCall();
    Outcome execute(const Call& call);
    Outcome executeGet(const Call& call, const RigState& s);
    Outcome executeSet(const Call& call, const RigState& s);
    Outcome sendSet(RigSet set, std::function<bool(const RigState&)> done, const RigState& s);
    int sideOf(std::optional<Vfo> vfo, const RigState& s) const;
    void reply(const Call& call, const Outcome& outcome);
    void finishPending(int code);

    RigControl& rig_;
    std::string input_;
    std::vector<std::string> tokens_;  // of the line being answered
    size_t nextToken_ = 0;
    std::string replies_;
    std::optional<Pending> pending_;
    int currentSide_ = 0;
    bool askedChkVfo_ = false;
    bool closed_ = false;
};

}  // namespace velmora::rigctl
