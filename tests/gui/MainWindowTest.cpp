#include <QAction>
#include <QMenuBar>

#include "WindowFixture.h"
#include "gui/MainMenu.h"
#include "link/MessageIds.h"
#include "link/RadioStateStore.h"

namespace velmora::gui::test {
namespace {

// The VFO-A digits of the main display.
const QRect kVfoADigits(470, 30, 180, 50);

QImage vfoADigits(MainWindow& w) {
    return w.canvas().backBuffer().copy(kVfoADigits);
}

// The link's timers run on the window's host (4 from the command thread, 8 from its start), the
// initial read reaches the store, and a change on the radio reaches the back buffer's digits.
TEST_F(WindowFixture, RadioChangeReachesTheDigitsOfTheBackBuffer) {
    connect();
    ASSERT_TRUE(pumpUntil([&] { return dlg().display().frequencyText(kMain) == "14195000"; }));
    EXPECT_TRUE(host_.isTimerActive(timer::KEEP_ALIVE));
    EXPECT_EQ(host_.timerInterval(timer::KEEP_ALIVE), 1000);
    ASSERT_TRUE(pumpUntil([&] { return app_->progress().initialReadSteps() > 1; }));

    const QImage before = vfoADigits(*window_);
    radio_->frontPanel([](sim::RadioModel& m) { m.setFrequency(sim::kMain, 7010000); });
    EXPECT_TRUE(pumpUntil([&] { return vfoADigits(*window_) != before; }));
    EXPECT_EQ(dlg().display().frequencyText(kMain), " 7010000");
}

// The one-box rule: failures posted while a box opened without wParam is showing add no box; with
// wParam set each shows its own.
TEST_F(WindowFixture, BurstOfFailuresShowsOneBox) {
    BoxCloser closer;
    const int atStart = presenter_.shown();  // the start-up's CommSetting.csv text
    host_.post(msg::WM_COMM_FAILURE, 0, 3);
    host_.post(msg::WM_COMM_FAILURE, 0, 3);
    ASSERT_TRUE(
        pumpUntil([&] { return closer.closed == 1 && !QApplication::activeModalWidget(); }));
    QCoreApplication::processEvents();
    EXPECT_EQ(presenter_.shown(), atStart + 1);
    EXPECT_EQ(closer.lastObjectName, "111");
    EXPECT_FALSE(app_->store().windowFlags.messageBoxOpen.load());

    host_.post(msg::WM_COMM_FAILURE, 1, 3);
    host_.post(msg::WM_COMM_FAILURE, 1, 3);
    EXPECT_TRUE(pumpUntil([&] { return presenter_.shown() == atStart + 3; }));
}

// Exposing the window repaints the whole panel once, 30 ms after the last exposure, and the
// paints that follow start no further repaint.
TEST_F(WindowFixture, ExposureRunsOneFullRepaint) {
    ASSERT_TRUE(pumpUntil([&] { return dlg().initialDrawDone() && dlg().fullRepaints() == 1; }));
    // Only the start-up and the repaints show the roofing filters steadily.
    EXPECT_FALSE(dlg().display().rflt().isStatic(kMain));
    EXPECT_FALSE(dlg().display().rflt().isStatic(kSub));
    dlg().exposed();
    dlg().exposed();
    ASSERT_TRUE(pumpUntil([&] { return dlg().fullRepaints() == 2; }));
    const int paints = window_->view().paints();
    ASSERT_TRUE(pumpUntil([&] { return window_->view().paints() > paints; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(dlg().fullRepaints(), 2);
    EXPECT_FALSE(host_.isTimerActive(timer::FULL_REPAINT));
    EXPECT_TRUE(host_.isTimerActive(timer::FREQUENCY_A));
}

TEST_F(WindowFixture, MenuBarHoldsEveryCommandOfResource130) {
    int found = 0;
    for (const MainMenuItem& item : mainMenuItems()) {
        QAction* a = menuAction(item.command);
        ASSERT_NE(a, nullptr) << item.text;
        EXPECT_EQ(a->text(), QString::fromLatin1(item.text));
        // Every item's window exists, so all are enabled while no window is open.
        EXPECT_TRUE(a->isEnabled()) << item.text;
        ++found;
    }
    EXPECT_EQ(found, 11);
    EXPECT_EQ(window_->menuBar()->actions().size(), 5);

    menuAction(menu_item::EXIT)->trigger();
    EXPECT_FALSE(window_->isVisible());
}

TEST_F(WindowFixture, LargerWindowMapsPositionsBackToThePanel) {
    window_->view().resize(2048, 644);
    EXPECT_EQ(window_->view().panelRect(), QRect(0, 0, 2048, 644));
    EXPECT_EQ(window_->view().toPanel(QPoint(1000, 300)), QPoint(500, 150));
    window_->view().resize(2048, 1000);
    EXPECT_EQ(window_->view().toPanel(QPoint(0, 178)), QPoint(0, 0));
    // The margin's last row above the panel stays outside it (no rounding onto row 0).
    EXPECT_EQ(window_->view().toPanel(QPoint(0, 177)), QPoint(0, -1));
}

}  // namespace
}  // namespace velmora::gui::test
