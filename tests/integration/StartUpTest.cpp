// The start of the link as the operator sees it: the COM key, auto-information, the
// identification pair, the initial read, the menu read and its end, and then a store that holds
// what the radio holds.
//
// The initial read's queries must equal golden/initial_read.txt line by line. After a deliberate
// change to the read, regenerate it with VELMORA_UPDATE_GOLDEN=1 set when running this test,
// and review the diff before committing it.
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>

#include "app/HeadlessProgram.h"
#include "integration/ShellFixture.h"
#include "link/MessageIds.h"
#include "link/StoreDump.h"

namespace velmora {
namespace {

// The golden file beside this source. __FILE__ is relative to the build tree when the compiler
// was handed relative paths (as ccache with CCACHE_BASEDIR does); the build trees lie below the
// source tree, so a relative one is looked for from the current directory upward.
std::filesystem::path goldenFile() {
    const std::filesystem::path relative =
        std::filesystem::path("tests") / "integration" / "golden" / "initial_read.txt";
    const std::filesystem::path here =
        std::filesystem::path(__FILE__).parent_path() / "golden" / "initial_read.txt";
    if (here.is_absolute()) return here;
    for (auto dir = std::filesystem::current_path(); dir != dir.parent_path();
         dir = dir.parent_path()) {
        if (std::filesystem::exists(dir / relative)) return dir / relative;
    }
    return here;
}
const std::filesystem::path kGolden = goldenFile();

// What a run wrote to a temporary file, for the failure message.
std::string readAll(std::FILE* f) {
    std::rewind(f);
    std::string text;
    for (int c; (c = std::fgetc(f)) != EOF;) text += static_cast<char>(c);
    return text;
}

std::vector<std::string> readLines(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The simulator's dump: one "  \"key\": value" per line; texts keep their quotes off.
std::map<std::string, std::string> parseSimDump(const std::string& json) {
    std::map<std::string, std::string> out;
    std::istringstream in(json);
    for (std::string line; std::getline(in, line);) {
        const size_t k1 = line.find('"'), k2 = line.find('"', k1 + 1);
        if (k1 == std::string::npos || k2 == std::string::npos) continue;
        std::string value = line.substr(line.find(':', k2) + 2);
        if (!value.empty() && value.back() == ',') value.pop_back();
        if (value.size() >= 2 && value.front() == '"') value = value.substr(1, value.size() - 2);
        out[line.substr(k1 + 1, k2 - k1 - 1)] = value;
    }
    return out;
}

// What the radio keeps that the program does not: answers it never asks for (CW, the playback
// and recording states, the last keyer and function key played) and the memory key.
const std::set<std::string> kRadioOnlyKeys = {"CW",       "FK",       "KY",       "LM.audio",
                                              "LM.voice", "PB.audio", "PB.voice", "MK"};

// The keys of the radio's dump that the program's dump holds with another value.
std::vector<std::string> dumpMismatches(const std::string& radioJson, const std::string& ourJson) {
    std::vector<std::string> mismatches;
    const auto ours = parseSimDump(ourJson);
    for (const auto& [key, value] : parseSimDump(radioJson)) {
        if (kRadioOnlyKeys.count(key)) continue;
        const auto it = ours.find(key);
        if (it == ours.end()) {
            mismatches.push_back(key + " missing");
        } else if (it->second != value) {
            mismatches.push_back(key + " radio " + value + " ours " + it->second);
        }
    }
    return mismatches;
}

// The beacon time as a code (241-255 stand for 270-690 s): the store keeps seconds, both dumps
// the code. Item 177 is the last one the menu read asks.
constexpr int kBeaconCode = 245, kBeaconSeconds = (kBeaconCode - 240) * 30 + 240;
constexpr int kLastItem = 177, kLastItemValue = 1;  // its default is 0
void setMenuItems(sim::RadioModel& m) {
    m.setMenu(22, kBeaconCode);
    m.setMenu(kLastItem, kLastItemValue);
}

class StartUp : public test::ShellFixture {};

TEST_F(StartUp, TheComKeyBringsTheLinkUpAndTheReadsFillTheStoreAsTheRadioHoldsIt) {
    startAll();
    // The keep-alive would fall between the read's queries wherever its second ticks; without
    // it the order on the line is fixed.
    host.killTimer(timer::KEEP_ALIVE);
    radio->frontPanel(setMenuItems);
    pressComKey();
    // The read ends as EX177; is queued, with notify::READS_DONE (as read-busy clears), then
    // notify::CO and notify::BP: wait for those and for the last item's answer.
    const auto& n = recorder.notifications;
    auto endNotified = [&] {
        // After the last notify::READS_DONE: BG's answer shares the id, and only the initial read
        // asks it.
        const auto done = std::find(n.rbegin(), n.rend(), notify::READS_DONE).base();
        const auto co = std::find(done, n.end(), notify::CO);
        return std::find(co, n.end(), notify::BP) != n.end();
    };
    ASSERT_TRUE(runUntil(
        [&] {
            return app->progress().menuReadsCompleted() == 1 &&
                   app->progress().lastMenuAnswerIn() && endNotified();
        },
        std::chrono::seconds(30)))
        << "reads completed " << app->progress().menuReadsCompleted() << ", last item answered "
        << store().windowFlags.menuItemAnswered.load() << " of " << store().menus.count()
        << ", end notified " << endNotified();

    const std::vector<std::string> sent = toRadio();
    ASSERT_GE(sent.size(), 5u + 177u);
    // Opening the port writes "AI0;" (no auto-information wanted yet); the COM key switches it
    // on and asks; the radio's AI report starts the identification pair.
    EXPECT_EQ(std::vector<std::string>(sent.begin(), sent.begin() + 5),
              (std::vector<std::string>{"AI0;", "AI1;", "AI;", "ID;", "ID2000;"}));
    const auto menuStart = std::find(sent.begin(), sent.end(), "EX001;");
    ASSERT_NE(menuStart, sent.end());
    const std::vector<std::string> initialRead(sent.begin() + 5, menuStart);
    std::vector<std::string> menuRead(menuStart, sent.end());
    for (size_t i = 0; i < menuRead.size(); ++i) {
        char expected[32];
        std::snprintf(expected, sizeof expected, "EX%03zu;", i + 1);
        ASSERT_EQ(menuRead[i], expected);
    }
    EXPECT_EQ(menuRead.size(), 177u);

    if (std::getenv("VELMORA_UPDATE_GOLDEN")) {
        std::ofstream out(kGolden, std::ios::trunc);
        for (const auto& q : initialRead) out << q << "\n";
    }
    EXPECT_EQ(initialRead, readLines(kGolden)) << "the initial read differs from " << kGolden;

    EXPECT_FALSE(store().windowFlags.readBusy.load());
    EXPECT_FALSE(host.isTimerActive(timer::INITIAL_READ));
    EXPECT_FALSE(host.isTimerActive(timer::MENU_READ));
    EXPECT_EQ(store().records.ai.get(), 1);
    EXPECT_TRUE(recorder.failures.empty() ||
                recorder.failures == std::vector<int>{108});  // no CommSetting.csv yet

    // The two dumps key for key, once the last answers are in.
    std::vector<std::string> mismatches;
    runUntil(
        [&] {
            mismatches = dumpMismatches(radio->stateJson(), storeDumpJson(store()));
            return mismatches.empty();
        },
        std::chrono::seconds(3));
    EXPECT_TRUE(mismatches.empty()) << ::testing::PrintToString(mismatches);
    EXPECT_EQ(store().menus.value(22).value_or(0), kBeaconSeconds);
}

// `velmora --exit-after-read --dump-state` against a radio on a faulty line: the run ends once
// the last menu item's answer is in, with every value the radio holds, or not at all. Each answer
// lost to noise, a refusal or a silence is asked for again before the read is complete; answers
// that come in two pieces 20 ms apart leave the last one on its way when the read has asked it.
struct LineFault {
    const char* name;
    void (*apply)(sim::FaultPlan&);
    bool lastItemAskedOnce;  // nothing is lost, so nothing is asked twice
};
const LineFault kLineFaults[] = {
    {"answers in two pieces",
     [](sim::FaultPlan& f) {
         f.splitPieces = 2;
         f.splitGapMs = 20;
     },
     true},
    {"noise", [](sim::FaultPlan& f) { f.noiseBytesPerSecond = 2000; }, false},
    {"refusals", [](sim::FaultPlan& f) { f.refuseFraction = 0.05; }, false},
    {"silence mid-read",
     [](sim::FaultPlan& f) {
         f.silenceAfterCommands = 150;
         f.silenceForMs = 2000;
     },
     false},
};

TEST_F(StartUp, ExitAfterReadThroughAFaultyLineDumpsEveryValueTheRadioHolds) {
    for (const LineFault& fault : kLineFaults) {
        SCOPED_TRACE(fault.name);
        sim::SimOptions options;
        fault.apply(options.faults);
        radio = std::make_unique<sim::SimulatedRadio>(options);
        radio->frontPanel([](sim::RadioModel& m) {
            setMenuItems(m);
            m.setFrequency(0, 14074000);
            m.setFrequency(1, 7030000);
        });
        startTransport();
        HeadlessOptions o;
        o.headless = o.quiet = o.connect = o.exitAfterRead = true;
        o.port = link;
        o.dumpStateFile = (base / "dump.json").string();
        o.configDir = base.string();  // the settings in the test's own folder
        std::FILE* out = std::tmpfile();
        std::FILE* err = std::tmpfile();
        const std::atomic<bool> stop{false};
        EXPECT_EQ(runHeadless(o, out, err, stop), 0) << readAll(err);
        std::fclose(out);
        std::fclose(err);
        if (fault.lastItemAskedOnce) {
            EXPECT_EQ(count(toRadio(), "EX177;"), 1u);
        }
        std::ifstream dump(o.dumpStateFile);
        const std::string ours((std::istreambuf_iterator<char>(dump)),
                               std::istreambuf_iterator<char>());
        EXPECT_EQ(parseSimDump(ours)["EX177"], std::to_string(kLastItemValue));
        EXPECT_EQ(dumpMismatches(radio->stateJson(), ours), std::vector<std::string>{});
        transport->stop();
    }
}

}  // namespace
}  // namespace velmora
