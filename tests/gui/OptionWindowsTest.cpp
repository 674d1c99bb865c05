// The Option menu's windows against the simulated radio: what the operator does in them reaches
// the radio, what changes on the radio's side reaches them, and every close path closes them.
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "WindowFixture.h"
#include "gui/CwMemoryDialog.h"
#include "gui/PlaybackDialog.h"
#include "gui/RepeaterDialog.h"
#include "gui/RotatorDialog.h"
#include "gui/ToneListDialog.h"
#include "link/MessageIds.h"
#include "link/RadioStateStore.h"
#include "sim/SimConsole.h"

namespace velmora::gui::test {
namespace {

class OptionWindows : public WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        console_ = std::make_unique<sim::SimConsole>(*radio_, transport_.get());
    }
    void linkUp() {
        connect();
        ASSERT_TRUE(pumpUntil([&] { return app_->store().records.ai.get() == 1; }));
    }
    template <typename W>
    W* open(int menuCommand, PanelWindow window) {
        dlg().panelInput().OnMenuCommand(menuCommand);
        return qobject_cast<W*>(opened(window));
    }
    void console(const char* line) { ASSERT_EQ(console_->execute(line).text, "ok") << line; }
    // The commands the radio received, in order.
    std::string received() const { return transcript_.joined(sim::Transcript::kToRadio); }
    template <typename W>
    static QString text(W* w, int control) {
        return w->template findChild<QLabel*>(QString::number(control))->text();
    }
    static QColor colour(QWidget* w, int control, QPalette::ColorRole role) {
        return w->findChild<QLabel*>(QString::number(control))->palette().color(role);
    }
    static QPushButton* key(QWidget* w, int control) {
        return w->findChild<QPushButton*>(QString::number(control));
    }

    std::unique_ptr<sim::SimConsole> console_;
};

TEST_F(OptionWindows, RotatorTurnsFromTheWindowAndFromTheRadio) {
    linkUp();
    auto* w = open<RotatorDialog>(menu_item::ROTATOR, PanelWindow::Rotator);
    ASSERT_NE(w, nullptr);
    console("rotator 400 30");
    ASSERT_TRUE(pumpUntil([&] { return text(w, 1027) == "40" && text(w, 1028) == "30%"; }));
    EXPECT_EQ(colour(w, 1027, QPalette::WindowText), QColor(255, 0, 0));

    emit key(w, 1045)->pressed();  // CW
    ASSERT_TRUE(pumpUntil([&] { return text(w, 1027).toInt() > 41; }));
    emit key(w, 1045)->released();
    ASSERT_TRUE(pumpUntil([&] { return radio_->snapshot().rotator.turning == 0; }));

    // Closed with CCW held: the rotator stops instead of turning to its end stop.
    emit key(w, 1044)->pressed();
    ASSERT_TRUE(pumpUntil([&] { return radio_->snapshot().rotator.turning == -1; }));
    w->close();
    EXPECT_TRUE(pumpUntil([&] { return radio_->snapshot().rotator.turning == 0; }));
    EXPECT_FALSE(dlg().panelInput().windowOpen(PanelWindow::Rotator));
    EXPECT_FALSE(host_.isTimerActive(timer::ROTATOR_READ));
    const std::string sent = received();
    EXPECT_GT(sent.rfind("RO0;"), sent.rfind("RO1;"));
}

