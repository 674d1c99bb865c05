// A rigctld session and an XML-RPC session fed arbitrary client bytes, in pieces, against a
// radio that carries out every other change: they must never crash, every reply must end with a
// line feed, and a closed session must say nothing more.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "rigctl/FlrigSession.h"
#include "rigctl/RigctlSession.h"

namespace {

class Radio : public velmora::rigctl::RigControl {
  public:
    velmora::rigctl::RigState now;
    velmora::rigctl::RigState state() const override { return now; }
    bool send(const velmora::rigctl::RigSet& set) override {
        // Every other change is never reported, so the waits run out too.
        if ((++sets_ & 1) == 0) return true;
        if (set.kind == velmora::rigctl::RigSetKind::Frequency) now.frequency[set.side] = set.value;
        if (set.kind == velmora::rigctl::RigSetKind::Mode)
            now.mode[set.side] = static_cast<int>(set.value);
        return true;
    }

  private:
    unsigned sets_ = 0;
};

template <typename Session>
void feed(std::string_view all) {
    Radio radio;
    Session session(radio);
    auto t = velmora::rigctl::ClientSession::Clock::time_point{};
    for (size_t at = 0; at < all.size(); at += 7) {
        const bool wasClosed = session.closed();
        session.receive(all.substr(at, 7), t);
        t += Session::kSetWait / 2;
        session.poll(t);
        const std::string replies = session.takeReplies();
        if (!replies.empty() && replies.back() != '\n') std::abort();
        if (wasClosed && !replies.empty()) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view all(reinterpret_cast<const char*>(data), size);
    feed<velmora::rigctl::RigctlSession>(all);
    feed<velmora::rigctl::FlrigSession>(all);
    return 0;
}
