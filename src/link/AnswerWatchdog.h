#pragma once
// The answer watchdog's decision on each tick of timer 17, as a function of what the port and the
// link flags report. The main window gathers the inputs and acts on the result.
namespace velmora {

struct WatchdogInputs {
    bool answerPending = false;     // a command was written and no answer came since
    bool driverHoldsBytes = false;  // received bytes wait in the driver
    bool rlsdHold = false;          // the line status reports RLSD hold
    bool charWaiting = false;       // an immediate character waits to be sent
    bool portValid = true;          // the port handle is valid
};

struct WatchdogDecision {
    bool clearAnswerPending = false;
    bool postTimeout = false;  // post WM_ANSWER_TIMEOUT to Anl_Recv_Thread
};

constexpr WatchdogDecision decideWatchdog(const WatchdogInputs& in) {
    if (in.answerPending) return {true, !in.driverHoldsBytes};
    return {false, in.rlsdHold || in.charWaiting || !in.portValid};
}

}  // namespace velmora
