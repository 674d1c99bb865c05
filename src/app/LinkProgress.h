#pragma once
// Follows the reads from what the main window sees of them - the ticks of timers 4 and 5 it
// forwards, the read-busy flag and the notifications - and tells LinkEvents where they are.
// The end of the menu read shows as notify::READS_DONE (which BG's answer shares) arriving after
// the read has cleared read-busy; a read stopped halfway (auto-information or power off) forgets
// it.
#include <cstdint>
#include <string>

namespace velmora {

class LinkEvents;
class RadioStateStore;

class LinkProgress {
  public:
    static constexpr int kInitialReadSteps = 76;
    static constexpr int kReportEvery = 19;  // steps between two progress lines

    explicit LinkProgress(RadioStateStore& store) : store_(store) {}
    void setEvents(LinkEvents* events) { events_ = events; }

    void initialReadTick();
    void menuReadTick();
    // Called for every notification before it is reported.
    void notification(uint32_t id);
    // msg::WM_READ_INCOMPLETE: the reads gave up with answers missing.
    void readIncomplete();

    int initialReadSteps() const { return initialSteps_; }
    int menuReadSteps() const { return menuSteps_; }
    int menuReadsCompleted() const { return menuReadsCompleted_; }
    int menuReadsIncomplete() const { return menuReadsIncomplete_; }
    // The menu read ends as its last query is queued; this tells when that query's answer has
    // been analysed too (the value is then in the store).
    bool lastMenuAnswerIn() const;
    // Where the running read is, in the console's words; empty before the first tick.
    std::string progressText() const;

  private:
    void forget();

    RadioStateStore& store_;
    LinkEvents* events_ = nullptr;
    int initialSteps_ = 0;
    int menuSteps_ = 0;
    int menuReadsCompleted_ = 0;
    int menuReadsIncomplete_ = 0;
};

}  // namespace velmora