// Left and Right turn while held; the window losing the focus lets go of a held arrow as the
// key's own release does.
TEST_F(OptionWindows, RotatorArrowKeysTurnWhileHeldAndFocusLossStopsTheTurn) {
    linkUp();
    auto* w = open<RotatorDialog>(menu_item::ROTATOR, PanelWindow::Rotator);
    ASSERT_NE(w, nullptr);
    w->activateWindow();
    ASSERT_TRUE(pumpUntil([&] { return w->isActiveWindow(); }));
    const struct {
        Qt::Key key;
        int turning;
        bool focusLost;
    } cases[] = {{Qt::Key_Left, -1, false}, {Qt::Key_Right, 1, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        pressKey(*w, c.key);
        ASSERT_TRUE(pumpUntil([&] { return radio_->snapshot().rotator.turning == c.turning; }));
        QKeyEvent release(QEvent::KeyRelease, c.key, Qt::NoModifier);
        if (c.focusLost)
            window_->activateWindow();
        else
            QCoreApplication::sendEvent(w, &release);
        EXPECT_TRUE(pumpUntil([&] { return radio_->snapshot().rotator.turning == 0; }));
    }
    const std::string sent = received();
    EXPECT_GT(sent.rfind("RO0;"), sent.rfind("RO2;"));
}

TEST_F(OptionWindows, CwTextWrittenWithoutItsSemicolonAndEachAnswerShowsItsMemory) {
    linkUp();
    auto* w = open<CwMemoryDialog>(menu_item::CW, PanelWindow::Cw);
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(pumpUntil([&] { return w->logic().editable(); }));
    auto* field = w->findChild<QLineEdit*>("1043");
    field->selectAll();
    field->insert("test;ps0");
    EXPECT_EQ(field->text(), "TESTPS0");
    pressKey(*field, Qt::Key_Return);
    ASSERT_TRUE(pumpUntil([&] { return radio_->snapshot().keyerText[2] == "TESTPS0"; }));
    EXPECT_EQ(received().find(";PS0;"), std::string::npos);
    EXPECT_EQ(radio_->snapshot().get("PS"), 1);

    console("keyer 4 CQ TEST");
    EXPECT_TRUE(pumpUntil([&] { return w->findChild<QLineEdit*>("1044")->text() == "CQ TEST"; }));
    EXPECT_EQ(field->text(), "TESTPS0");
}

TEST_F(OptionWindows, RepeaterShowsTheRadiosValuesAndSetsTheTone) {
    console("tone a mode 2");
    console("tone a number 12");
    console("tone a shift 2");
    linkUp();
    const RadioRecords& r = app_->store().records;
    ASSERT_TRUE(pumpUntil([&] {
        return r.ct[kMain].get() == 2 && r.cn[kMain].get() == 12 && r.os[kMain].get() == 2;
    }));
    auto* w = open<RepeaterDialog>(menu_item::REPEATER, PanelWindow::Repeater);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(text(w, 1042), "<VFO-A>");
    EXPECT_EQ(text(w, 1043) + "|" + text(w, 1044) + "|" + text(w, 1045),
              "Tone Encoder|100.0 Hz|Minus Shift");

    int offered = -1;
    w->runToneList = [&](int32_t stored) {
        offered = stored;
        return std::optional<int32_t>(5);
    };
    emit key(w, 1029)->clicked();
    EXPECT_EQ(offered, 12);
    EXPECT_TRUE(pumpUntil([&] { return text(w, 1044) == "79.7 Hz"; }));
    emit key(w, 1026)->clicked();  // OFF
    EXPECT_TRUE(pumpUntil([&] { return text(w, 1043) == "OFF"; }));
    EXPECT_EQ(radio_->snapshot().get("CN", sim::kMain), 5);
}

TEST_F(OptionWindows, PlaybackIndicatorsFollowTheRecorder) {
    linkUp();
    auto* w = open<PlaybackDialog>(menu_item::PLAYBACK, PanelWindow::Playback);
    ASSERT_NE(w, nullptr);
    console("rec on");
    ASSERT_TRUE(pumpUntil([&] { return colour(w, 1024, QPalette::Window) == QColor(255, 0, 0); }));
    EXPECT_EQ(colour(w, 1025, QPalette::Window), QColor(255, 255, 255));
    emit key(w, 1039)->clicked();  // PLAY STOP
    emit key(w, 1031)->clicked();  // REC STOP
    EXPECT_TRUE(pumpUntil([&] { return colour(w, 1024, QPalette::Window) == Qt::white; }));
}

TEST_F(OptionWindows, EveryClosePathClosesTheWindow) {
    const struct {
        int command;
        PanelWindow window;
    } windows[] = {{menu_item::PLAYBACK, PanelWindow::Playback},
                   {menu_item::ROTATOR, PanelWindow::Rotator},
                   {menu_item::CW, PanelWindow::Cw},
                   {menu_item::REPEATER, PanelWindow::Repeater}};
    for (const auto& win : windows) {
        for (const ClosePath& path : {kClosePaths[2], kClosePaths[3]}) {  // Esc and the X
            SCOPED_TRACE(::testing::Message() << win.command << " " << path.name);
            QDialog* w = open<QDialog>(win.command, win.window);
            ASSERT_NE(w, nullptr);
            // The menu bar is greyed while the window is open.
            EXPECT_FALSE(menuAction(win.command)->isEnabled());
            path.close(*w);
            EXPECT_TRUE(pumpUntil([&] { return panelFree(win.window); }));
        }
    }
}

TEST(ToneListDialog, OpensOnTheStoredToneAndDoubleClickOrEscEndsIt) {
    application();
    ToneListDialog list(nullptr, 12);
    auto* grid = list.findChild<QTableWidget*>("1001");
    ASSERT_NE(grid->currentItem(), nullptr);
    EXPECT_EQ(grid->currentItem()->text(), "  100.0");
    EXPECT_EQ(grid->item(0, 4)->text(), "   77.0");  // row 1 reads 67.0 to 77.0
    emit grid->cellDoubleClicked(3, 1);
    EXPECT_EQ(list.result(), QDialog::Accepted);
    EXPECT_EQ(list.chosenTone(), 16);  // row 4, column 2: 114.8 Hz

    ToneListDialog cancelled(nullptr, 12);
    cancelled.show();
    pressKey(cancelled, Qt::Key_Escape);
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
    EXPECT_EQ(cancelled.chosenTone(), std::nullopt);
}

}  // namespace
}  // namespace velmora::gui::test
