#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "link/GeneralSetter.h"
#include "link/MessageIds.h"
#include "link/RadioStateStore.h"
#include "link/RecordDefaults.h"
#include "link/RecordWatch.h"
#include "link/StoreDump.h"

namespace velmora {
namespace {

std::unique_ptr<RadioStateStore> initialisedStore() {
    auto store = std::make_unique<RadioStateStore>();
    InitRadioState(*store, nullptr);
    InitPanelState(*store);
    return store;
}

TEST(BoundedRecords, SetterStoresOnlyWithinRange) {
    BoundedInt r;
    r.reset(5, 10, -2);
    EXPECT_TRUE(r.set(-2));
    EXPECT_TRUE(r.set(10));
    EXPECT_FALSE(r.set(11));
    EXPECT_FALSE(r.set(-3));
    EXPECT_EQ(r.get(), 10);

    BoundedDouble d;
    d.reset(0.0, 9999.0, -9999.0);
    EXPECT_TRUE(d.set(-9999.0));
    EXPECT_FALSE(d.set(9999.5));
    EXPECT_FALSE(d.set(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ(d.get(), -9999.0);
}

TEST(BoundedRecords, GeneralSetterAppliesTheFirstGivenPair) {
    BoundedInt a, b;
    BoundedDouble c;
    a.reset(0, 1, 0);
    b.reset(0, 100, 0);
    c.reset(0, 1, -1);
    EXPECT_FALSE(setGeneral(50, &a, 50, &b, 0.5, &c));  // a is given and refuses 50
    EXPECT_EQ(b.get(), 0);
    EXPECT_TRUE(setGeneral(0, nullptr, 50, &b, 0.5, &c));
    EXPECT_EQ(b.get(), 50);
    EXPECT_TRUE(setGeneral(0, nullptr, 0, nullptr, 0.5, &c));
    EXPECT_EQ(c.get(), 0.5);
    EXPECT_FALSE(setGeneral(0, nullptr, 0, nullptr, 0.5, nullptr));
}

// The fifty-character limit is checked through the KM answer.
TEST(BoundedRecords, TextEndsAtAnEmbeddedNul) {
    BoundedText t;
    std::array<char, BoundedText::kCapacity> out{};
    t.set(std::string_view("CQ\0XX", 5));
    EXPECT_EQ(t.copyInto(out), "CQ");
}

// Records whose start value or range the link depends on: each starts where the radio's first
// answer is compared against it and refuses the value just outside its range. (FA, FB, ID and
// PE are checked through their answers.)
TEST(StoreDefaults, RecordsStartAndRefuseWhereTheLinkNeedsIt) {
    auto s = initialisedStore();
    auto& r = s->records;
    struct Row {
        const char* key;
        BoundedInt& record;
        int start, refused, accepted;
    };
    const Row rows[] = {
        {"SD", r.sd, 0, 19, 20},  // starts below its minimum
        {"BG.0", r.bg[0], 3, 6, -1},
        {"BG.2", r.bg[2], 0, 12, -1},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.record.get(), row.start) << row.key;
        EXPECT_FALSE(row.record.set(row.refused)) << row.key;
        EXPECT_TRUE(row.record.set(row.accepted)) << row.key;
    }
}

TEST(StoreDefaults, TableCoversEveryRecordOnceUnderAUniqueKey) {
    auto s = initialisedStore();
    std::set<const void*> records;
    std::set<std::string> keys;
    for (const auto& row : intRecordDefaults()) {
        EXPECT_TRUE(records.insert(&row.record(s->records)).second) << row.key;
        EXPECT_TRUE(keys.insert(std::string(row.key)).second) << row.key;
        EXPECT_LE(row.min, row.max) << row.key;
    }
    for (const auto& row : doubleRecordDefaults()) {
        EXPECT_TRUE(keys.insert(std::string(row.key)).second) << row.key;
    }
    for (const auto& row : textRecordDefaults()) {
        EXPECT_TRUE(keys.insert(std::string(row.key)).second) << row.key;
    }
}

TEST(StoreInit, ClosesTheGateResetsRecordsAndStartsTheLoader) {
    auto s = std::make_unique<RadioStateStore>();
    s->link.commGate = true;
    s->link.savedAutoInfoWanted = 1;
    s->link.reEnablePending = true;
    s->records.fa.reset(1, 2, 0);
    int loaderStarts = 0;
    bool gateClosedAtStart = false;
    InitRadioState(*s, [&](RadioStateStore& store) {
        ++loaderStarts;
        gateClosedAtStart = !store.link.commGate.load();
        EXPECT_EQ(store.records.fa.get(), 7000000);  // records are ready before the loader runs
    });
    EXPECT_EQ(loaderStarts, 1);
    EXPECT_TRUE(gateClosedAtStart);
    EXPECT_EQ(s->link.savedAutoInfoWanted.load(), 0);
    EXPECT_FALSE(s->link.reEnablePending.load());
}

TEST(PanelStateInit, DisplayFrequenciesIgnoreValuesOutsideTheirRange) {
    auto s = initialisedStore();
    auto& p = s->panel;
    for (const auto& [v, kept] :
         {std::pair{29999, 0}, std::pair{30000, 30000}, std::pair{60000001, 30000}}) {
        p.vfoA.set(v);
        EXPECT_EQ(p.vfoA.get(), kept) << v;
    }
    p.is[kSub].set(-1001);
    EXPECT_EQ(p.is[kSub].get(), 0);
    p.rt.set(-12345);  // values without a range take anything
    EXPECT_EQ(p.rt.get(), -12345);
}

TEST(StoreDump, ListsRecordsFlagsAndMenuItemsAndFindsChanges) {
    auto s = initialisedStore();
    const auto before = snapshotRecords(*s);
    s->records.fa.set(14195000);
    s->link.aiOnSent = true;
    s->records.kmText[1].set("CQ TEST");
    s->menus.setValue(7, 3);
    const auto changes = diffSnapshots(before, snapshotRecords(*s));
    ASSERT_EQ(changes.size(), 4u);
    EXPECT_EQ(changes[0].key, "FA");
    EXPECT_EQ(changes[0].before, "7000000");
    EXPECT_EQ(changes[0].after, "14195000");
    EXPECT_EQ(changes[1].key, "KM2");
    EXPECT_EQ(changes[1].after, "CQ TEST");
    EXPECT_EQ(changes[2].key, "link.aiOnSent");
    EXPECT_EQ(changes[3].key, "EX007");
    EXPECT_EQ(changes[3].after, "3");
}

// Each step changes the store, then the watch must report what diffing two whole snapshots
// reports: same values set again, a double's sign of zero, texts, flags, menu items, and the
// menu table shrinking and growing under it.
TEST(RecordWatch, ReportsWhatTwoSnapshotsDiffer) {
    auto s = initialisedStore();
    RecordWatch watch;
    watch.reset(*s);
    auto before = snapshotRecords(*s);
    const std::vector<std::function<void(RadioStateStore&)>> steps = {
        [](RadioStateStore& r) { r.records.fa.set(14195000); },
        [](RadioStateStore& r) { r.records.fa.set(14195000); },
        [](RadioStateStore& r) { r.records.kmText[1].set("CQ TEST"); },
        [](RadioStateStore& r) { r.records.ifStatus.clarifierOffset.set(-0.0); },
        [](RadioStateStore& r) { r.records.ifStatus.clarifierOffset.set(1.0); },
        [](RadioStateStore& r) { r.records.ifStatus.clarifierOffset.set(1.00000000001); },
        [](RadioStateStore& r) { r.link.aiOnSent = true; },
        [](RadioStateStore& r) { r.menus.setValue(7, 3); },
        [](RadioStateStore& r) { r.menus.setCount(r.menus.count() - 3); },
        [](RadioStateStore& r) {
            r.menus.resetCount();
            r.records.fa.set(7000000);
        },
        [](RadioStateStore& r) { r.records.kmText[1].set(""); },
    };
    for (size_t i = 0; i < steps.size(); ++i) {
        steps[i](*s);
        const auto now = snapshotRecords(*s);
        const auto want = diffSnapshots(before, now);
        const auto got = watch.look(*s);
        ASSERT_EQ(got.size(), want.size()) << "step " << i;
        for (size_t c = 0; c < got.size(); ++c) {
            EXPECT_EQ(std::tie(got[c].key, got[c].before, got[c].after),
                      std::tie(want[c].key, want[c].before, want[c].after))
                << "step " << i;
        }
        before = now;
    }
}

TEST(StoreDump, JsonQuotesTextsOnlyAndEscapesThem) {
    auto s = initialisedStore();
    s->records.fa.set(14195000);
    s->records.kmText[0].set("CQ \"DX\"");
    const std::string json = storeDumpJson(*s);
    EXPECT_EQ(json.front(), '{');
    EXPECT_NE(json.find("\n  \"FA\": 14195000,\n"), std::string::npos);
    EXPECT_NE(json.find("\"KM1\": \"CQ \\\"DX\\\"\""), std::string::npos);
    EXPECT_NE(json.find("\"EX001\": "), std::string::npos);
    EXPECT_EQ(json.substr(json.size() - 3), "\n}\n");
}

}  // namespace
}  // namespace velmora
