#pragma once
// The command thread's work without the thread: one entry, handle(id, wParam, lParam), that
// turns a request into the commands it stands for. Requests of the catalogue's families are
// looked up in their tables, the rest have handlers of their own, and the control messages run
// the thread's paced sequences. Tests call handle() directly; Anl_Send_Thread calls it from its
// worker thread, one request at a time.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "command/CommandContext.h"
#include "command/PowerSequence.h"
#include "command/ReadSequences.h"
#include "link/MessageIds.h"

namespace velmora {

class RadioStateStore;

class CommandDispatcher {
  public:
    CommandDispatcher(RadioStateStore& store, Sleeper sleeper, PortOpener openSerialPort);

    CommandDispatcher(const CommandDispatcher&) = delete;
    CommandDispatcher& operator=(const CommandDispatcher&) = delete;

    // Handles one request; false when nothing handles its id (the request is then ignored).
    bool handle(uint32_t id, uintptr_t wParam, intptr_t lParam);

    bool handles(uint32_t id) const;
    // Every id handle() acts on, ascending.
    std::vector<uint32_t> handledIds() const;
    // Ids that two rows of the tables claimed (the first one wins); 0 for sound tables.
    int conflictingIds() const { return conflicts_; }

    const ReadSequences& reads() const { return reads_; }
    const PowerSequence& power() const { return power_; }

  private:
    enum class Family : uint8_t {
        None,
        Fixed,
        Toggle,
        StoredChoice,
        ValueField,
        TargetChoice,
        DialStep,
        Press,
        Special,
        Control,
    };
    struct Route {
        Family family = Family::None;
        uint16_t row = 0;
    };
    struct ControlRow {
        uint32_t id;
        void (CommandDispatcher::*handler)();
    };

    // Request ids live in req::FIRST .. FIRST + COUNT: a flat table makes every look-up one index.
    static constexpr uint32_t kFirstId = req::FIRST, kIdCount = req::COUNT;

    static std::span<const ControlRow> controlRows();
    template <typename Row>
    void routeRows(std::span<const Row> rows, Family family);
    void route(uint32_t id, Family family, size_t row);
    const Route* find(uint32_t id) const;
    void dispatch(const Route& route, const Request& request);

    // Control messages.
    void wakeSendThread();
    void startInitialRead() { reads_.startInitialRead(); }
    void initialReadStep() { reads_.initialReadStep(); }
    void startMenuRead() { reads_.startMenuRead(); }
    void menuReadStep() { reads_.menuReadStep(); }
    void stopReads();
    void keepAlive();
    void switchAutoInformation();
    void identifyRadio();
    void powerSwitch() { power_.powerSwitch(); }
    void powerOnRead() { power_.powerOnRead(); }
    void powerOffRead() { power_.powerOffRead(); }
    void startMemoryTextRead();
    void memoryTextStep();

    CommandContext context_;
    ReadSequences reads_{context_};
    PowerSequence power_{context_};
    std::array<Route, kIdCount> routes_{};
    int conflicts_ = 0;
};

}  // namespace velmora
