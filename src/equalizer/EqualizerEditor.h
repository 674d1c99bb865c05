#pragma once
// The equalizer window's logic: the nine values of one set as the radio reports them (current),
// the values CANCEL returns to (baseline), and the sets still waiting for the radio to hold their
// value (pending, per parameter with the value sent). Online (auto-information on) every edit goes
// to the radio as a set and a read of the item, and the store's values are shown as they come
// back; offline the edits stay in the window and nothing is sent. The window never switches
// auto-information itself: when the radio turns it on, the window goes online and re-reads.
//
// A set is done when the store holds the value sent, or when no answer has brought it within
// kAnswerTimeoutMs of the last set (the radio ignores values it refuses, and reports a menu item
// only when it changes). While CANCEL's or LOAD's sets are pending the window is busy: steps,
// APPLI, CANCEL, SAVE and LOAD do nothing. GUI thread only.
#include <array>
#include <cstdint>
#include <optional>

#include "equalizer/CommandSink.h"
#include "equalizer/EqualizerBands.h"
#include "equalizer/EqualizerTimers.h"

namespace velmora {
class RadioStateStore;
}

namespace velmora::equalizer {

class EqualizerEditor {
  public:
    static constexpr int kReadMs = 50;
    static constexpr int kRepeatMs = 200;
    static constexpr int kAnswerTimeoutMs = 2000;

    EqualizerEditor(RadioStateStore& store, int set, CommandSink& sink, EqualizerTimers& timers);

    // Takes the values from the store as the baseline, and starts the periodic read when online.
    void open();
    // Stops every timer; the window is going away.
    void close();

    // An arrow pressed: one step now, then one every kRepeatMs until released.
    void arrowPressed(int p, int delta);
    void arrowReleased();
    // One step of parameter p, clamped to its range; false when nothing changed (at a limit, not
    // editable, busy).
    bool step(int p, int delta);
    // Moves parameter p to v (a drag or the wheel) through the same path as the arrows.
    bool stepTo(int p, int32_t v) { return step(p, v - intended(p)); }
    void selectBand(int band);
    // APPLI: what is shown becomes what CANCEL returns to.
    void apply();
    // CANCEL: back to the baseline.
    void cancel();
    // FILE LOAD of checked values: they become the baseline, then CANCEL's sending runs.
    bool load(const EqualizerValues& v);
    // What FILE SAVE writes, or nothing when a value is missing or outside its range.
    std::optional<EqualizerValues> savableValues() const;

    void onNotification(uint32_t id);
    void onTimer(int id);

    int set() const { return set_; }
    const EqualizerValues& current() const { return current_; }
    const EqualizerValues& baseline() const { return baseline_; }
    // A value as the window means it: the value sent and still pending, else the current one.
    int32_t intended(int p) const;
    EqualizerValues intendedValues() const;
    bool editable() const { return editable_; }
    bool busy() const { return batch_; }
    bool online() const { return online_; }
    bool pending(int p) const { return pending_[static_cast<size_t>(p)].has_value(); }
    bool unapplied() const { return intendedValues() != baseline_; }
    int selectedBand() const { return selectedBand_; }
    const EqualizerItems& items() const { return items_; }

  private:
    bool canEdit() const { return editable_ && !batch_; }
    void readStore();
    void resolvePending();
    void sendSet(int p, int32_t v);
    void restoreBaseline();
    void readNext();
    void goOnline();
    void goOffline();
    void endPending();

    RadioStateStore& store_;
    int set_;
    CommandSink& sink_;
    EqualizerTimers& timers_;
    EqualizerItems items_{};
    bool editable_ = false;
    EqualizerValues current_{};
    EqualizerValues baseline_{};
    std::array<std::optional<int32_t>, kParamCount> pending_{};
    bool batch_ = false;  // CANCEL's or LOAD's sets are pending
    bool online_ = false;
    int selectedBand_ = 1;
    int readCursor_ = 0;
    int repeatParam_ = -1;
    int repeatDelta_ = 0;
};

}  // namespace velmora::equalizer
