#include "rigctl/RigctlSession.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "rigctl/DumpState.h"

namespace velmora::rigctl {

namespace {

constexpr std::string_view kExtendedMarks = "+;|,";
constexpr int64_t kLowestHz = 30000, kHighestHz = 60000000;

std::vector<std::string> splitWords(std::string_view line) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        const size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
        if (i > start) words.emplace_back(line.substr(start, i - start));
    }
    return words;
}

std::optional<int64_t> parseHz(const std::string& text) {
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (end == text.c_str() || *end != '\0' || !std::isfinite(v)) return std::nullopt;
    return static_cast<int64_t>(std::llround(v));
}

std::optional<long> parseInt(const std::string& text) {
    char* end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (end == text.c_str() || *end != '\0') return std::nullopt;
    return v;
}

// The client library's S-meter scale: dB over S9, S0 at -54, the needle's end at +60.
int strengthDb(int reading) {
    return reading * 114 / 255 - 54;
}

// The receive offset the clarifier gives; none while it is off.
int ritHz(const RigState& s) {
    return s.clarifierOn ? s.clarifierHz : 0;
}

// The levels the radio reports, as the client library scales them; nullopt for the rest. The
// SWR is not among them: the radio reports only whether it is high.
std::optional<std::string> levelValue(std::string_view name, const RigState& s) {
    if (name == "STRENGTH") return std::to_string(strengthDb(s.sMeter));
    if (name != "RFPOWER") return std::nullopt;
    char text[16];
    std::snprintf(text, sizeof text, "%f", s.rfPower / 255.0);
    return text;
}

}  // namespace

void RigctlSession::receive(std::string_view bytes, Clock::time_point now) {
    if (closed_) return;
    input_.append(bytes);
    runLines(now);
    if (!closed_ && input_.size() > kMaxLineBytes) {
        replies_ += "RPRT " + std::to_string(rprt::INVALID) + "\n";
        input_.clear();
        closed_ = true;
    }
}

void RigctlSession::poll(Clock::time_point now) {
    if (!pending_) return;
    const RigState s = rig_.state();
    if (pending_->done(s)) {
        finishPending(rprt::OK);
    } else if (s.refusals != pending_->refusalsBefore) {
        // The radio answers in order and a set has no answer of its own: a refusal while the
        // set waits is the set's (or one of the panel's commands sent meanwhile, which the radio
        // refuses only as rarely).
        finishPending(rprt::REJECTED);
    } else if (now >= pending_->deadline) {
        finishPending(s.powerOn ? rprt::TIMEOUT : rprt::POWER_OFF);
    } else {
        return;
    }
    runLines(now);
}

std::string RigctlSession::takeReplies() {
    std::string out;
    out.swap(replies_);
    return out;
}

void RigctlSession::finishPending(int code) {
    Outcome outcome;
    outcome.code = code;
    const Call call = std::move(pending_->call);
    pending_.reset();
    reply(call, outcome);
}

void RigctlSession::runLines(Clock::time_point now) {
    runTokens(now);
    while (!pending_ && !closed_) {
        const size_t end = input_.find('\n');
        if (end == std::string::npos) return;
        std::string line = input_.substr(0, end);
        input_.erase(0, end + 1);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        tokens_ = splitWords(line);
        nextToken_ = 0;
        runTokens(now);
    }
}

void RigctlSession::runTokens(Clock::time_point now) {
    while (!pending_ && !closed_ && nextToken_ < tokens_.size()) {
        const std::optional<Call> call = nextCall();
        if (!call) continue;
        if (call->command->action == Action::Quit) {
            closed_ = true;
            return;
        }
        Outcome outcome = execute(*call);
        if (outcome.awaited && outcome.code == rprt::OK) {
            pending_ =
                Pending{*call, std::move(outcome.awaited), outcome.refusalsBefore, now + kSetWait};
            poll(now);
            return;
        }
        reply(*call, outcome);
    }
}

