// Every command a panel action can send, built by the command thread's own catalogue and carried
// out by the simulated radio: the radio takes it (no "?;"), its state changes, and with
// auto-information on it reports the change in an answer that the program's analysis stores, so
// the panel redraws from it (the LSB key sends the mode command, the radio reports MD, LSB lights).
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "SimTestHarness.h"
#include "command/CommandDispatcher.h"
#include "link/AnswerAnalysis.h"
#include "link/MessageIds.h"
#include "link/PanelActionTable.h"
#include "link/RadioStateStore.h"
#include "sim/CatInterpreter.h"
#include "support/FakeWindowHost.h"
#include "support/StoreFixture.h"

namespace velmora::sim {
namespace {

using Strings = std::vector<std::string>;

// How one request is posted, and what the radio must have been doing before it for the request
// to change anything (the same key pressed twice in a row changes nothing the second time).
struct Post {
    bool sub = false;
    intptr_t value = 1;
    std::string before{};  // commands sent to the radio first; r stands for the target digit
    int64_t waitMs = 0;    // the change shows only after the radio's timers ran this long
    bool silent = false;   // changes only what no answer carries (memory contents)
};

// The requests whose value or starting state differs from the plain press with value 1.
const std::map<uint32_t, Post>& exceptions() {
    static const std::map<uint32_t, Post> posts = {
        {req::AC_00_VALUE, {.value = 2}},
        {req::AN_CHOICE, {.value = 2}},
        {req::GT_CHOICE, {.value = 2}},
        {req::VS_0, {.before = "VS1;"}},
        {req::MK_1, {.before = "MD01;"}},
        {req::FT_OR_QS, {.value = 2}},
        {req::FT_0, {.before = "FT1;"}},
        {req::MA, {.before = "FA07000000;"}},
        {req::AM, {.before = "FA07000000;", .silent = true}},
        {req::QI, {.before = "FA07000000;", .silent = true}},
        {req::QR, {.before = "QI;FA07000000;"}},
        {req::BS_05, {.before = "FA07074000;"}},
        {req::RC, {.before = "RU0100;"}},
        {req::SF_08, {.before = "SF00;"}},
        {req::FREQUENCY_A, {.value = 7000000}},
        {req::FREQUENCY_B, {.value = 14000000}},
        {req::KS_VALUE, {.value = 30}},
        {req::VD_THEN_SD, {.value = 300}},
        {req::CO_01_VALUE, {.value = 2}},
        {req::CO_01_VALUE_2, {.value = 2}},
        {req::CO_11_VALUE, {.value = 2}},
        {req::KC_50_FIRST, {.value = 5}},
        {req::KC_51_FIRST, {.value = 5}},
        {req::LM_00, {.before = "LM01;"}},
        {req::LM_10, {.before = "LM11;"}},
        {req::PB_00, {.before = "PB01;"}},
        {req::PB_10, {.before = "PB11;"}},
        // Counter-clockwise needs room to turn: the rotator first turns clockwise for a while.
        {req::RO_1_PRESS, {.before = "RO2;", .waitMs = 1000}},
        {req::RO_2_PRESS, {.waitMs = 1000}},
        {req::CT_0, {.before = "CTr1;"}},
        {req::OS_0, {.before = "OSr1;"}},
    };
    return posts;
}

// Requests of the action table that are no press of the radio's controls: the link switch and
// the power sequence, the menu write (only changed items), the status and memory-text reads,
// the link's own requests and the unused slot.
const std::set<uint32_t>& notRadioControls() {
    static const std::set<uint32_t> ids = {
        req::COMM_SWITCH, req::POWER_SWITCH,    req::MENU_WRITE,       req::KEEP_ALIVE,
        req::SEND_QUEUED, req::RECEIVER_STATUS, req::MEMORY_TEXT_READ, req::IGNORED,
    };
    return ids;
}

struct ActionRow {
    int action;
    uint32_t id;
    Post post;
};
void PrintTo(const ActionRow& row, std::ostream* os) {
    *os << "action " << row.action << (row.post.sub ? " SUB" : " MAIN") << " value "
        << row.post.value;
}

// The requests whose command names the receiver: each runs for MAIN and for SUB.
bool namesReceiver(uint32_t id) {
    static const std::set<uint32_t> ids = {
        req::AN_CHOICE, req::AN_CHOICE_2, req::AN_5,      req::RA_CHOICE,
        req::PA_CHOICE, req::RF_CHOICE,   req::GT_CHOICE, req::NB_CHOICE,
        req::NA_TOGGLE, req::CN_CHOICE,   req::VF_CHOICE, req::VF_SIGNED_VALUE,
        req::CT_0,      req::CT_1,        req::CT_2,      req::OS_0,
        req::OS_1,      req::OS_2,
    };
    return ids.count(id) != 0;
}

std::vector<ActionRow> actionRows() {
    std::vector<ActionRow> rows;
    for (int action = 1; action < kPanelActionCount; ++action) {
        const uint32_t id = PanelActionTable[static_cast<size_t>(action)];
        if (notRadioControls().count(id)) continue;
        const auto it = exceptions().find(id);
        ActionRow row{action, id, it == exceptions().end() ? Post{} : it->second};
        for (char& c : row.post.before) c = c == 'r' ? '0' : c;
        rows.push_back(row);
        if (!namesReceiver(id)) continue;
        row.post = it == exceptions().end() ? Post{} : it->second;
        row.post.sub = true;
        for (char& c : row.post.before) c = c == 'r' ? '1' : c;
        rows.push_back(row);
    }
    return rows;
}

// A radio with auto-information on and a store that has read everything it reports.
class PanelToRadio : public velmora::test::StoreFixture {
  protected:
    PanelToRadio() {
        h.send("AI1;");
        analysis.analyse("AI1");
        for (const std::string& q : reportQueries()) store_(answers(q + ";"));
    }

