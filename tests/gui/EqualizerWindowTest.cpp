// The equalizer window in the whole program: opened from its menu items, closed by every path,
// offline edits that survive repaints and files, and online against the simulated radio, which
// refuses levels below -10 dB.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <fstream>
#include <sstream>

#include "gui/EqualizerWindow.h"
#include "gui/WindowFixture.h"
#include "link/MessageIds.h"
#include "resources/StringTable.h"

namespace velmora::gui::test {
namespace {

class EqualizerWindowTest : public WindowFixture {
  protected:
    EqualizerWindow* open(int menuItem) {
        // The menu definitions must be in before the window looks its items up.
        EXPECT_TRUE(pumpUntil([&] { return app_->store().link.commGate.load(); }));
        dlg().panelInput().OnMenuCommand(menuItem);
        return qobject_cast<EqualizerWindow*>(opened(PanelWindow::Equalizer));
    }
    bool closed() {
        return pumpUntil([&] { return panelFree(PanelWindow::Equalizer); });
    }
    static QString text(EqualizerWindow* w, int p) {
        return w->findChild<QLabel*>(QString("value%1").arg(p))->text();
    }
    static QPushButton* button(EqualizerWindow* w, const char* name) {
        return w->findChild<QPushButton*>(name);
    }
    std::string writeFile(const char* name, const char* content) {
        const std::string path = files_.filePath(name).toStdString();
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }
    static std::string readFile(const std::string& path) {
        std::ostringstream s;
        s << std::ifstream(path, std::ios::binary).rdbuf();
        return s.str();
    }
    static void chooseFile(EqualizerWindow* w, const std::string& path) {
        w->setFileChooser([path](bool, const QString&) { return QString::fromStdString(path); });
    }

    QTemporaryDir files_;
};

TEST_F(EqualizerWindowTest, EveryClosePathSendsTheCloseNotice) {
    const std::function<void(EqualizerWindow*)> paths[] = {
        [](EqualizerWindow* w) { button(w, "EXIT")->click(); },
        [](EqualizerWindow* w) { pressKey(*w, Qt::Key_Escape); },
        [](EqualizerWindow* w) { w->close(); },
    };
    for (const auto& path : paths) {
        EqualizerWindow* w = open(menu_item::P_PRMTRC);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->windowTitle(), "P-Prmtrc");
        // The processor set's factory values.
        EXPECT_EQ(text(w, 0), "300 Hz");
        EXPECT_EQ(text(w, 1), "-6 dB");
        path(w);
        EXPECT_TRUE(closed());
    }
}

TEST_F(EqualizerWindowTest, OfflineEditsSurviveRepaintsAndFilesRoundTrip) {
    EqualizerWindow* w = open(menu_item::PRMTRC);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->findChild<QLabel*>("badge")->text(), "OFFLINE");
    w->findChild<QToolButton*>("1157")->click();  // EQ1 LEVEL up: 5 -> 6
    w->findChild<QToolButton*>("1156")->click();  // EQ1 FREQ up: OFF -> 100 Hz
    w->repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(text(w, 1), "6 dB");
    EXPECT_EQ(text(w, 0), "100 Hz");

    const std::string saved = files_.filePath("saved.pef").toStdString();
    chooseFile(w, saved);
    w->saveFile();
    EXPECT_EQ(readFile(saved), "100,6,10\n0,5,10\n0,5,10\n");
    w->loadFile();
    EXPECT_EQ(text(w, 1), "6 dB");

    {
        BoxCloser boxes;
        chooseFile(w, writeFile("bad.pef", "300x,-6,2\n800,3,1\n1900,-3,1\n"));
        w->loadFile();
        EXPECT_EQ(boxes.lastObjectName, "104");
        chooseFile(w, writeFile("good.pef", "300,-6,2\r\n800,3,1\r\n1900,-3,1"));
        w->loadFile();
        EXPECT_EQ(text(w, 0), "300 Hz");
        EXPECT_EQ(text(w, 5), "1");
        chooseFile(w, files_.filePath("no-such-folder/x.pef").toStdString());
        w->saveFile();
        EXPECT_EQ(boxes.lastObjectName, QString::number(string_id::kFileSaveFailed));
        EXPECT_EQ(boxes.closed, 2);
    }
    // The loaded file is not applied: EXIT asks, and Discard closes.
    QTimer discard;
    QObject::connect(&discard, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->button(QMessageBox::Discard)->click();
    });
    discard.start(10);
    button(w, "EXIT")->click();
    EXPECT_TRUE(closed());
}

TEST_F(EqualizerWindowTest, OnlineLoadOfARefusedLevelDoesNotLockTheWindow) {
    // Open before the link comes up: auto-information then turns on under the open window.
    EqualizerWindow* w = open(menu_item::PRMTRC);
    ASSERT_NE(w, nullptr);
    connect();
    ASSERT_TRUE(pumpUntil([&] { return w->editor().online(); }));
    chooseFile(w, writeFile("deep.pef", "300,-15,2\n800,3,1\n1900,-3,1\n"));
    w->loadFile();
    EXPECT_FALSE(button(w, "CANCEL")->isEnabled());
    ASSERT_TRUE(pumpUntil([&] { return button(w, "CANCEL")->isEnabled(); }));
    EXPECT_EQ(text(w, 0), "300 Hz");
    EXPECT_EQ(text(w, 1), "5 dB");  // the radio kept its level
    EXPECT_EQ(text(w, 3), "800 Hz");
    const sim::RadioModel radio = radio_->snapshot();
    EXPECT_EQ(radio.menu(152), 3);
    EXPECT_EQ(radio.menu(153), 5);
    EXPECT_EQ(radio.get("AI"), 1);
    // A change on the radio's own panel shows in the window.
    radio_->frontPanel([](sim::RadioModel& m) { m.setMenu(153, -2); });
    EXPECT_TRUE(pumpUntil([&] { return text(w, 1) == "-2 dB"; }));
    button(w, "APPLI")->click();
    button(w, "EXIT")->click();
    EXPECT_TRUE(closed());
}

}  // namespace
}  // namespace velmora::gui::test