std::optional<RigctlSession::Call> RigctlSession::nextCall() {
    std::string_view token = tokens_[nextToken_++];
    Call call;
    if (token.size() > 1 && kExtendedMarks.find(token.front()) != std::string_view::npos) {
        call.separator = token.front() == '+' ? '\n' : token.front();
        token.remove_prefix(1);
    }
    call.command = findCommand(token);
    const int argsLeft = static_cast<int>(tokens_.size() - nextToken_);
    if (!call.command) {
        // Its arguments cannot be told from the commands after it: the rest of the line goes.
        nextToken_ = tokens_.size();
        replies_ += "RPRT " + std::to_string(rprt::NOT_IMPLEMENTED) + "\n";
        return std::nullopt;
    }
    const RigctlCommand& c = *call.command;
    if (c.takesVfo && argsLeft > c.arguments) {
        if (auto vfo = vfoByName(tokens_[nextToken_])) {
            call.vfo = vfo;
            call.args.push_back(tokens_[nextToken_++]);
        }
    }
    if (static_cast<int>(tokens_.size() - nextToken_) < c.arguments) {
        nextToken_ = tokens_.size();
        replies_ += "RPRT " + std::to_string(rprt::INVALID) + "\n";
        return std::nullopt;
    }
    for (int i = 0; i < c.arguments; ++i) call.args.push_back(tokens_[nextToken_++]);
    call.header = std::string(c.longName) + ":";
    for (const std::string& a : call.args) call.header += " " + a;
    if (call.vfo) call.args.erase(call.args.begin());
    return call;
}

void RigctlSession::reply(const Call& call, const Outcome& outcome) {
    const RigctlCommand& c = *call.command;
    if (outcome.raw) {
        for (const std::string& v : outcome.values) replies_ += v + "\n";
        return;
    }
    if (call.separator) {
        const char sep = call.separator;
        replies_ += call.header + sep;
        if (outcome.code == rprt::OK) {
            for (size_t i = 0; i < outcome.values.size(); ++i) {
                const std::string_view label = i < c.labels.size() ? c.labels[i] : "";
                replies_ += label.empty() ? outcome.values[i]
                                          : std::string(label) + ": " + outcome.values[i];
                replies_ += sep;
            }
        }
        replies_ += "RPRT " + std::to_string(outcome.code) + "\n";
        return;
    }
    if (outcome.code != rprt::OK || c.isSet) {
        replies_ += "RPRT " + std::to_string(outcome.code) + "\n";
        return;
    }
    for (const std::string& v : outcome.values) replies_ += v + "\n";
    // The lock query ends with its code too: clients of this version read one.
    if (c.action == Action::GetLockMode) replies_ += "RPRT 0\n";
}

int RigctlSession::sideOf(std::optional<Vfo> vfo, const RigState& s) const {
    switch (vfo.value_or(Vfo::Current)) {
        case Vfo::A:
            return 0;
        case Vfo::B:
            return 1;
        case Vfo::Tx:
            return s.split ? 1 : 0;
        case Vfo::Current:
        case Vfo::Rx:
            return currentSide_;
    }
    return currentSide_;
}

RigctlSession::Outcome RigctlSession::execute(const Call& call) {
    const RigState s = rig_.state();
    return call.command->isSet ? executeSet(call, s) : executeGet(call, s);
}

RigctlSession::Outcome RigctlSession::executeGet(const Call& call, const RigState& s) {
    Outcome out;
    const int side = sideOf(call.vfo, s);
    auto modeValues = [&](int radioSide) {
        const ModeName* m = modeByRadioCode(s.mode[radioSide]);
        if (!m) {
            out.code = rprt::NOT_AVAILABLE;
            return;
        }
        out.values = {std::string(m->name), std::to_string(m->normalWidth)};
    };
    switch (call.command->action) {
        case Action::GetFreq:
            out.values = {std::to_string(s.frequency[side])};
            break;
        case Action::GetMode:
            modeValues(side);
            break;
        case Action::GetVfo:
            out.values = {std::string(vfoName(currentSide_))};
            break;
        case Action::GetSplitVfo:
            out.values = {s.split ? "1" : "0", std::string(vfoName(s.split ? 1 : 0))};
            break;
        case Action::GetSplitFreq:
            out.values = {std::to_string(s.frequency[1])};
            break;
        case Action::GetSplitMode:
            modeValues(1);
            break;
        case Action::GetPtt:
            out.values = {s.transmitting ? "1" : "0"};
            break;
        case Action::GetRit:
            out.values = {std::to_string(ritHz(s))};
            break;
        case Action::GetLevel:
            if (auto value = levelValue(call.args[0], s))
                out.values = {*value};
            else
                out.code = rprt::NOT_AVAILABLE;
            break;
        case Action::GetVfoInfo: {
            const auto vfo = vfoByName(call.args[0]);
            if (!vfo) {
                out.code = rprt::INVALID_VFO;
                break;
            }
            const int infoSide = sideOf(vfo, s);
            modeValues(infoSide);
            if (out.code != rprt::OK) break;
            out.values.insert(out.values.begin(), std::to_string(s.frequency[infoSide]));
            out.values.push_back(s.split ? "1" : "0");
            out.values.push_back("0");
            break;
        }
        case Action::ChkVfo:
            askedChkVfo_ = true;
            out.values = {"0"};
            out.raw = true;
            break;
        case Action::DumpState:
            out.values = {dumpStateText(askedChkVfo_)};
            out.values.back().pop_back();
            out.raw = call.separator == 0;
            break;
        case Action::GetPowerstat:
            out.values = {s.powerOn ? "1" : "0"};
            break;
        case Action::GetLockMode:
            out.values = {"0"};
            break;
        default:
            out.code = rprt::NOT_IMPLEMENTED;
            break;
    }
    return out;
}

