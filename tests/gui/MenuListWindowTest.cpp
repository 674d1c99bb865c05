// MENU LIST as the operator meets it: opened with the panel's MENU key against the simulated
// radio, edited through its setting dialogs, closed every way. The radio checks the line's speed
// against its own CAT RATE, so a command sent at the wrong rate is lost as it would be on a real
// line.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>

#include "WindowFixture.h"
#include "app/WindowSizeSetting.h"
#include "gui/MenuListDialog.h"
#include "link/MessageIds.h"
#include "link/RadioStateStore.h"
#include "serial/SerialPort.h"

namespace velmora::gui::test {
namespace {

constexpr int64_t kTrv50 = 0x4000;

class MenuListWindowTest : public WindowFixture {
  protected:
    void SetUp() override {
        ptyOptions_.checkLineRate = true;
        // The size the list was closed at in an earlier run.
        ASSERT_TRUE(writeWindowSize(base(), MainWindow::kMenuListSizeName, {900, 600}));
        WindowFixture::SetUp();
        // TRV50 on at the radio: it must survive an unchanged MY BAND dialog.
        radio_->frontPanel([](sim::RadioModel& m) { m.setMenu(151, m.menu(151) | kTrv50); });
        connectAndRead();
    }

    std::string base() const { return dir_.path().toStdString(); }
    MenuListDialog* menuList() {
        return qobject_cast<MenuListDialog*>(
            window_->inputHost().openedWindow(PanelWindow::MenuList));
    }
    bool panelFree() { return WindowFixture::panelFree(PanelWindow::MenuList); }
    void open() {
        dlg().panelInput().PressPanelCode(panel_code::MENU);
        ASSERT_TRUE(pumpUntil([&] { return menuList() && menuList()->isVisible(); }));
    }
    // Selects item n and confirms its setting dialog, first letting act change it.
    void edit(int n, const std::function<void(QDialog&)>& act) {
        QTreeWidget* list = menuList()->list();
        list->setCurrentItem(list->topLevelItem(n - 1));
        QTimer::singleShot(0, [act] {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            act(*d);
            d->findChild<QPushButton*>("1")->click();
        });
        menuList()->editSelected();
    }
    static std::function<void(QDialog&)> pick(const QString& text) {
        return [text](QDialog& d) {
            auto* combo = d.findChild<QComboBox*>("1019");
            ASSERT_NE(combo, nullptr);
            combo->setCurrentIndex(combo->findText(text));
        };
    }
};

TEST_F(MenuListWindowTest, EveryClosePathSendsTheCloseNoticeAndFreesThePanel) {
    QSize kept(900, 600);
    for (const ClosePath& path : kClosePaths) {
        SCOPED_TRACE(path.name);
        open();
        // It opens at the size it was last closed at, in this run or the one before.
        EXPECT_EQ(menuList()->size(), kept);
        kept += QSize(10, 10);
        menuList()->resize(kept);
        QTreeWidget* list = menuList()->list();
        ASSERT_EQ(list->topLevelItemCount(), 177);
        EXPECT_EQ(list->topLevelItem(0)->text(3), "300msec");
        list->setCurrentItem(list->topLevelItem(40));
        path.close(*menuList());
        ASSERT_TRUE(pumpUntil([&] { return panelFree(); }));
        EXPECT_EQ(readWindowSize(base(), MainWindow::kMenuListSizeName),
                  WindowSize({kept.width(), kept.height()}));
    }
    // The selection survives the closing; nothing was changed, so nothing went to the radio.
    open();
    EXPECT_EQ(menuList()->list()->currentItem(), menuList()->list()->topLevelItem(40));
    // The function keys keep their bindings over the list.
    {
        QDir(dir_.path()).mkpath("CommoFiles");
        QFile keys(dir_.path() + "/CommoFiles/VLMKSDEF.txt");
        ASSERT_TRUE(keys.open(QIODevice::WriteOnly));
        keys.write("FA014195000;\n");
    }
    pressKey(*menuList()->list(), Qt::Key_F2);
    EXPECT_TRUE(pumpUntil([&] { return radio_->snapshot().frequency(sim::kMain) == 14195000; }));
    menuList()->findChild<QPushButton*>("2")->click();
    ASSERT_TRUE(pumpUntil([&] { return panelFree(); }));
    EXPECT_EQ(transport_->bytesAtWrongRate(), 0u);
}

TEST_F(MenuListWindowTest, CatRateWithItemsAroundItReachesTheRadioAtTheRatesItExpects) {
    SerialPort& port = app_->port();
    ASSERT_EQ(port.GetBaudRate(), 4800);
    open();
    edit(31, pick("80"));
    edit(32, pick("19200"));
    edit(33, pick("1000"));
    edit(151, [](QDialog&) {});  // MY BAND confirmed as it came
    // 401 entries: a spin box, and a typed value snaps to the 10 kHz grid.
    edit(82, [](QDialog& d) {
        auto* spin = d.findChild<QSpinBox*>("1019");
        ASSERT_NE(spin, nullptr);
        spin->findChild<QLineEdit*>()->setText("1234");
    });
    EXPECT_EQ(menuList()->findChild<QLabel*>("changed")->text(), "4 changed");
    menuList()->findChild<QPushButton*>("1")->click();
    ASSERT_TRUE(pumpUntil([&] {
        const sim::RadioModel m = radio_->snapshot();
        return panelFree() && m.menu(31) == 80 && m.menu(32) == 2 && m.menu(33) == 2 &&
               m.menu(82) == 1230 && port.GetBaudRate() == 19200 && port.IsPortOpen();
    }));
    EXPECT_EQ(radio_->snapshot().menu(151) & kTrv50, kTrv50);

    // The link goes on at the new rate: the next write arrives too.
    open();
    edit(31, pick("90"));
    menuList()->findChild<QPushButton*>("1")->click();
    ASSERT_TRUE(pumpUntil([&] { return panelFree() && radio_->snapshot().menu(31) == 90; }));
    EXPECT_EQ(transport_->bytesAtWrongRate(), 0u);
}

}  // namespace
}  // namespace velmora::gui::test
