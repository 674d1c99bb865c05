#pragma once
// The simulated transceiver as a protocol engine: bytes from the line in, answers out. It cuts
// the incoming stream into commands at ";", answers queries, carries out set commands, reports
// changes on its own while auto-information is on, follows the power switch, and shows the
// faults of its FaultPlan that belong to the radio (silence, refusals, identification). Line
// faults (noise, split writes, disconnect) belong to the transport.
//
// Thread-safe: the transport thread feeds it while the console or a test changes the front panel.
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "sim/FaultPlan.h"
#include "sim/RadioModel.h"

namespace velmora::sim {

struct SimOptions {
    std::string identification = "0362";
    int64_t powerOnDelayMs = 1000;   // from "PS1;" to the radio being on
    double meterDriftPerSecond = 0;  // meter changes per second; 0 keeps meters still
    int64_t rotatorStepMs = 100;     // how often a turning rotator moves
    int64_t keyerPlayMs = 2000;      // how long the keyer plays one memory (KY)
    FaultPlan faults;
    std::function<int64_t()> clock;  // monotonic milliseconds; the system's when empty
};

class SimulatedRadio {
  public:
    explicit SimulatedRadio(SimOptions options = {});

    // Line side. receive() takes any bytes; complete commands are handled at once.
    void receive(std::string_view bytes);
    // Runs the radio's timers (power-on delay, meter drift, rotator, timed silence).
    void tick();
    // Milliseconds until a timer of tick() is next due (0: due now), or -1 when none is running.
    int64_t millisUntilNextTimer() const;
    // The answers produced since the last call, each one complete, in order.
    std::vector<std::string> takeAnswers();
    bool hasAnswers() const;
    // Called (outside the radio's lock) whenever answers were queued by something other than
    // receive(), e.g. a front-panel change or a timer, and whenever a change from outside the
    // line may have moved a timer; the transport uses it to wake up and wait anew.
    void setAnswerListener(std::function<void()> listener);

    // Front panel. change() runs under the radio's lock; what it changes is reported while
    // auto-information is on, as the radio's own front panel would.
    void frontPanel(const std::function<void(RadioModel&)>& change);
    void setPower(bool on);  // "on" takes the power-on delay, as "PS1;" does
    bool powerOn() const;

    // Faults the radio shows.
    void setFaults(const FaultPlan& plan);
    FaultPlan faults() const;
    void silenceFor(int64_t ms);  // starts now; 0 ends a silence
    void setMeterDrift(double perSecond);

    RadioModel snapshot() const;
    std::string stateJson() const;
    uint64_t commandsHandled() const;
    // Menu item n's value now (1-based; 0 outside the menu).
    int64_t menuValue(int n) const;

  private:
    int64_t now() const;
    void handleCommand(std::string_view command, int64_t t);
    void handlePowerCommand(std::string_view command, int64_t t);
    void startPowerOn(int64_t t);
    void runTimers(int64_t t);
    void scheduleRotator(int64_t t);
    void scheduleKeyerPlayEnd(int64_t t);
    void driftMeters();
    void driftKnob();
    void turnRotator();
    // Queues one answer for the line; dropped while the radio is silent.
    void queueAnswer(std::string answer, int64_t t);
    void startSilence(int64_t t);
    bool silent(int64_t t) const;
    void reportChanges(int64_t t);
    void notifyIfQueued(size_t queuedBefore);
    void notifyListener();

    SimOptions options_;
    mutable std::mutex mutex_;  // guards everything below
    RadioModel model_;
    FaultPlan faults_;
    SimRandom random_;
    std::string inbox_;  // bytes of the command not yet terminated
    std::deque<std::string> answers_;
    std::vector<std::string> reported_;  // last known answer of each report query
    std::vector<int64_t> reportedMenu_;
    std::function<void()> listener_;
    uint64_t commands_ = 0;
    int64_t silentUntil_ = -1;  // -1: not silent; INT64_MAX: for good
    int64_t powerOnAt_ = -1;    // -1: no power-on in progress
    int64_t nextDrift_ = -1, nextRotatorStep_ = -1;
    size_t driftKnob_ = 0;          // the knob setting that drifts next
    int64_t keyerPlayEndsAt_ = -1;  // -1: the keyer is not playing
};

}  // namespace velmora::sim
