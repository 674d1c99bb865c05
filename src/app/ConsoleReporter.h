#pragma once
// The console's view of the link for `velmora --headless`: one line per link event and per
// notification (with the store values it changed), and each failure text as the window's box
// would show it. Lines may come from several threads; each is written whole.
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <string>

#include "app/FailurePresenter.h"
#include "app/LinkEvents.h"

namespace velmora {

class ConsoleReporter : public LinkEvents, public FailurePresenter {
  public:
    // out: where the lines go; notifications: also a line per notification.
    explicit ConsoleReporter(std::FILE* out, bool notifications = true)
        : out_(out), notifications_(notifications) {}

    void portOpened(std::string_view description) override;
    void portOpenFailed(std::string_view why) override;
    void radioIdentified(int value) override;
    void autoInformationOn() override;
    void autoInformationOff() override;
    void portClosed() override;
    void radioSilent(std::string_view text) override;
    void initialReadProgress(int steps, int total) override;
    void menuReadStarted() override;
    void linkLost(std::string_view why) override;
    void linkRestored() override;
    void menuReadComplete() override;
    void menuReadIncomplete(const std::vector<std::string>& missing) override;
    void commSettingSetAside(std::string_view path, std::string_view setAside) override;
    void notification(uint32_t id, std::string_view code,
                      const std::vector<RecordChange>& changes) override;
    bool wantsChanges() const override { return notifications_; }

    void showFailure(int stringId, std::string_view text) override;

    // "a\nb" as "a / b": a failure text on one line.
    static std::string oneLine(std::string_view text);

    // Writes the count of a repeat still pending (at the end of the run).
    void flush();

  private:
    void line(const std::string& text);
    void write(const std::string& text);
    void writeRepeats();

    std::FILE* const out_;
    const bool notifications_;
    std::mutex mutex_;      // guards out_ and closed_: one line at a time
    bool closed_ = false;   // the output failed (its reader has gone): nothing more is written
    std::string last_;      // the last line written
    uint64_t repeats_ = 0;  // lines equal to last_ held back since
};

}  // namespace velmora
