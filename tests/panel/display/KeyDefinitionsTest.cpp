// The function keys against real key files in a temporary folder: what each press sends, in which
// order and at which timer periods, and which presses are consumed.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "link/MessageIds.h"
#include "panel/display/KeyDefinitions.h"
#include "support/FakeThreadHandle.h"
#include "support/StoreFixture.h"

namespace velmora::test {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

// The file's text with line n of lines as line n; a slot without an entry is an empty line.
std::string fileOf(std::initializer_list<std::pair<int, std::string>> lines,
                   const char* eol = "\n") {
    std::vector<std::string> text(kKeySlotCount);
    for (const auto& [n, line] : lines) text[static_cast<size_t>(n)] = line;
    std::string out;
    for (const std::string& line : text) out += line + eol;
    return out;
}

class KeyDefinitionsTest : public StoreFixture {
  protected:
    KeyDefinitionsTest() {
        store->threads.Anl_Send_Thread = &commandThread;
        static int made = 0;
        base = fs::temp_directory_path() /
               ("velmora-keys-" + std::to_string(::getpid()) + "-" + std::to_string(++made));
        fs::remove_all(base);
        fs::create_directories(base);
    }
    ~KeyDefinitionsTest() override { fs::remove_all(base); }

    void writeFile(const std::string& text, const std::string& dir = {}) {
        const fs::path path = keyDefinitionPath(dir.empty() ? base.string() : dir);
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << text;
    }
    KeyDefinitions& keys(const std::string& dir = {}) {
        if (!keys_) {
            keys_.emplace(*store, window, keyDefinitionPath(dir.empty() ? base.string() : dir),
                          [this] { ++versionOpened; });
        }
        return *keys_;
    }

    // What went out since the last call: the commands taken from SendRing.
    Strings sent() { return takeAll(store->sendRing); }
    // Fires timer 30 until the line has run out; the periods it was armed with, in order.
    std::vector<int> runSequence() {
        std::vector<int> periods;
        for (int guard = 0; guard < 100 && window.timerRunning(timer::KEY_SEQUENCE); ++guard) {
            periods.push_back(window.timers().at(timer::KEY_SEQUENCE));
            keys().step();
        }
        return periods;
    }

    fs::path base;
    FakeThreadHandle commandThread;
    int versionOpened = 0;

