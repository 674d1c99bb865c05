// The window shows what the console shows, offscreen against the simulated radio: a radio that
// does not answer is named in the status line and the title until it answers, and a read that
// ends with answers missing is reported as such by the wait window and the status line instead
// of passing for complete.
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

#include "WindowFixture.h"
#include "gui/WaitWindow.h"
#include "link/RadioStateStore.h"

namespace velmora::gui::test {
namespace {

class LinkStateWindowTest : public WindowFixture {
  protected:
    QString line() const { return window_->linkState().line(); }
    QString title() const { return window_->windowTitle(); }
    bool showing(const QString& text) const {
        return line().contains(text) && title().contains(text);
    }
    bool clear(const QString& text) const {
        return !line().contains(text) && title() == MainWindow::kTitle;
    }
};

TEST_F(LinkStateWindowTest, TroubleWithTheRadioShowsUntilItAnswers) {
    using namespace std::chrono_literals;
    // Silent from now on (the port's first command may already have been heard).
    radio_->silenceFor(3600000);
    connect();
    ASSERT_TRUE(pumpUntil([&] { return showing("no answer from the radio on COM1"); }, 10s))
        << line().toStdString();

    // Switched on, still refusing its first identification and every frequency query.
    sim::FaultPlan refusing;
    refusing.refuseIdentifications = 1;
    refusing.refuseCode = "FA";
    radio_->setFaults(refusing);
    radio_->silenceFor(0);
    ASSERT_TRUE(pumpUntil([&] { return clear("no answer"); }, 15s)) << title().toStdString();

    // While the read asks again for what is missing, the wait window shows where the read is,
    // and once it gives up, which answers are missing, until OK.
    const RadioStateStore& store = app_->store();
    ASSERT_TRUE(
        pumpUntil([&] { return app_->progress().menuReadSteps() > store.menus.count(); }, 20s));
    QString progress, report;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        WaitWindow* w = window_->inputHost().waitWindow();
        if (!w) return;
        const QString now = w->findChild<QLabel*>("progress")->text();
        if (progress.isEmpty()) progress = now;
        auto* ok = w->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        if (!ok->isVisible()) return;
        report = now;
        ok->click();
    });
    poll.start(20);
    window_->inputHost().runWaitWindow();
    poll.stop();
    EXPECT_EQ(progress, "menu read: asking again for the answers still missing");
    EXPECT_EQ(report, "menu read incomplete: 1 answers missing: FA");
    ASSERT_TRUE(pumpUntil([&] { return showing("menu read incomplete: 1 answers missing: FA"); }))
        << line().toStdString();

    // The radio answers everything again: connected anew, the report gives way to the new read.
    radio_->setFaults({});
    connect();  // off
    ASSERT_TRUE(pumpUntil([&] { return store.records.ai.get() == 0; }));
    connect();  // on again
    ASSERT_TRUE(pumpUntil([&] { return clear("incomplete"); }, 15s)) << title().toStdString();
}

}  // namespace
}  // namespace velmora::gui::test
