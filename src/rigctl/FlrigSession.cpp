#include "rigctl/FlrigSession.h"

#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <functional>

namespace velmora::rigctl {

namespace {

// clang-format off
constexpr std::array<std::string_view, 14> kModeNames = {
    "",      "LSB",    "USB",    "CW",     "FM",   "AM",    "RTTY-L",
    "CW-R",  "PKT-L",  "RTTY-U", "PKT-FM", "FM-N", "PKT-U", "AM-N",
};
constexpr std::array<int, 14> kWidths = {0, 2400, 2400, 500, 12000, 6000, 500,
                                         500, 2400, 500, 12000, 9000, 2400, 3000};
// clang-format on

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string between(std::string_view text, std::string_view open, std::string_view close) {
    const size_t a = text.find(open);
    if (a == std::string_view::npos) return {};
    const size_t from = a + open.size();
    const size_t b = text.find(close, from);
    return b == std::string_view::npos ? std::string() : std::string(text.substr(from, b - from));
}

// The first parameter's text, whatever its type tag.
std::string firstParam(std::string_view body) {
    std::string value = between(body, "<value>", "</value>");
    std::string plain;
    bool inTag = false;
    for (char c : value) {
        if (c == '<') inTag = true;
        if (!inTag) plain += c;
        if (c == '>') inTag = false;
    }
    return plain;
}

std::string str(std::string_view s) {
    return "<value>" + std::string(s) + "</value>";
}
std::string i4(int64_t v) {
    return "<value><i4>" + std::to_string(v) + "</i4></value>";
}
std::string array(const std::vector<std::string>& values) {
    std::string out = "<value><array><data>";
    for (const std::string& v : values) out += v;
    return out + "</data></array></value>";
}

}  // namespace

std::string_view FlrigSession::modeName(int code) {
    return code > 0 && code < static_cast<int>(kModeNames.size()) ? kModeNames[code] : "";
}

void FlrigSession::receive(std::string_view bytes, Clock::time_point now) {
    if (closed_) return;
    input_.append(bytes);
    runRequests(now);
    if (input_.size() > kMaxRequestBytes) closed_ = true;
}

void FlrigSession::poll(Clock::time_point now) {
    if (!pending_) return;
    const RigState s = rig_.state();
    if (pending_->done(s)) {
        pending_.reset();
        respond(str(""));
    } else if (s.refusals != pending_->refusalsBefore) {
        pending_.reset();
        fault("rejected");
    } else if (now >= pending_->deadline) {
        pending_.reset();
        fault(s.powerOn ? "timeout" : "radio off");
    } else {
        return;
    }
    runRequests(now);
}

std::string FlrigSession::takeReplies() {
    std::string out;
    out.swap(replies_);
    return out;
}

void FlrigSession::runRequests(Clock::time_point now) {
    while (!pending_ && !closed_) {
        // Whatever comes before the request line (a client's id line) is not HTTP.
        const size_t post = input_.find("POST ");
        if (post == std::string::npos) return;
        const size_t headEnd = input_.find("\r\n\r\n", post);
        if (headEnd == std::string::npos) return;
        const std::string head = lower(std::string_view(input_).substr(post, headEnd - post));
        const size_t at = head.find("content-length:");
        const size_t length =
            at == std::string::npos ? 0 : std::strtoul(head.c_str() + at + 15, nullptr, 10);
        if (input_.size() < headEnd + 4 + length) return;
        const std::string body = input_.substr(headEnd + 4, length);
        input_.erase(0, headEnd + 4 + length);
        call(between(body, "<methodName>", "</methodName>"), firstParam(body), now);
    }
}

void FlrigSession::respond(const std::string& valueXml) {
    const std::string body = "<?xml version=\"1.0\"?>\n<methodResponse><params><param>" + valueXml +
                             "</param></params></methodResponse>\n";
    replies_ += "HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\nContent-Length: " +
                std::to_string(body.size()) + "\r\n\r\n" + body;
}

void FlrigSession::fault(std::string_view text) {
    const std::string body =
        "<?xml version=\"1.0\"?>\n<methodResponse><fault><value><struct>"
        "<member><name>faultCode</name><value><i4>-1</i4></value></member>"
        "<member><name>faultString</name><value>" +
        std::string(text) + "</value></member></struct></value></fault></methodResponse>\n";
    replies_ += "HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\nContent-Length: " +
                std::to_string(body.size()) + "\r\n\r\n" + body;
}

void FlrigSession::set(RigSet change, std::function<bool(const RigState&)> done,
                       Clock::time_point now) {
    const RigState s = rig_.state();
    if (!s.linkUp) return fault("timeout");
    if (!rig_.send(change)) return fault("rejected");
    pending_ = Pending{std::move(done), s.refusals, now + kSetWait};
    poll(now);
}

void FlrigSession::call(std::string_view m, const std::string& param, Clock::time_point now) {
    const RigState s = rig_.state();
    const int side = m.ends_with('B') ? 1 : 0;
    if (m == "main.get_version") return respond(str("1.4.7"));
    if (m == "rig.get_xcvr") return respond(str("Aldren"));
    if (m == "rig.get_AB") return respond(str("A"));
    if (m == "rig.get_modes") {
        std::vector<std::string> names;
        for (size_t i = 1; i < kModeNames.size(); ++i) names.push_back(str(kModeNames[i]));
        return respond(array(names));
    }
    if (m == "rig.get_mode" || m == "rig.get_modeA" || m == "rig.get_modeB")
        return respond(str(modeName(s.mode[side])));
    if (m == "rig.get_bws" || m == "rig.get_bw" || m == "rig.get_bwA" || m == "rig.get_bwB") {
        const int code = s.mode[side];
        const std::string width =
            std::to_string(code > 0 && code < static_cast<int>(kWidths.size()) ? kWidths[code] : 0);
        if (m == "rig.get_bws") return respond(array({array({str("Bandwidth"), str(width)})}));
        return respond(array({str(width), str("")}));
    }
    if (m == "rig.get_vfo" || m == "rig.get_vfoA" || m == "rig.get_vfoB")
        return respond(str(std::to_string(s.frequency[side])));
    if (m == "rig.get_ptt") return respond(i4(s.transmitting ? 1 : 0));
    if (m == "rig.get_split") return respond(i4(s.split ? 1 : 0));
    if (m == "rig.get_smeter") return respond(str(std::to_string(s.sMeter * 100 / 255)));
    if (m == "rig.get_pwrmeter") return respond(str("0"));
    if (m == "rig.set_bw" || m == "rig.set_bwA" || m == "rig.set_bwB" || m == "rig.cat_string")
        return respond(str(""));  // the filters follow the mode; raw CAT stays the panel's
    if (m == "rig.set_vfo" || m == "rig.set_vfoA" || m == "rig.set_vfoB") {
        const double hz = std::strtod(param.c_str(), nullptr);
        const auto want = static_cast<int64_t>(std::llround(hz));
        if (want < 30000 || want > 60000000) return fault("invalid frequency");
        return set(
            {RigSetKind::Frequency, side, want},
            [=](const RigState& r) { return r.frequency[side] == want; }, now);
    }
    if (m == "rig.set_mode" || m == "rig.set_modeA" || m == "rig.set_modeB") {
        for (int code = 1; code < static_cast<int>(kModeNames.size()); ++code) {
            if (kModeNames[static_cast<size_t>(code)] != param) continue;
            return set(
                {RigSetKind::Mode, side, code},
                [=](const RigState& r) { return r.mode[side] == code; }, now);
        }
        return fault("invalid mode");
    }
    if (m == "rig.set_ptt" || m == "rig.set_split") {
        const bool on = std::atoi(param.c_str()) != 0;
        const bool ptt = m == "rig.set_ptt";
        return set(
            {ptt ? RigSetKind::Ptt : RigSetKind::Split, 0, on ? 1 : 0},
            [=](const RigState& r) { return (ptt ? r.transmitting : r.split) == on; }, now);
    }
    fault("unknown");
}

}  // namespace velmora::rigctl
