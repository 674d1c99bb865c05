// The editor against the simulated radio's own menu handling: every command the editor sends
// goes through the radio's interpreter, and what the radio then holds lands in the store as the
// answer analysis would put it there (with a menu notification only when a value changed).
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "equalizer/EqualizerEditor.h"
#include "link/MessageIds.h"
#include "link/RadioStateStore.h"
#include "menulist/BuiltInMenuTable.h"
#include "sim/CatInterpreter.h"
#include "sim/RadioModel.h"

namespace velmora::equalizer {
namespace {

struct RecordingSink : CommandSink {
    void send(std::string_view command) override { sent.emplace_back(command); }
    std::vector<std::string> sent;
};

struct ManualTimers : EqualizerTimers {
    void setTimer(int id, int ms) override { running[id] = ms; }
    void killTimer(int id) override { running.erase(id); }
    std::map<int, int> running;
};

constexpr int kFirstItem = 152;

class EqualizerEditorTest : public ::testing::Test {
  protected:
    EqualizerEditorTest() {
        InitRadioState(*store, nullptr);
        store->menus.install(builtInMenuDefinitions().data(), kBuiltInMenuItemCount);
        store->menus.setCount(kBuiltInMenuItemCount);
    }

    void open(bool online, const EqualizerValues& radioValues, int set = 0) {
        for (int p = 0; p < kParamCount; ++p) {
            const int item = kFirstItem + 9 * set + p;
            radio.setMenu(item, radioValues[static_cast<size_t>(p)]);
            store->menus.setValue(item, radioValues[static_cast<size_t>(p)]);
        }
        store->records.ai.set(online ? 1 : 0);
        editor = std::make_unique<EqualizerEditor>(*store, set, sink, timers);
        editor->open();
    }
    // The radio carries out what was sent; changed items notify the editor.
    void deliver() {
        for (; delivered < sink.sent.size(); ++delivered)
            sim::interpretCommand(radio, sink.sent[delivered]);
        bool changed = false;
        for (int n = kFirstItem; n < kFirstItem + 18; ++n) {
            if (store->menus.value(n) == static_cast<double>(radio.menu(n))) continue;
            store->menus.setValue(n, static_cast<double>(radio.menu(n)));
            changed = true;
        }
        if (changed) editor->onNotification(notify::EX);
    }
    std::vector<std::string> takeSent() {
        deliver();
        auto out = std::move(sink.sent);
        sink.sent.clear();
        delivered = 0;
        return out;
    }

