// The panel operated the way a user meets it: real mouse and wheel events on the panel view of a
// window scaled beyond 1:1 and letterboxed, against the simulated radio on a pseudo-terminal.
// What the clicks send must arrive on the line in order, and the radio's reports must come back
// into the store the panel draws from.
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QWheelEvent>

#include "WindowFixture.h"
#include "link/MessageIds.h"
#include "link/RadioStateStore.h"

namespace velmora::gui::test {
namespace {

class PanelInputTest : public WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        // 1.5 times wider than the panel and taller still: the panel is scaled and letterboxed.
        window_->resize(1536, 700);
        ASSERT_TRUE(pumpUntil([&] { return view().panelRect().width() == 1536; }));
        connectAndRead();
    }

    PanelView& view() { return window_->view(); }
    RadioStateStore& store() { return app_->store(); }

    // The centre of panel pixel p in the view's coordinates.
    QPointF widgetPoint(PanelPoint p) {
        const QRect r = view().panelRect();
        return {r.x() + (p.x + 0.5) * r.width() / kPanelWidth,
                r.y() + (p.y + 0.5) * r.height() / kPanelHeight};
    }

    void mouse(QEvent::Type type, PanelPoint p, Qt::MouseButton button) {
        const QPointF at = widgetPoint(p);
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
        QMouseEvent e(type, at, view().mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(&view(), &e);
    }
    void click(PanelPoint p, Qt::MouseButton button = Qt::LeftButton) {
        mouse(QEvent::MouseButtonPress, p, button);
        mouse(QEvent::MouseButtonRelease, p, button);
    }
    void wheel(PanelPoint p, int angle) {
        const QPointF at = widgetPoint(p);
        QWheelEvent e(at, view().mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&view(), &e);
    }
};

TEST_F(PanelInputTest, EachWheelNotchOverTheMainDialMovesTheRadioOneStep) {
    const PanelPoint dial{516, 220};
    const int64_t start = radio_->snapshot().frequency(sim::kMain);
    wheel(dial, 120);
    ASSERT_TRUE(pumpUntil([&] {
        const int64_t now = radio_->snapshot().frequency(sim::kMain);
        return now != start && store().records.fa.get() == now;
    }));
    const int64_t step = radio_->snapshot().frequency(sim::kMain) - start;
    // Five notches, two half notches of a touchpad that add up to a sixth, and a sideways turn
    // that is no notch at all.
    for (int i = 0; i < 5; ++i) wheel(dial, 120);
    wheel(dial, 60);
    wheel(dial, 60);
    QWheelEvent sideways(widgetPoint(dial), view().mapToGlobal(widgetPoint(dial)), QPoint(),
                         QPoint(120, 0), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&view(), &sideways);
    ASSERT_TRUE(pumpUntil([&] {
        const int64_t now = radio_->snapshot().frequency(sim::kMain);
        return now == start + 7 * step && store().records.fa.get() == now;
    })) << "step "
        << step << ", now " << radio_->snapshot().frequency(sim::kMain);
}

TEST_F(PanelInputTest, OptionKeyMenuShowsTheCurrentChoiceAndSendsThePickedOne) {
    // Opens the AGC key's menu, notes its items and ticked item, and picks one as a user does
    // (the item made active, then Return).
    QStringList labels;
    QString ticked;
    auto pick = [&](const QString& item) {
        labels.clear();
        ticked.clear();
        QTimer::singleShot(0, [&, item] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) return;
            for (QAction* a : menu->actions()) {
                labels << a->text();
                if (a->isChecked()) ticked = a->text();
                if (a->text() == item) menu->setActiveAction(a);
            }
            pressKey(*menu, Qt::Key_Return);
        });
        click({340, 160});
    };
    auto agcIs = [&](int value) {
        return pumpUntil([&] {
            return radio_->snapshot().get("GT", sim::kMain) == value &&
                   store().records.gt[0].get() == value;
        });
    };
    pick("AGC AUTO");
    EXPECT_EQ(labels.join(",").toStdString(), "AGC OFF,AGC AUTO,AGC FAST,AGC MID,AGC SLOW");
    ASSERT_TRUE(agcIs(4));  // the radio codes AGC as OFF 0, FAST 1, MID 2, SLOW 3, AUTO 4
    pick("AGC SLOW");
    EXPECT_EQ(ticked.toStdString(), "AGC AUTO");
    ASSERT_TRUE(agcIs(3));
}

TEST_F(PanelInputTest, VfoSetTakesTheKeypadsDigitsAndEntSendsTheFrequency) {
    const PanelPoint enter{754, 104}, seven{677, 81}, zero{716, 104}, four{677, 57};
    auto vfoSet = [&] { return opened(PanelWindow::VfoSet); };

    // The keypad types; ENT sends the frequency and closes the window.
    click(enter);
    ASSERT_TRUE(pumpUntil([&] { return vfoSet() && vfoSet()->isVisible(); }));
    for (PanelPoint key : {seven, zero, seven, four, zero, zero, zero}) click(key);
    EXPECT_EQ(vfoSet()->findChild<QLineEdit*>("1000")->text(), "7074000");
    click(enter);
    ASSERT_TRUE(pumpUntil([&] {
        return panelFree(PanelWindow::VfoSet) &&
               radio_->snapshot().frequency(sim::kMain) == 7074000 &&
               store().records.fa.get() == 7074000;
    }));
}

}  // namespace
}  // namespace velmora::gui::test
