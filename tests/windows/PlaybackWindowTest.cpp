// The Playback window: every key's command and the two indicators.
#include "WindowsFixture.h"
#include "link/RadioInfo.h"
#include "windows/PlaybackWindow.h"

namespace velmora::test {
namespace {

using namespace window_colour;

using Playback = WindowsFixture;

TEST_F(Playback, EveryKeySendsItsCommand) {
    PlaybackWindow w{*store};
    Strings expected;
    for (const PlaybackButton& b : PlaybackWindow::buttons()) EXPECT_TRUE(w.press(b.control));
    EXPECT_FALSE(w.press(1042));
    EXPECT_EQ(commands(),
              (Strings{"LM01;", "LM02;", "LM03;", "LM04;", "LM05;", "LM00;", "PB01;", "PB02;",
                       "PB03;", "PB04;", "PB05;", "PB00;", "LM11;", "LM10;", "PB11;", "PB10;"}));
}

TEST_F(Playback, IndicatorsFollowTheRecordAndPlayFlags) {
    PlaybackWindow w{*store};
    const struct {
        int rec, play;
        Rgb recShown, playShown;
    } cases[] = {
        {1, 0, kRed, kWhite}, {0, 1, kWhite, kGreen}, {0, 0, kWhite, kWhite}, {1, 1, kRed, kGreen}};
    for (const auto& c : cases) {
        store->records.ri[kInfoRec].set(c.rec);
        store->records.ri[kInfoPlay].set(c.play);
        EXPECT_EQ(w.indicators().rec, c.recShown) << c.rec << c.play;
        EXPECT_EQ(w.indicators().play, c.playShown) << c.rec << c.play;
    }
}

}  // namespace
}  // namespace velmora::test