    // The radio's answers to bytes, one by one.
    Strings answers(const std::string& bytes) {
        h.radio->receive(bytes);
        return h.radio->takeAnswers();
    }
    // What the radio reports while its timers run for ms.
    Strings advance(int64_t ms) {
        if (ms == 0) return {};
        h.now += ms;
        h.radio->tick();
        return h.radio->takeAnswers();
    }
    // Stores answers as the analysis thread would; how many it took.
    int store_(const Strings& list) {
        int taken = 0;
        for (const std::string& a : list) {
            if (a == "?;") continue;
            taken += analysis.handle(std::string_view(a).substr(0, a.size() - 1)).success;
        }
        return taken;
    }
    // What the command thread puts into SendRing for the request.
    Strings commandsFor(uint32_t id, bool sub, intptr_t value) {
        dispatcher.handle(id, sub ? 1 : 0, value);
        return velmora::test::takeAll(store->sendRing);
    }
    // Everything of the radio a command can change, memories included.
    std::string fingerprint() const {
        const RadioModel m = h.radio->snapshot();
        std::string out = h.radio->stateJson();
        const auto add = [&out](const MemoryChannel& c) {
            out += std::to_string(c.frequency) + "/" + std::to_string(c.mode) + "/" +
                   std::to_string(c.used) + ";";
        };
        add(m.quickMemory);
        for (const MemoryChannel& c : m.memories) add(c);
        return out;
    }

    test::RadioHarness h;
    AnswerAnalysis analysis{*store};
    CommandDispatcher dispatcher{*store, [](int) { return true; }, [] { return true; }};
};

class EveryPanelAction : public PanelToRadio, public ::testing::WithParamInterface<ActionRow> {};

TEST_P(EveryPanelAction, RadioCarriesItOutAndReportsTheChange) {
    const ActionRow& row = GetParam();
    if (!row.post.before.empty()) {
        store_(answers(row.post.before));
        store_(advance(row.post.waitMs));
    }
    const std::string before = fingerprint();

    const Strings commands = commandsFor(row.id, row.post.sub, row.post.value);
    ASSERT_FALSE(commands.empty()) << "the catalogue sends nothing";
    Strings reported;
    for (const std::string& c : commands) {
        for (std::string& a : answers(c)) reported.push_back(std::move(a));
    }
    for (std::string& a : advance(row.post.waitMs)) reported.push_back(std::move(a));

    std::string sent;
    for (const std::string& c : commands) sent += c;
    for (const std::string& a : reported) EXPECT_NE(a, "?;") << sent;
    EXPECT_TRUE(fingerprint() != before) << sent << " changed nothing";
    if (row.post.silent) {
        EXPECT_EQ(reported, Strings{}) << sent;
    } else {
        EXPECT_GT(store_(reported), 0) << sent << " reported nothing the analysis stores";
    }
}

std::string rowName(const ::testing::TestParamInfo<ActionRow>& info) {
    char name[32];
    std::snprintf(name, sizeof name, "Action%03d_%04X%s", info.param.action,
                  static_cast<unsigned>(info.param.id), info.param.post.sub ? "_Sub" : "");
    return name;
}

INSTANTIATE_TEST_SUITE_P(PanelActionTable, EveryPanelAction, ::testing::ValuesIn(actionRows()),
                         rowName);

// Dials and knobs move what they tune by the radio's step per count: the main dial by the DIAL
// STEP menu item (1 Hz from the factory, 10 Hz at its third choice), the clarifier by 10 Hz, the
// multi-function knobs their receiver by 1 kHz, UP and DN by 1 MHz, the IF shift by 20 Hz.
struct StepRow {
    uint32_t id;
    intptr_t value;
    const char* before;
    int64_t (*read)(const RadioModel&);
    int64_t moved;
};
int64_t frequencyA(const RadioModel& m) {
    return m.frequency(kMain);
}
int64_t frequencyB(const RadioModel& m) {
    return m.frequency(kSub);
}
int64_t clarifier(const RadioModel& m) {
    return m.clarifier(kMain);
}
int64_t shiftA(const RadioModel& m) {
    return m.shift[kMain];
}

TEST_F(PanelToRadio, DialStepsMoveByTheRadiosStep) {
    // clang-format off
    const StepRow rows[] = {
        {req::DIAL_STEP_0,        3,  "",        frequencyA, 3},
        {req::DIAL_STEP_0,        -2, "",        frequencyA, -2},
        {req::DIAL_STEP_0,        3,  "EX1432;", frequencyA, 30},
        {req::DIAL_STEP_1,        5,  "",        clarifier,  50},
        {req::DIAL_STEP_1_2,      -1, "",        clarifier,  -10},
        {req::DIAL_STEP_2,        -4, "",        frequencyA, -4000},
        {req::DIAL_STEP_3,        2,  "",        frequencyB, 2000},
        {req::UP,                 0,  "",        frequencyA, 1000000},
        {req::DN,                 0,  "EX1451;", frequencyA, -100000},
        {req::IF_SHIFT_STEP_MAIN, 21, "",        shiftA,     40},
    };
    // clang-format on
    for (const StepRow& r : rows) {
        store_(answers(r.before));
        const int64_t start = r.read(h.radio->snapshot());
        for (const std::string& c : commandsFor(r.id, false, r.value)) store_(answers(c));
        EXPECT_EQ(r.read(h.radio->snapshot()) - start, r.moved) << r.id << " " << r.value;
    }
}

}  // namespace
}  // namespace velmora::sim
