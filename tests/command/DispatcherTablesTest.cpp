// The catalogue's tables as a whole: every panel action but one has a handler, every control
// message has one, no id is claimed twice, and every row fills its command exactly.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "command/CatalogueTables.h"
#include "command/CommandFixture.h"
#include "link/MessageIds.h"
#include "link/PanelActionTable.h"

namespace velmora {
namespace {

TEST(DispatcherTables, EveryPanelActionButOneAndEveryControlMessageIsHandled) {
    auto store = std::make_unique<RadioStateStore>();
    CommandDispatcher d(*store, nullptr, nullptr);
    EXPECT_EQ(d.conflictingIds(), 0);
    std::set<uint32_t> expected;
    for (size_t i = 1; i < PanelActionTable.size(); ++i) {
        if (PanelActionTable[i] != req::IGNORED) expected.insert(PanelActionTable[i]);
    }
    for (uint32_t id : {req::START_INITIAL_READ, req::INITIAL_READ_STEP, req::START_MENU_READ,
                        req::MENU_READ_STEP, req::STOP_READS, req::IDENTIFY, req::POWER_ON_READ,
                        req::POWER_OFF_READ, req::MEMORY_TEXT_STEP, req::ROTATOR_READ}) {
        expected.insert(id);
    }
    const auto handled = d.handledIds();
    EXPECT_EQ(std::set<uint32_t>(handled.begin(), handled.end()), expected);
    EXPECT_FALSE(d.handles(msg::WM_THREAD_QUIT)) << "ending the thread is the thread's business";
}

int setLength(std::string_view code) {
    const CatCommandRecord* r = findSetRecord(code);
    return r ? r->length : -1;
}

TEST(DispatcherTables, EveryRowFillsItsCommandExactly) {
    for (const auto& row : catalogue::fixedCommands()) {
        const CatCommandRecord* r = row.query ? findReadRecord(row.code) : findSetRecord(row.code);
        ASSERT_NE(r, nullptr) << row.code;
        const bool zeroBytes = row.code == "DN" || row.code == "UP";
        EXPECT_EQ(3 + static_cast<int>(row.params.size()) + (zeroBytes ? 2 : 0), r->length)
            << std::hex << row.id;
    }
    for (const auto& row : catalogue::toggles()) {
        EXPECT_EQ(4 + static_cast<int>(row.prefix.size()), setLength(row.code)) << row.code;
    }
    for (const auto& row : catalogue::storedChoices()) {
        for (std::string_view p : row.byValue) {
            if (!p.empty()) {
                EXPECT_EQ(3 + static_cast<int>(p.size()), setLength(row.code));
            }
        }
        if (!row.otherwise.empty()) {
            EXPECT_EQ(3 + static_cast<int>(row.otherwise.size()), setLength(row.code));
        }
    }
    for (const auto& row : catalogue::valueFields()) {
        EXPECT_EQ(3 + static_cast<int>(row.prefix.size() + row.suffix.size()) + row.width,
                  setLength(row.code))
            << std::hex << row.ids.first;
    }
    for (const auto& row : catalogue::targetChoices()) {
        const int chosen = row.kind == TargetChoiceRow::Direct ? row.width
                           : row.kind == TargetChoiceRow::Mapped
                               ? 1
                               : static_cast<int>(row.choices.size());
        EXPECT_EQ(4 + chosen + static_cast<int>(row.suffix.size()), setLength(row.code))
            << std::hex << row.ids.first;
    }
    for (const auto& row : catalogue::presses()) {
        EXPECT_EQ(3 + static_cast<int>(row.whenNonZero.size()), setLength(row.code));
    }
}

}  // namespace
}  // namespace velmora
