// The CW window: the opening read, the read-only period, the memory each answer carries, and
// what WR may send.
#include <map>
#include <optional>
#include <set>

#include "WindowsFixture.h"
#include "windows/CwMemoryWindow.h"

namespace velmora::test {
namespace {

class FakeCwView : public CwMemoryView {
  public:
    void showText(int field, const std::string& text) override { shown[field] = text; }
    void setEditable(bool e) override { editable = e; }
    void focusFirstPlayButton() override { ++focused; }
    bool fieldBeingEdited(int field) const override { return editing.count(field) != 0; }

    std::map<int, std::string> shown;
    bool editable = true;
    int focused = 0;
    std::set<int> editing;
};

class CwMemory : public WindowsFixture {
  protected:
    void openWindow() {
        cw.open();
        log();
        selfThread.clear();
    }
    FakeCwView view;
    CwMemoryWindow cw{*store, timers, view};
};

TEST_F(CwMemory, ReadOnlyUntilTheFifthTextThenEachAnswerShowsItsOwnMemory) {
    cw.open();
    EXPECT_EQ(selfThread.postedIds(), (std::vector<uint32_t>{req::MEMORY_TEXT_READ}));
    EXPECT_EQ(timers.timers().at(timer::CW_TEXTS_LATE), 5000);
    EXPECT_FALSE(view.editable);
    for (int k = 1; k <= 5; ++k) {
        EXPECT_FALSE(view.editable) << k;
        answer("KM" + std::to_string(k) + "ABCDE" + std::string(45, ' '));
        cw.onTextArrived();
    }
    EXPECT_TRUE(view.editable);
    EXPECT_EQ(view.focused, 1);
    EXPECT_FALSE(timers.timerRunning(timer::CW_TEXTS_LATE));
    EXPECT_EQ(view.shown,
              (std::map<int, std::string>{
                  {1, "ABCDE"}, {2, "ABCDE"}, {3, "ABCDE"}, {4, "ABCDE"}, {5, "ABCDE"}}));

    answer("KM3CQ TEST  ");
    cw.onTextArrived();
    EXPECT_EQ(view.shown[3], "CQ TEST");
    EXPECT_EQ(view.shown[1], "ABCDE");

    // A field the operator is changing keeps the typed text until it is written.
    view.editing.insert(4);
    answer("KM4OTHER");
    cw.onTextArrived();
    EXPECT_EQ(view.shown[4], "ABCDE");
}

TEST_F(CwMemory, TimerTwentySixUnlocksWithTheStoredTexts) {
    cw.open();
    answer("KM2SECOND");
    cw.onTextArrived();  // counted as the first text
    EXPECT_TRUE(cw.onTimer(timer::CW_TEXTS_LATE));
    EXPECT_TRUE(view.editable);
    EXPECT_EQ(cw.textsRead(), 5);
    EXPECT_EQ(view.shown[2], "SECOND");
    EXPECT_EQ(view.shown[5], "");
    EXPECT_FALSE(timers.timerRunning(timer::CW_TEXTS_LATE));
}

struct WriteCase {
    int field;
    std::string text;
    std::optional<std::string> command;
};

TEST_F(CwMemory, WriteSendsOnlyTextsTheMemoryTakes) {
    const std::vector<WriteCase> cases = {
        {3, "TEST", "KM3TEST;"},
        {1, "", std::nullopt},
        {2, "TEST;PS0", std::nullopt},  // would end the command and switch the radio off
        {5, std::string(50, 'E'), "KM5" + std::string(50, 'E') + ";"},
        {1, std::string(51, 'E'), std::nullopt},
        {1, "cq", std::nullopt},
        {4, "CQ DE }", "KM4CQ DE };"},
        {6, "TEST", std::nullopt},
    };
    openWindow();
    cw.onTimer(timer::CW_TEXTS_LATE);
    for (const WriteCase& c : cases) {
        EXPECT_EQ(CwMemoryWindow::writeCommand(c.field, c.text), c.command) << c.text;
        EXPECT_EQ(cw.write(c.field, c.text), c.command.has_value()) << c.text;
        EXPECT_EQ(commands(), c.command ? Strings{*c.command} : Strings{}) << c.text;
    }
}

TEST_F(CwMemory, WriteAndPlayWaitForTheTexts) {
    openWindow();
    EXPECT_FALSE(cw.write(3, "TEST"));
    cw.play(1);
    EXPECT_EQ(commands(), Strings{});
    cw.onTimer(timer::CW_TEXTS_LATE);
    for (int channel : {1, 5, 6, 10}) cw.play(channel);
    EXPECT_EQ(commands(), (Strings{"KY1;", "KY5;", "KY6;", "KYA;"}));
}

TEST(CwMemoryText, TypedAndPastedTextIsUpperCasedAndLosesRefusedCharacters) {
    EXPECT_EQ(CwMemoryWindow::typedChar('a'), 'A');
    EXPECT_EQ(CwMemoryWindow::typedChar('}'), '}');
    EXPECT_EQ(CwMemoryWindow::typedChar(';'), std::nullopt);
    EXPECT_EQ(CwMemoryWindow::typedChar('~'), std::nullopt);
    EXPECT_EQ(CwMemoryWindow::acceptedText("test;ps0\t{x}"), "TESTPS0X}");
    EXPECT_EQ(CwMemoryWindow::acceptedText(std::string(60, 'q')), std::string(50, 'Q'));
}

}  // namespace
}  // namespace velmora::test