  private:
    std::optional<KeyDefinitions> keys_;
};

struct PressCase {
    const char* name;
    std::optional<std::string> file;  // nothing: no key file
    KeyPress press;
    bool consumed;
    Strings commands;          // in the order they went out
    std::vector<int> periods;  // of timer 30, each armed after one command
};

class KeyPressTable : public KeyDefinitionsTest, public ::testing::WithParamInterface<PressCase> {};

TEST_P(KeyPressTable, SendsTheSlotsCommandsOneTimerPeriodApart) {
    const PressCase& c = GetParam();
    if (c.file) writeFile(*c.file);
    EXPECT_EQ(keys().onKey(c.press, true), c.consumed);
    EXPECT_EQ(runSequence(), c.periods);
    EXPECT_EQ(sent(), c.commands);
    EXPECT_EQ(commandThread.postedIds(),
              std::vector<uint32_t>(c.commands.size(), req::SEND_QUEUED));
    EXPECT_FALSE(keys().running());
    EXPECT_EQ(versionOpened, 0);
}

const std::string k300 = "AB;" + std::string(294, 'x') + "SV;";

const std::string kShiftCtrl = fileOf({{10, "AB;"}, {21, "SV;"}});
const std::string kTwoSlots = fileOf({{0, "AB;"}, {1, "SV;"}}, "\r\n");

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Keys, KeyPressTable,
    ::testing::Values(
        PressCase{"F2TwoCommands", fileOf({{0, "FA00007000000;MD01;"}}), {Key::F2}, true,
                  {"FA00007000000;", "MD01;"}, {28, 10}},
        PressCase{"ShiftF1UsesLine10", kShiftCtrl, {.key = Key::F1, .shift = true}, true, {"AB;"},
                  {6}},
        PressCase{"CtrlShiftF1UsesLine10", kShiftCtrl,
                  {.key = Key::F1, .shift = true, .ctrl = true}, true, {"AB;"}, {6}},
        PressCase{"CtrlF1UsesLine21", kShiftCtrl, {.key = Key::F1, .ctrl = true}, true, {"SV;"},
                  {6}},
        PressCase{"AltF10UsesLine39", fileOf({{39, "VM;"}}), {.key = Key::F10, .alt = true}, true,
                  {"VM;"}, {6}},
        PressCase{"EndUsesLine45", fileOf({{45, "QI;"}}), {Key::End}, true, {"QI;"}, {6}},
        PressCase{"CrlfLinesLoseTheirCr", kTwoSlots, {Key::F3}, true, {"SV;"}, {6}},
        PressCase{"TextAfterTheLastSemicolonIsDropped", fileOf({{0, "AB;MD0"}}), {Key::F2}, true,
                  {"AB;"}, {6}},
        PressCase{"LineWithoutSemicolonIsNotConsumed", fileOf({{0, "FA00007000000"}}), {Key::F2},
                  false, {}, {}},
        PressCase{"LongLineKeepsItsFirst255", fileOf({{0, k300}, {1, "VM;"}}), {Key::F2}, true,
                  {"AB;"}, {6}},
        PressCase{"LongLineDoesNotSpillIntoTheNextSlot", fileOf({{0, k300}, {1, "VM;"}}), {Key::F3},
                  true, {"VM;"}, {6}},
        PressCase{"AltF4IsNotConsumed", fileOf({{0, "AB;"}, {35, "SV;"}}),
                  {.key = Key::F4, .alt = true}, false, {}, {}},
        PressCase{"UnboundF5IsNotConsumed", fileOf({{0, "AB;"}}), {Key::F5}, false, {}, {}},
        PressCase{"NoFileConsumesNothing", std::nullopt, {Key::F2}, false, {}, {}},
        PressCase{"OtherKeysPass", fileOf({{0, "AB;"}}), {Key::Other}, false, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(KeyDefinitionsTest, FileEditedBetweenPressesSendsTheNewLine) {
    writeFile("AB;\n");
    ASSERT_TRUE(keys().onKey(KeyPress{Key::F2}, true));
    runSequence();
    writeFile("SV;VM;\n");
    ASSERT_TRUE(keys().onKey(KeyPress{Key::F2}, true));
    runSequence();
    EXPECT_EQ(sent(), (Strings{"AB;", "SV;", "VM;"}));
}

TEST_F(KeyDefinitionsTest, PressWhileALineRunsIsSwallowedAndRepeatsStartNothing) {
    writeFile("AB;SV;\nVM;\n");
    const KeyPress heldF2{.key = Key::F2, .autoRepeat = true};
    ASSERT_TRUE(keys().onKey(KeyPress{Key::F2}, true));
    EXPECT_TRUE(keys().onKey(KeyPress{Key::F3}, true));   // bound: swallowed, not queued
    EXPECT_FALSE(keys().onKey(KeyPress{Key::F5}, true));  // unbound: still reaches the window
    EXPECT_TRUE(keys().onKey(heldF2, true));
    runSequence();
    EXPECT_TRUE(keys().onKey(heldF2, true));  // a held key after its line ran
    EXPECT_EQ(sent(), (Strings{"AB;", "SV;"}));
    ASSERT_TRUE(keys().onKey(KeyPress{Key::F3}, true));
    EXPECT_EQ(sent(), (Strings{"VM;"}));
}

TEST_F(KeyDefinitionsTest, F1OpensTheVersionWindowOnlyWhenThePanelIsIdle) {
    struct Row {
        bool panelIdle;
        KeyPress press;
        int opened;
    };
    for (const Row& r : {Row{true, KeyPress{Key::F1}, 1}, Row{false, KeyPress{Key::F1}, 0},
                         Row{true, KeyPress{.key = Key::F1, .autoRepeat = true}, 0}}) {
        versionOpened = 0;
        EXPECT_TRUE(keys().onKey(r.press, r.panelIdle));
        EXPECT_EQ(versionOpened, r.opened) << "idle " << r.panelIdle;
    }
}

TEST_F(KeyDefinitionsTest, PathOf260CharactersIsNotRead) {
    std::string dir = base.string();
    while (keyDefinitionPath(dir).size() < kKeyPathMax) dir += "/d";
    writeFile("AB;\n", dir);
    EXPECT_FALSE(keys(dir).onKey(KeyPress{Key::F2}, true));
    EXPECT_EQ(sent(), Strings{});
}

TEST(KeySlotTable, EveryLineBelongsToOneKey) {
    std::vector<int> uses(kKeySlotCount);
    for (KeyTable t : {KeyTable::Plain, KeyTable::Shift, KeyTable::Ctrl, KeyTable::Alt}) {
        for (const KeySlot& slot : keySlots(t)) ++uses.at(static_cast<size_t>(slot.line));
    }
    EXPECT_EQ(uses, std::vector<int>(kKeySlotCount, 1));
}

}  // namespace
}  // namespace velmora::test