RigctlSession::Outcome RigctlSession::sendSet(RigSet set, std::function<bool(const RigState&)> done,
                                              const RigState& s) {
    Outcome out;
    // A radio reported off may only not have been read yet: the set goes out, and the wait
    // tells the two apart.
    if (!s.linkUp) {
        // Nothing reaches a silent radio; the client hears so at once.
        out.code = rprt::TIMEOUT;
    } else if (!rig_.send(set)) {
        out.code = rprt::REJECTED;
    } else {
        out.awaited = std::move(done);
        out.refusalsBefore = s.refusals;
    }
    return out;
}

RigctlSession::Outcome RigctlSession::executeSet(const Call& call, const RigState& s) {
    Outcome invalid;
    invalid.code = rprt::INVALID;
    const int side = sideOf(call.vfo, s);
    auto setFrequency = [&](int target) {
        const auto hz = parseHz(call.args[0]);
        if (!hz || *hz < kLowestHz || *hz > kHighestHz) return invalid;
        const int64_t want = *hz;
        return sendSet(
            {RigSetKind::Frequency, target, want},
            [=](const RigState& r) { return r.frequency[target] == want; }, s);
    };
    auto setMode = [&](int target) {
        const ModeName* m = modeByName(call.args[0]);
        const auto width = parseInt(call.args[1]);
        if (!m || !width) return invalid;
        const int code = m->radioCode;
        // The radio's filters follow its mode: a width is taken as asked and left as it is.
        return sendSet(
            {RigSetKind::Mode, target, code},
            [=](const RigState& r) { return r.mode[target] == code; }, s);
    };
    switch (call.command->action) {
        case Action::SetFreq:
            return setFrequency(side);
        case Action::SetSplitFreq:
            return setFrequency(1);
        case Action::SetMode:
            return setMode(side);
        case Action::SetSplitMode:
            return setMode(1);
        case Action::SetVfo: {
            const auto vfo = vfoByName(call.args[0]);
            if (!vfo) {
                Outcome out;
                out.code = rprt::INVALID_VFO;
                return out;
            }
            currentSide_ = sideOf(vfo, s);
            return {};
        }
        case Action::SetSplitVfo: {
            const auto on = parseInt(call.args[0]);
            const auto tx = vfoByName(call.args[1]);
            if (!on || *on < 0 || *on > 1) return invalid;
            if (!tx) {
                Outcome out;
                out.code = rprt::INVALID_VFO;
                return out;
            }
            const bool split = *on == 1 && sideOf(tx, s) == 1;
            return sendSet(
                {RigSetKind::Split, 0, split ? 1 : 0},
                [=](const RigState& r) { return r.split == split; }, s);
        }
        case Action::SetPtt: {
            const auto ptt = parseInt(call.args[0]);
            if (!ptt || *ptt < 0 || *ptt > 3) return invalid;
            const bool on = *ptt != 0;
            return sendSet(
                {RigSetKind::Ptt, 0, on ? 1 : 0},
                [=](const RigState& r) { return r.transmitting == on; }, s);
        }
        case Action::SetRit: {
            const auto hz = parseInt(call.args[0]);
            if (!hz) return invalid;
            Outcome out;
            if (*hz == ritHz(s)) return out;
            // The radio's clarifier moves by knob steps of its own size, or back to zero: the
            // only offset a client can ask for is 0.
            if (*hz != 0) {
                out.code = rprt::NOT_AVAILABLE;
                return out;
            }
            return sendSet(
                {RigSetKind::ClearClarifier, 0, 0}, [](const RigState& r) { return ritHz(r) == 0; },
                s);
        }
        case Action::SetLockMode:
            return parseInt(call.args[0]) ? Outcome{} : invalid;
        default: {
            Outcome out;
            out.code = rprt::NOT_IMPLEMENTED;
            return out;
        }
    }
}

}  // namespace velmora::rigctl