    std::unique_ptr<RadioStateStore> store = std::make_unique<RadioStateStore>();
    sim::RadioModel radio;
    RecordingSink sink;
    size_t delivered = 0;
    ManualTimers timers;
    std::unique_ptr<EqualizerEditor> editor;
};

const EqualizerValues kSample{3, -6, 2, 2, 3, 1, 5, -3, 1};
const EqualizerValues kLimits{7, 10, 10, 0, -10, 1, 18, 0, 5};

TEST_F(EqualizerEditorTest, OnlineStepSendsSetAndReadAndNothingAtALimit) {
    struct Row {
        EqualizerValues start;
        int p, delta;
        std::vector<std::string> sent;
    };
    const Row rows[] = {
        {{3, -5, 2, 2, 3, 1, 5, -3, 1}, 1, -1, {"EX153-06;", "EX153;"}},
        {{3, -1, 2, 2, 3, 1, 5, -3, 1}, 1, +1, {"EX153+00;", "EX153;"}},
        {kSample, 8, +1, {"EX16002;", "EX160;"}},
        {kLimits, 0, +1, {}},
        {kLimits, 1, +1, {}},
        {kLimits, 2, +1, {}},
        {kLimits, 3, -1, {}},
        {kLimits, 5, -1, {}},
        {kLimits, 6, +1, {}},
        {{3, -20, 2, 2, 3, 1, 5, -3, 1}, 1, -1, {}},
        // A FREQ index beyond the band's table, from the radio, comes back to the table's end.
        {{25, 0, 5, 0, 0, 1, 0, 0, 1}, 0, +1, {"EX15207;", "EX152;"}},
    };
    for (const Row& r : rows) {
        open(true, r.start);
        takeSent();
        editor->step(r.p, r.delta);
        EXPECT_EQ(takeSent(), r.sent) << r.p << " " << r.delta;
    }
}

TEST_F(EqualizerEditorTest, ValueDisplaysShowUnknownValuesAsQuestionMarks) {
    const std::tuple<int, int32_t, const char*> rows[] = {
        {0, 0, "OFF"},     {0, 3, "300 Hz"}, {0, 25, "?????"}, {6, 18, "3200 Hz"}, {1, -6, "-6 dB"},
        {1, -21, "?????"}, {2, 0, "?????"},  {2, 10, "10"},    {8, 11, "?????"},
    };
    for (const auto& [p, v, text] : rows) EXPECT_EQ(valueText(p, v), text) << p << " " << v;
}

TEST_F(EqualizerEditorTest, OfflineEditsAreKeptWhateverTheStoreSays) {
    open(false, kSample);
    editor->arrowPressed(1, +1);
    editor->onTimer(timer::EQ_STEP_REPEAT);
    editor->arrowReleased();
    store->menus.setValue(153, 9);
    editor->onNotification(notify::EX);
    editor->onNotification(notify::PE);
    editor->onTimer(timer::EQ_READ);
    EXPECT_EQ(editor->current()[1], -4);
    EXPECT_TRUE(sink.sent.empty());
    EXPECT_TRUE(timers.running.empty());
    editor->cancel();
    EXPECT_EQ(editor->current(), kSample);
}

TEST_F(EqualizerEditorTest, OnlineCancelSendsTheDifferencesAndUnlocksWhenTheRadioHoldsThem) {
    open(true, kSample);
    editor->step(1, +1);
    editor->step(7, -1);
    takeSent();
    ASSERT_EQ(editor->current()[1], -5);
    editor->cancel();
    EXPECT_TRUE(editor->busy());
    EXPECT_FALSE(editor->step(0, +1));
    EXPECT_EQ(sink.sent, (std::vector<std::string>{"EX153-06;", "EX153;", "EX159-03;", "EX159;"}));
    // An answer of something else leaves the sets pending.
    editor->onNotification(notify::FA);
    EXPECT_TRUE(editor->busy());
    deliver();
    EXPECT_FALSE(editor->busy());
    EXPECT_EQ(editor->current(), kSample);
    EXPECT_FALSE(editor->unapplied());
}

TEST_F(EqualizerEditorTest, AValueTheRadioRefusesEndsAtTheTimeout) {
    open(true, kSample);
    EqualizerValues loaded = kSample;
    loaded[1] = -15;  // the window allows it, the radio stops at -10
    ASSERT_TRUE(editor->load(loaded));
    deliver();
    EXPECT_TRUE(editor->busy());
    EXPECT_EQ(timers.running.at(timer::EQ_ANSWER_TIMEOUT), EqualizerEditor::kAnswerTimeoutMs);
    editor->onTimer(timer::EQ_ANSWER_TIMEOUT);
    EXPECT_FALSE(editor->busy());
    EXPECT_EQ(editor->current()[1], -6);
    EXPECT_TRUE(editor->unapplied());
    EXPECT_TRUE(editor->step(1, +1));
}

TEST_F(EqualizerEditorTest, SaveThenLoadChangesNothingAndSendsNothing) {
    open(true, kSample);
    takeSent();
    const auto saved = editor->savableValues();
    ASSERT_EQ(saved, kSample);
    EXPECT_TRUE(editor->load(*saved));
    EXPECT_TRUE(sink.sent.empty());
    EXPECT_FALSE(editor->busy());
}

TEST_F(EqualizerEditorTest, AutoInformationOnGoesOnlineAndNeverSwitchesTheLink) {
    open(false, kSample);
    store->records.ai.set(1);
    editor->onNotification(notify::AI);
    EXPECT_TRUE(editor->online());
    EXPECT_EQ(sink.sent, (std::vector<std::string>{"EX152;", "EX153;", "EX154;", "EX155;", "EX156;",
                                                   "EX157;", "EX158;", "EX159;", "EX160;"}));
    EXPECT_EQ(timers.running.count(timer::EQ_READ), 1u);
    editor->step(2, +1);
    store->records.ai.set(0);
    editor->onNotification(notify::AI);
    EXPECT_FALSE(editor->online());
    EXPECT_TRUE(timers.running.empty());
}

TEST_F(EqualizerEditorTest, PeriodicReadWalksTheProcessorSetsNineItems) {
    open(true, kSample, 1);
    for (int k = 0; k < 10; ++k) editor->onTimer(timer::EQ_READ);
    EXPECT_EQ(sink.sent.front(), "EX161;");
    EXPECT_EQ(sink.sent[8], "EX169;");
    EXPECT_EQ(sink.sent.back(), "EX161;");
}

TEST_F(EqualizerEditorTest, AValueOutOfRangeFromTheRadioRefusesSaveUntilStepped) {
    open(true, {3, -6, 0, 2, 3, 1, 5, -3, 1});  // BWTH 0
    EXPECT_FALSE(editor->savableValues());
    editor->step(2, -1);
    EXPECT_EQ(takeSent(), (std::vector<std::string>{"EX15401;", "EX154;"}));
    EXPECT_TRUE(editor->savableValues());
}

TEST_F(EqualizerEditorTest, AMissingItemDisablesEditing) {
    store->menus.setCount(155);
    open(true, kSample);
    EXPECT_FALSE(editor->editable());
    EXPECT_EQ(editor->items()[5], 0);
    EXPECT_FALSE(editor->step(0, +1));
    EXPECT_FALSE(editor->load(kSample));
    EXPECT_FALSE(editor->savableValues());
    EXPECT_EQ(valueText(5, editor->current()[5]), "?????");
    EXPECT_TRUE(sink.sent.empty());
}

}  // namespace
}  // namespace velmora::equalizer
