#pragma once
// The flags through which the link threads steer each other: which commands are outstanding,
// whether auto-information is wanted, whether the watchdog runs. Written and read by several
// threads without a lock, so every one is atomic (single words, relaxed order is enough: no flag
// publishes other data).
#include <array>
#include <atomic>
#include <cstdint>

namespace velmora {

struct LinkFlags {
    // First part. commandFlagA, watchdogArmed and commandFlagB are cleared when the command thread
    // starts; the two command flags belong to that thread.
    std::atomic<bool> commandFlagA{false};
    std::atomic<bool> watchdogArmed{false};  // timer 17 runs
    std::atomic<bool> commandFlagB{false};
    std::atomic<bool> aiOnSent{false};  // the send thread wrote "AI1;" and not "AI0;" since
    std::atomic<int32_t> memoryTextPosition{0};  // next keyer memory text 1-5 to read
    std::atomic<bool> answerPending{false};      // a command was written, no answer yet
    std::atomic<bool> commGate{false};           // the menu definitions are installed
    // The send thread holds a command it took from SendRing and has not yet handed to the port;
    // set before the take, so that an empty ring with the flag clear means all went out.
    std::atomic<bool> sendInFlight{false};
    // Commands stay in SendRing while the port changes its speed (set by the GUI thread): one
    // sent between the radio's switch and the port's would be lost.
    std::atomic<bool> sendHeld{false};
    // Menu writes (req::MENU_WRITE) the command thread has finished queueing.
    std::atomic<uint32_t> menuWritesDone{0};
    // Refusals ("?;") the receive thread has taken off the line. The radio names no command in
    // one, so whoever waits on a set compares this count before and after.
    std::atomic<uint32_t> refusalsSeen{0};

    // Second part.
    std::atomic<bool> reEnablePending{false};  // ask for auto-information again after power-on
    std::atomic<int32_t> savedAutoInfoWanted{0};
    std::array<std::atomic<int32_t>, 2> coValues{};  // kept for the CO handling

    // Steered by the answer analysis.
    std::atomic<int32_t> autoInfoWanted{0};  // what opening the port sends: "AI1;" or "AI0;"
    std::atomic<int32_t> lastKnownPower{0};
};

}  // namespace velmora
