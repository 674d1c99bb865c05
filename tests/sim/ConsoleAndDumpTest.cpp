// The operator console, the state dump and the transcript format.
#include <gtest/gtest.h>

#include <string>

#include "SimTestHarness.h"
#include "sim/SimConsole.h"
#include "sim/Transcript.h"

namespace velmora::sim {
namespace {

using test::RadioHarness;

// Every value the panel shows can be moved from the console and is reported while
// auto-information is on; values outside their range are refused and report nothing.
TEST(SimConsole, MovesEveryValueAndReportsTheChange) {
    RadioHarness h;
    SimConsole console(*h.radio, nullptr);
    h.send("AI1;");
    const struct {
        const char* command;
        const char* report;  // nullptr: refused
    } rows[] = {
        {"freq a 7074000", "FA07074000;"},
        {"dial +20", "FA07074020;"},
        {"mode b 3", "MD13;"},
        {"smeter 120", "SM0120;"},
        {"smeter 31 b", "SM1031;"},
        {"menu 32 2", "EX0322;"},
        {"tx on", "TX1;RI00;RI61;"},
        {"meter 200", "RM"},
        {"set AG b 80", "AG1080;"},
        {"set KS 35", "KS035;"},
        {"set VD 4000", "VD4000;"},
        {"set MS 3", "MS3;"},
        {"clar a 350", "IF"},
        {"shift a -200", "IS0"},
        {"notch a 120", "BP"},
        {"contour a 20 30", "CO"},
        {"level 6", "BG206;"},
        {"level off", "BG100;"},
        {"set KS 3", nullptr},
        {"set AG c 1", nullptr},
        {"set ZZ 1", nullptr},
        {"clar a 10000", nullptr},
        {"shift b 1001", nullptr},
        {"notch a 401", nullptr},
        {"contour a 41 0", nullptr},
        {"level 12", nullptr},
        {"rotator 400 30", "RO0400030;"},
        {"keyer 2 CQ DE  TEST", "KM2CQ DE  TEST"},
        {"tone b mode 2", "CT12;"},
        {"tone a number 12", "CN012;"},
        {"tone a shift 1", "OS01;"},
        {"rec on", "RI11;"},
        {"play on", "RI21;"},
        {"rotator 451", nullptr},
        {"keyer 6 CQ", nullptr},
        {"keyer 1 CQ;PS0", nullptr},
        {"tone a number 50", nullptr},
        {"tone a pitch 1", nullptr},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.command);
        const std::string reply = console.execute(r.command).text;
        const std::string out = h.output();
        if (!r.report) {
            EXPECT_EQ(reply[0], '?');
            EXPECT_EQ(out, "");
            continue;
        }
        EXPECT_EQ(reply, "ok");
        EXPECT_NE(out.find(r.report), std::string::npos) << out;
    }
}

TEST(SimConsole, RefusesMalformedInputAndSetsFaults) {
    RadioHarness h;
    SimConsole console(*h.radio, nullptr);
    for (const char* bad :
         {"freq c 7000000", "freq a 10", "mode a 14", "smeter 300", "tx maybe", "menu 178 0",
          "menu 32 4", "split 0", "refuse 2", "refuse-code K", "bogus", "disconnect"})
        EXPECT_EQ(console.execute(bad).text[0], '?') << bad;
    EXPECT_EQ(console.execute("refuse 1").text, "ok");
    EXPECT_EQ(h.send("ID;"), "?;");
    EXPECT_EQ(console.execute("refuse 0").text, "ok");
    EXPECT_EQ(console.execute("refuse-code FA").text, "ok");
    EXPECT_EQ(h.send("FA;ID;"), "?;ID0362;");
    EXPECT_EQ(console.execute("refuse-code off").text, "ok");
    EXPECT_EQ(h.send("FA;"), "FA14195000;");
    EXPECT_EQ(console.execute("id 0361").text, "ok");
    EXPECT_EQ(h.send("ID;"), "ID0361;");
    EXPECT_EQ(console.execute("silence-after 1").text, "ok");
    EXPECT_EQ(h.send("ID;ID;"), "ID0361;");
    EXPECT_EQ(console.execute("split 3 2").text, "ok");
    EXPECT_EQ(h.radio->faults().splitPieces, 3);
    EXPECT_EQ(console.execute("noise 10").text, "ok");
    EXPECT_EQ(h.radio->faults().noiseBytesPerSecond, 10);
    EXPECT_TRUE(console.execute("quit").quit);
    EXPECT_NE(std::string(SimConsole::helpText()).find("freq a|b HZ"), std::string::npos);
    EXPECT_EQ(console.execute("").text, "");
}

TEST(StateDump, KeysNamedByCatCode) {
    RadioHarness h;
    h.send("FB07000000;MD13;EX0321;KM2TU;BP11200;");
    const std::string json = h.radio->stateJson();
    for (const char* entry :
         {"\"ID\": 362", "\"FA\": 14195000", "\"FB\": 7000000", "\"MD.main\": 2", "\"MD.sub\": 3",
          "\"AI\": 0", "\"PS\": 1", "\"EX001\": 300", "\"EX032\": 1", "\"EX177\": 0",
          "\"BP.sub.level\": 200", "\"KM2\": \"TU", "\"IF.frequency\": 14195000", "\"OI.mode\": 3",
          "\"ML.level\": 40", "\"PE201\": -6", "\"RO.speed\": 50"})
        EXPECT_NE(json.find(entry), std::string::npos) << entry;
    EXPECT_EQ(json.front(), '{');
    EXPECT_EQ(json.substr(json.size() - 2), "}\n");
}

TEST(TranscriptFormat, DirectionTimestampAndEscapedBytes) {
    Transcript t;
    t.record(Transcript::kToRadio, std::string("UP\0\0;", 5));
    t.record(Transcript::kFromRadio, "FA14195000;");
    const auto entries = t.entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_LE(entries[0].millis, entries[1].millis);
    const std::string line = Transcript::formatLine(entries[0]);
    EXPECT_NE(line.find(" > UP\\x00\\x00;"), std::string::npos);
    EXPECT_EQ(t.joined(Transcript::kFromRadio), "FA14195000;");
}

}  // namespace
}  // namespace velmora::sim
