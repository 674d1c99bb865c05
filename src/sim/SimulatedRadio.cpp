#include "sim/SimulatedRadio.h"

#include <algorithm>
#include <limits>

#include "platform/Clock.h"
#include "sim/AnswerFormat.h"
#include "sim/CatInterpreter.h"
#include "sim/Digits.h"
#include "sim/SimpleSettingTable.h"
#include "sim/StateDump.h"

namespace velmora::sim {

namespace {
// A command longer than this without ";" is line noise; the radio forgets it.
constexpr size_t kMaxCommandLength = 1024;
constexpr int64_t kForever = std::numeric_limits<int64_t>::max();
constexpr int kMeterDriftMax = 8;
constexpr int kClarifierDriftMax = 120, kClarifierDriftLimit = 1200;

// The knob settings that drift with the meters, one per change in turn: {code, selector}.
struct DriftingKnob {
    const char* code;
    int selector;
};
constexpr DriftingKnob kDriftingKnobs[] = {
    {"AG", 0}, {"AG", 1}, {"RG", 0}, {"RG", 1}, {"SQ", 0}, {"SQ", 1}, {"NL", 0}, {"NL", 1},
    {"MG", 0}, {"PC", 0}, {"VG", 0}, {"PL", 0}, {"KS", 0}, {"KP", 0}, {"VD", 0},
};

std::vector<std::string> currentReports(const RadioModel& m) {
    std::vector<std::string> out;
    out.reserve(reportQueries().size());
    for (const std::string& q : reportQueries()) out.push_back(answerQuery(m, q).value_or(""));
    return out;
}

std::vector<int64_t> currentMenu(const RadioModel& m) {
    std::vector<int64_t> out;
    for (int n = 1; n <= m.menuCount(); ++n) out.push_back(m.menu(n));
    return out;
}
}  // namespace

SimulatedRadio::SimulatedRadio(SimOptions options)
    : options_(std::move(options)), faults_(options_.faults), random_(options_.faults.seed) {
    model_.identification = options_.identification;
    reported_ = currentReports(model_);
    reportedMenu_ = currentMenu(model_);
    if (faults_.silenceAfterCommands == 0) startSilence(now());
}

int64_t SimulatedRadio::now() const {
    return options_.clock ? options_.clock() : monotonicMillis();
}

void SimulatedRadio::receive(std::string_view bytes) {
    const int64_t t = now();
    std::lock_guard lock(mutex_);
    runTimers(t);
    for (char c : bytes) {
        inbox_.push_back(c);
        if (c == ';') {
            const std::string command = std::move(inbox_);
            inbox_.clear();
            handleCommand(command, t);
        } else if (inbox_.size() > kMaxCommandLength) {
            inbox_.clear();
        }
    }
}

void SimulatedRadio::tick() {
    const int64_t t = now();
    size_t queuedBefore;
    {
        std::lock_guard lock(mutex_);
        queuedBefore = answers_.size();
        runTimers(t);
    }
    notifyIfQueued(queuedBefore);
}

std::vector<std::string> SimulatedRadio::takeAnswers() {
    std::lock_guard lock(mutex_);
    std::vector<std::string> out(std::make_move_iterator(answers_.begin()),
                                 std::make_move_iterator(answers_.end()));
    answers_.clear();
    return out;
}

bool SimulatedRadio::hasAnswers() const {
    std::lock_guard lock(mutex_);
    return !answers_.empty();
}

void SimulatedRadio::setAnswerListener(std::function<void()> listener) {
    std::lock_guard lock(mutex_);
    listener_ = std::move(listener);
}

void SimulatedRadio::notifyIfQueued(size_t queuedBefore) {
    {
        std::lock_guard lock(mutex_);
        if (answers_.size() <= queuedBefore) return;
    }
    notifyListener();
}

void SimulatedRadio::notifyListener() {
    std::function<void()> listener;
    {
        std::lock_guard lock(mutex_);
        listener = listener_;
    }
    if (listener) listener();
}

int64_t SimulatedRadio::millisUntilNextTimer() const {
    const int64_t t = now();
    std::lock_guard lock(mutex_);
    int64_t due = powerOnAt_;
    const auto consider = [&due](int64_t at) {
        if (at >= 0 && (due < 0 || at < due)) due = at;
    };
    if (model_.get("PS") == 1) {
        // A timer that has not been scheduled yet is scheduled by the next tick.
        if (options_.meterDriftPerSecond > 0) consider(nextDrift_ < 0 ? t : nextDrift_);
        if (model_.rotator.turning != 0) consider(nextRotatorStep_ < 0 ? t : nextRotatorStep_);
        consider(keyerPlayEndsAt_);
    }
    return due < 0 ? -1 : std::max<int64_t>(due - t, 0);
}

void SimulatedRadio::handleCommand(std::string_view command, int64_t t) {
    ++commands_;
    if (faults_.silenceAfterCommands >= 0 &&
        commands_ == static_cast<uint64_t>(faults_.silenceAfterCommands) + 1)
        startSilence(t);
    if (model_.get("PS") == 0) return handlePowerCommand(command, t);
    if (faults_.refuseFraction > 0 && random_.unit() < faults_.refuseFraction)
        return queueAnswer(std::string(kRefusal), t);
    if (!faults_.refuseCode.empty() && command.substr(0, 2) == faults_.refuseCode)
        return queueAnswer(std::string(kRefusal), t);
    if (command == "ID;" && faults_.refuseIdentifications > 0) {
        --faults_.refuseIdentifications;
        return queueAnswer(std::string(kRefusal), t);
    }
    if (command.substr(0, 2) == "PS" && command.size() == 4 && command[2] == '0') {
        // Switching off: the radio forgets auto-information and goes quiet.
        model_.set("PS", 0, 0);
        model_.set("AI", 0, 0);
        reported_ = currentReports(model_);
        return;
    }
    std::string answer = interpretCommand(model_, command);
    if (!answer.empty())
        return queueAnswer(std::move(answer), t);  // a query or a refusal: no change
    scheduleRotator(t);
    scheduleKeyerPlayEnd(t);
    reportChanges(t);
}

// Switched off, the radio hears only its power commands.
void SimulatedRadio::handlePowerCommand(std::string_view command, int64_t t) {
    if (command == "PS;") queueAnswer("PS0;", t);
    if (command == "PS1;") startPowerOn(t);
}

void SimulatedRadio::startPowerOn(int64_t t) {
    if (powerOnAt_ < 0) powerOnAt_ = t + options_.powerOnDelayMs;
}

void SimulatedRadio::runTimers(int64_t t) {
    if (silentUntil_ >= 0 && silentUntil_ != kForever && t >= silentUntil_) silentUntil_ = -1;
    if (powerOnAt_ >= 0 && t >= powerOnAt_) {
        powerOnAt_ = -1;
        model_.set("PS", 0, 1);
        reportChanges(t);
    }
    if (model_.get("PS") == 0) return;
    bool changed = false;
    if (keyerPlayEndsAt_ >= 0 && t >= keyerPlayEndsAt_) {
        keyerPlayEndsAt_ = -1;
        model_.keyerPlaying = 0;
        changed = true;
    }
    if (options_.meterDriftPerSecond > 0) {
        const auto period = static_cast<int64_t>(1000.0 / options_.meterDriftPerSecond);
        if (nextDrift_ < 0) nextDrift_ = t + period;
        for (; t >= nextDrift_; nextDrift_ += std::max<int64_t>(period, 1)) {
            driftMeters();
            changed = true;
        }
    }
    if (model_.rotator.turning != 0) {
        if (nextRotatorStep_ < 0) nextRotatorStep_ = t + options_.rotatorStepMs;
        for (; t >= nextRotatorStep_; nextRotatorStep_ += options_.rotatorStepMs) {
            turnRotator();
            changed = true;
        }
    } else {
        nextRotatorStep_ = -1;
    }
    if (changed) reportChanges(t);
}

// A memory plays for a fixed time; another KY while it plays does not prolong it.
void SimulatedRadio::scheduleKeyerPlayEnd(int64_t t) {
    if (model_.keyerPlaying != 0 && keyerPlayEndsAt_ < 0)
        keyerPlayEndsAt_ = t + options_.keyerPlayMs;
}

// A rotator that starts turning moves its first step one period after the command.
void SimulatedRadio::scheduleRotator(int64_t t) {
    if (model_.rotator.turning == 0)
        nextRotatorStep_ = -1;
    else if (nextRotatorStep_ < 0)
        nextRotatorStep_ = t + options_.rotatorStepMs;
}

void SimulatedRadio::driftMeters() {
    auto walk = [this](int v) {
        const int delta = static_cast<int>(random_.below(2 * kMeterDriftMax + 1)) - kMeterDriftMax;
        return std::clamp(v + delta, 0, 255);
    };
    model_.set("SM", kMain, walk(model_.get("SM", kMain)));
    model_.set("SM", kSub, walk(model_.get("SM", kSub)));
    model_.meter[0] = walk(model_.meter[0]);
    driftKnob();
}

// One knob setting walks by up to a sixteenth of its range, and the main clarifier by up to
// 120 Hz within +-1200 Hz, so the pointers and the fine offset bar move with the meters.
void SimulatedRadio::driftKnob() {
    const DriftingKnob& k = kDriftingKnobs[driftKnob_++ % std::size(kDriftingKnobs)];
    const SimpleSetting& row = simpleSetting(findSimpleSetting(k.code));
    const auto s = static_cast<size_t>(k.selector);
    const int reach = std::max(1, (row.max[s] - row.min[s]) / 16);
    const int delta = static_cast<int>(random_.below(2 * reach + 1)) - reach;
    model_.set(k.code, k.selector,
               std::clamp(model_.get(k.code, k.selector) + delta, row.min[s], row.max[s]));
    const int clar =
        static_cast<int>(random_.below(2 * kClarifierDriftMax + 1)) - kClarifierDriftMax;
    model_.setClarifier(kMain, std::clamp(model_.clarifier(kMain) + clar, -kClarifierDriftLimit,
                                          kClarifierDriftLimit));
}

void SimulatedRadio::turnRotator() {
    Rotator& r = model_.rotator;
    const int degrees = std::max(1, r.speed / 10);
    r.direction = std::clamp(r.direction + r.turning * degrees, 0, 450);
    if (r.direction == 0 || r.direction == 450) r.turning = 0;
}

void SimulatedRadio::startSilence(int64_t t) {
    silentUntil_ = faults_.silenceForMs > 0 ? t + faults_.silenceForMs : kForever;
}

bool SimulatedRadio::silent(int64_t t) const {
    return silentUntil_ >= 0 && (silentUntil_ == kForever || t < silentUntil_);
}

void SimulatedRadio::queueAnswer(std::string answer, int64_t t) {
    if (!silent(t)) answers_.push_back(std::move(answer));
}

void SimulatedRadio::reportChanges(int64_t t) {
    std::vector<std::string> now = currentReports(model_);
    std::vector<int64_t> menu = currentMenu(model_);
    const bool on = model_.get("AI") == 1 && model_.get("PS") == 1;
    for (size_t i = 0; on && i < now.size(); ++i)
        if (now[i] != reported_[i]) queueAnswer(now[i], t);
    for (size_t i = 0; on && i < menu.size(); ++i)
        if (menu[i] != reportedMenu_[i])
            queueAnswer(*answerQuery(model_, "EX" + digits(static_cast<int64_t>(i) + 1, 3)), t);
    reported_ = std::move(now);
    reportedMenu_ = std::move(menu);
}

void SimulatedRadio::frontPanel(const std::function<void(RadioModel&)>& change) {
    {
        std::lock_guard lock(mutex_);
        if (model_.get("PS") == 0) return;
        change(model_);
        scheduleRotator(now());
        reportChanges(now());
    }
    // Wakes the transport for the reports, and for a rotator started without any.
    notifyListener();
}

void SimulatedRadio::setPower(bool on) {
    {
        std::lock_guard lock(mutex_);
        if (on) {
            if (model_.get("PS") == 0) startPowerOn(now());
        } else {
            powerOnAt_ = -1;
            model_.set("PS", 0, 0);
            model_.set("AI", 0, 0);
            reported_ = currentReports(model_);
        }
    }
    notifyListener();  // the power-on timer started or stopped
}

bool SimulatedRadio::powerOn() const {
    std::lock_guard lock(mutex_);
    return model_.get("PS") == 1;
}

void SimulatedRadio::setFaults(const FaultPlan& plan) {
    {
        std::lock_guard lock(mutex_);
        faults_ = plan;
        random_ = SimRandom(plan.seed);
    }
    notifyListener();  // the transport's line faults (noise, disconnect) may have changed
}

FaultPlan SimulatedRadio::faults() const {
    std::lock_guard lock(mutex_);
    return faults_;
}

void SimulatedRadio::silenceFor(int64_t ms) {
    std::lock_guard lock(mutex_);
    silentUntil_ = ms > 0 ? now() + ms : -1;
}

void SimulatedRadio::setMeterDrift(double perSecond) {
    {
        std::lock_guard lock(mutex_);
        options_.meterDriftPerSecond = perSecond;
        nextDrift_ = -1;
    }
    notifyListener();
}

RadioModel SimulatedRadio::snapshot() const {
    std::lock_guard lock(mutex_);
    return model_;
}

std::string SimulatedRadio::stateJson() const {
    std::lock_guard lock(mutex_);
    return stateDumpJson(model_);
}

int64_t SimulatedRadio::menuValue(int n) const {
    std::lock_guard lock(mutex_);
    return n >= 1 && n <= model_.menuCount() ? model_.menu(n) : 0;
}

uint64_t SimulatedRadio::commandsHandled() const {
    std::lock_guard lock(mutex_);
    return commands_;
}

}  // namespace velmora::sim
