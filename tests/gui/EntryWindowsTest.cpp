// The entry windows as the operator meets them, offscreen against the simulated radio: each opens
// from its menu item or key, every close path reports its close notice (the window is destroyed
// afterwards, not inside its own handler) and frees the panel and the menu bar; then what each
// window does with what is typed or picked.
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>

#include "WindowFixture.h"
#include "gui/ChoiceDialog.h"
#include "link/MessageIds.h"
#include "link/RadioStateStore.h"
#include "resources/StringTable.h"
#include "windows/WaitWindowLogic.h"

namespace velmora::gui::test {
namespace {

QString text(int stringId) {
    const std::string_view t = stringText(stringId);
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

class EntryWindowsTest : public WindowFixture {
  protected:
    // Opens w the operator's way and waits until it shows.
    PanelWindowWidget* open(PanelWindow w) {
        if (w == PanelWindow::VfoSet) {
            CPanelInput& input = dlg().panelInput();
            input.PressPanelCode(panel_code::KEYPAD_ENTER);
            input.PressPanelCode(panel_code::KEYPAD_ENTER);  // let the key go
        } else {
            const int command = w == PanelWindow::CommandSend ? menu_item::COMMAND_SEND
                                : w == PanelWindow::ComSelect ? menu_item::COM_SELECT
                                                              : menu_item::BAUD_RATE;
            menuAction(command)->trigger();
        }
        pumpUntil([&] { return opened(w) && opened(w)->isVisible(); });
        return opened(w);
    }
};

// OK on an untouched window changes nothing: an empty frequency or command, no port or speed
// picked. Every path closes the window the same way.
TEST_F(EntryWindowsTest, EveryClosePathOfEveryEntryWindowFreesThePanelAndTheMenuBar) {
    for (const PanelWindow w : {PanelWindow::VfoSet, PanelWindow::CommandSend,
                                PanelWindow::ComSelect, PanelWindow::BaudRate}) {
        for (const ClosePath& path : kClosePaths) {
            SCOPED_TRACE(path.name);
            QPointer<PanelWindowWidget> shown = open(w);
            ASSERT_TRUE(shown) << static_cast<int>(w);
            EXPECT_FALSE(menuAction(menu_item::VERSION)->isEnabled());
            path.close(*shown);
            EXPECT_TRUE(shown) << "destroyed inside its own handler";
            // The test runs outside any event loop, where deferred deletes wait for a flush.
            ASSERT_TRUE(pumpUntil([&] {
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                return panelFree(w) && !shown;
            })) << static_cast<int>(w);
        }
    }
    EXPECT_EQ(app_->port().GetComNumber(), 1);
    EXPECT_EQ(app_->port().GetBaudRate(), 4800);
}

TEST_F(EntryWindowsTest, CommandSendSendsTheTextExactlyAndOffersItAgain) {
    auto* w = open(PanelWindow::CommandSend);
    ASSERT_TRUE(w);
    auto* field = w->findChild<QLineEdit*>("1002");
    field->setText(QString::fromUtf8("FA\xC3\xA9;"));
    w->findChild<QPushButton*>("1")->click();
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(w->findChild<QLabel*>("status")->text().isEmpty());

    field->setText("FA014195000;");
    w->findChild<QPushButton*>("1")->click();
    ASSERT_TRUE(pumpUntil([&] {
        return panelFree(PanelWindow::CommandSend) &&
               radio_->snapshot().frequency(sim::kMain) == 14195000;
    }));
    auto* again = open(PanelWindow::CommandSend);
    ASSERT_TRUE(again);
    auto* history = again->findChild<QListWidget*>("history");
    ASSERT_EQ(history->count(), 1);
    EXPECT_EQ(history->item(0)->text(), "FA014195000;");
}

TEST_F(EntryWindowsTest, VfoSetRefusesAFrequencyOutOfRangeAndKeepsTheText) {
    BoxCloser closer;
    auto* w = open(PanelWindow::VfoSet);
    ASSERT_TRUE(w);
    EXPECT_NE(w->findChild<QLabel*>("target")->text().indexOf("MAIN"), -1);
    w->findChild<QLineEdit*>("1000")->setText("60000001");
    w->findChild<QPushButton*>("1")->click();
    EXPECT_EQ(closer.lastObjectName, QString::number(string_id::kInputRangeIncorrect));
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->findChild<QLineEdit*>("1000")->text(), "60000001");
}

TEST_F(EntryWindowsTest, ComSelectShowsThePortInUseAndStaysOpenWhenANewPortFailsItsProbe) {
    BoxCloser closer;
    auto* w = qobject_cast<ChoiceDialog*>(open(PanelWindow::ComSelect));
    ASSERT_TRUE(w);
    auto* combo = w->findChild<QComboBox*>("1019");
    ASSERT_EQ(combo->count(), 20);
    EXPECT_EQ(combo->itemText(0),
              QString::fromStdString("COM1 (" + transport_->slavePath() + ") (current)"));
    EXPECT_EQ(combo->itemData(0, Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
    EXPECT_EQ(combo->itemText(4), "COM5 (no device)");
    EXPECT_FALSE(combo->itemData(4, Qt::ForegroundRole).isValid());

    emit combo->activated(4);
    w->findChild<QPushButton*>("1")->click();
    EXPECT_EQ(closer.lastObjectName, QString::number(string_id::kProbeFailed));
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->findChild<QLabel*>("status")->text(), text(string_id::kProbeFailed));
    EXPECT_EQ(app_->port().GetComNumber(), 1);
}

TEST_F(EntryWindowsTest, WaitWindowClosesWithoutAReadAndWhenTheReadEnds) {
    MainWindowFlags& flags = app_->store().windowFlags;
    window_->inputHost().runWaitWindow();
    EXPECT_FALSE(flags.waitWindowOpen);

    // The read ends while the window waits: the command thread's end of it tells the window.
    flags.readBusy = true;
    QTimer::singleShot(50, [&] {
        if (flags.endRead()) host_.post(msg::WM_WAIT_WINDOW_CLOSE, 0, 0);
    });
    const auto start = std::chrono::steady_clock::now();
    window_->inputHost().runWaitWindow();
    EXPECT_LT(std::chrono::steady_clock::now() - start,
              std::chrono::milliseconds(WaitWindowLogic::kTimeoutMs))
        << "closed by its timeout, not by the end of the read";
    EXPECT_FALSE(flags.waitWindowOpen);
}

TEST_F(EntryWindowsTest, VersionWindowShowsTheOneVersionText) {
    QString shown;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!box) return;
        shown = box->objectName() + " " + box->findChild<QLabel*>("1048")->text();
        box->findChild<QPushButton*>("1")->click();
    });
    closer.start(10);
    menuAction(menu_item::VERSION)->trigger();
    EXPECT_EQ(shown, "905 " + text(string_id::kVersion));
}

}  // namespace
}  // namespace velmora::gui::test
