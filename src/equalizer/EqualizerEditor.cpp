#include "equalizer/EqualizerEditor.h"

#include <algorithm>
#include <cmath>

#include "equalizer/EqualizerCommands.h"
#include "link/MessageIds.h"
#include "link/RadioStateStore.h"

namespace velmora::equalizer {

namespace {

// Shown as "?????": a value no parameter allows.
constexpr int32_t kUnknown = -1000000;

int32_t wholeValue(std::optional<double> v) {
    if (!v || !std::isfinite(*v)) return kUnknown;
    return static_cast<int32_t>(std::clamp(std::trunc(*v), double{kUnknown}, -double{kUnknown}));
}

}  // namespace

EqualizerEditor::EqualizerEditor(RadioStateStore& store, int set, CommandSink& sink,
                                 EqualizerTimers& timers)
    : store_(store), set_(set), sink_(sink), timers_(timers) {}

void EqualizerEditor::open() {
    items_ = findEqualizerItems(store_.menus, set_);
    editable_ = std::all_of(items_.begin(), items_.end(), [](int n) { return n != 0; });
    readStore();
    baseline_ = current_;
    if (store_.records.ai.get() != 0) {
        online_ = true;
        timers_.setTimer(timer::EQ_READ, kReadMs);
    }
}

void EqualizerEditor::close() {
    for (const int id : {timer::EQ_READ, timer::EQ_STEP_REPEAT, timer::EQ_ANSWER_TIMEOUT})
        timers_.killTimer(id);
    repeatParam_ = -1;
}

int32_t EqualizerEditor::intended(int p) const {
    const auto& sent = pending_[static_cast<size_t>(p)];
    return sent ? *sent : current_[static_cast<size_t>(p)];
}

EqualizerValues EqualizerEditor::intendedValues() const {
    EqualizerValues v{};
    for (int p = 0; p < kParamCount; ++p) v[static_cast<size_t>(p)] = intended(p);
    return v;
}

void EqualizerEditor::arrowPressed(int p, int delta) {
    if (!canEdit()) return;
    // The periodic read pauses while an arrow is held: the item's read-back follows each set.
    timers_.killTimer(timer::EQ_READ);
    repeatParam_ = p;
    repeatDelta_ = delta;
    step(p, delta);
    timers_.setTimer(timer::EQ_STEP_REPEAT, kRepeatMs);
}

void EqualizerEditor::arrowReleased() {
    timers_.killTimer(timer::EQ_STEP_REPEAT);
    repeatParam_ = -1;
    if (online_) timers_.setTimer(timer::EQ_READ, kReadMs);
}

bool EqualizerEditor::step(int p, int delta) {
    if (!canEdit() || p < 0 || p >= kParamCount) return false;
    const int32_t from = intended(p);
    const ValueRange range = paramRange(p);
    // A value from outside the range (the radio reported one) comes back to the nearest limit.
    const int64_t wanted = int64_t{from} + delta;
    const auto to = static_cast<int32_t>(std::clamp<int64_t>(wanted, range.min, range.max));
    if (to == from) return false;
    selectedBand_ = bandOf(p);
    if (online_) {
        sendSet(p, to);
    } else {
        current_[static_cast<size_t>(p)] = to;
    }
    return true;
}

void EqualizerEditor::selectBand(int band) {
    if (band >= 1 && band <= kBandCount) selectedBand_ = band;
}

void EqualizerEditor::apply() {
    if (!canEdit()) return;
    baseline_ = intendedValues();
}

void EqualizerEditor::cancel() {
    if (!canEdit()) return;
    restoreBaseline();
}

bool EqualizerEditor::load(const EqualizerValues& v) {
    if (!canEdit() || !allInRange(v)) return false;
    baseline_ = v;
    restoreBaseline();
    return true;
}

std::optional<EqualizerValues> EqualizerEditor::savableValues() const {
    if (!editable_) return std::nullopt;
    const EqualizerValues v = intendedValues();
    if (!allInRange(v)) return std::nullopt;
    return v;
}

void EqualizerEditor::restoreBaseline() {
    bool sent = false;
    for (int p = 0; p < kParamCount; ++p) {
        const int32_t want = baseline_[static_cast<size_t>(p)];
        if (want == intended(p)) continue;
        if (online_) {
            sendSet(p, want);
            sent = true;
        } else {
            current_[static_cast<size_t>(p)] = want;
        }
    }
    if (!sent) return;
    batch_ = true;
    // A value the store already holds needs no answer.
    resolvePending();
}

void EqualizerEditor::sendSet(int p, int32_t v) {
    const int item = items_[static_cast<size_t>(p)];
    sink_.send(setCommand(item, paramOf(p), v));
    sink_.send(readCommand(item));
    pending_[static_cast<size_t>(p)] = v;
    timers_.setTimer(timer::EQ_ANSWER_TIMEOUT, kAnswerTimeoutMs);
}

void EqualizerEditor::onNotification(uint32_t id) {
    if (id == notify::AI) {
        const bool on = store_.records.ai.get() != 0;
        if (on && !online_) goOnline();
        if (!on && online_) goOffline();
        return;
    }
    // Offline the window's values are its own: the store does not overwrite them.
    if ((id == notify::EX || id == notify::PE) && online_) {
        readStore();
        resolvePending();
    }
}

void EqualizerEditor::onTimer(int id) {
    if (id == timer::EQ_READ) {
        readNext();
    } else if (id == timer::EQ_STEP_REPEAT) {
        if (repeatParam_ >= 0 && canEdit()) step(repeatParam_, repeatDelta_);
    } else if (id == timer::EQ_ANSWER_TIMEOUT) {
        endPending();
        if (online_) readStore();
    }
}

void EqualizerEditor::readStore() {
    for (int p = 0; p < kParamCount; ++p) {
        const int item = items_[static_cast<size_t>(p)];
        current_[static_cast<size_t>(p)] = item ? wholeValue(store_.menus.value(item)) : kUnknown;
    }
}

void EqualizerEditor::resolvePending() {
    bool any = false;
    for (int p = 0; p < kParamCount; ++p) {
        auto& sent = pending_[static_cast<size_t>(p)];
        if (sent && *sent == current_[static_cast<size_t>(p)]) sent.reset();
        any = any || sent.has_value();
    }
    if (!any) endPending();
}

void EqualizerEditor::endPending() {
    pending_.fill(std::nullopt);
    batch_ = false;
    timers_.killTimer(timer::EQ_ANSWER_TIMEOUT);
}

void EqualizerEditor::readNext() {
    if (!online_) return;
    for (int tries = 0; tries < kParamCount; ++tries) {
        readCursor_ %= kParamCount;
        const int item = items_[static_cast<size_t>(readCursor_++)];
        if (item == 0) continue;
        sink_.send(readCommand(item));
        return;
    }
}

void EqualizerEditor::goOnline() {
    online_ = true;
    for (const int item : items_) {
        if (item) sink_.send(readCommand(item));
    }
    // The values the store holds now are the radio's as far as they are known; the reads bring
    // what changed.
    readStore();
    if (repeatParam_ < 0) timers_.setTimer(timer::EQ_READ, kReadMs);
}

void EqualizerEditor::goOffline() {
    online_ = false;
    endPending();
    timers_.killTimer(timer::EQ_READ);
}

}  // namespace velmora::equalizer
