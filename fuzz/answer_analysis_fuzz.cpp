// Arbitrary answers (up to 511 bytes, the most a ring slot holds) into the analysis; afterwards
// every record must still lie in its range (or hold its start value, which may lie below it).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "link/AnswerAnalysis.h"
#include "link/RadioStateStore.h"
#include "link/RecordDefaults.h"

namespace {

using namespace velmora;

class SilentWindow : public WindowHost {
  public:
    void post(uint32_t, uintptr_t, intptr_t) override {}
    void send(uint32_t, uintptr_t, intptr_t) override {}
    void setTimer(int, int) override {}
    void killTimer(int) override {}
};

struct Harness {
    Harness() {
        InitRadioState(*store, nullptr);
        InitPanelState(*store);
        MenuItemDef items[4];
        const int widths[4] = {3, 4, 8, 1}, kinds[4] = {0, 12, 14, 16};
        for (int i = 0; i < 4; ++i) {
            items[i].number = i + 1;
            items[i].width = widths[i];
            items[i].valueKind = kinds[i];
        }
        store->menus.install(items, 4);
        store->menus.setCount(4);
        store->mainWindow = &window;
    }

    void checkRanges() {
        for (const auto& row : intRecordDefaults()) {
            const BoundedInt& r = row.record(store->records);
            const int32_t v = r.get();
            if (v != row.value && !r.inRange(v)) fail(row.key, v);
        }
        for (const auto& row : doubleRecordDefaults()) {
            const BoundedDouble& r = row.record(store->records);
            if (!r.inRange(r.get())) fail(row.key, 0);
        }
    }

    [[noreturn]] static void fail(std::string_view key, int32_t v) {
        std::fprintf(stderr, "record %.*s out of range: %d\n", static_cast<int>(key.size()),
                     key.data(), v);
        std::abort();
    }

    std::unique_ptr<RadioStateStore> store = std::make_unique<RadioStateStore>();
    SilentWindow window;
    AnswerAnalysis analysis{*store};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Harness harness;
    if (size > 511) size = 511;
    // The first byte chooses whether auto-information is on, so RI answers are reached too.
    if (size > 0) harness.store->records.ai.set(data[0] & 1);
    const std::string_view answer(reinterpret_cast<const char*>(data) + (size > 0),
                                  size - (size > 0));
    harness.analysis.handle(answer);
    harness.checkRanges();
    return 0;
}
