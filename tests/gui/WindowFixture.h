#pragma once
// The whole program in one test: the simulated radio on a pseudo-terminal, the application shell
// on the Qt window host and the main window, offscreen. Waits pump the GUI thread's events.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>

#include "app/LinkApplication.h"
#include "gui/MainWindow.h"
#include "gui/QtFailurePresenter.h"
#include "gui/QtWindowHost.h"
#include "link/MessageIds.h"
#include "link/PanelActionTable.h"
#include "link/RadioStateStore.h"
#include "sim/PtyTransport.h"
#include "sim/SimulatedRadio.h"

namespace velmora::gui::test {

inline QApplication& application() {
    static int argc = 1;
    static char name[] = "test_gui";
    static char* argv[] = {name, nullptr};
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) return *app;
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// Serves the GUI thread's events until cond holds or the deadline passes.
inline bool pumpUntil(const std::function<bool()>& cond,
                      std::chrono::milliseconds deadline = std::chrono::seconds(10)) {
    const auto end = std::chrono::steady_clock::now() + deadline;
    while (!cond()) {
        if (std::chrono::steady_clock::now() >= end) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// A key pressed (not released) on w.
inline void pressKey(QWidget& w, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&w, &press);
}

// The four ways to close a dialog: OK, CANCEL, Esc and the title bar's X.
struct ClosePath {
    const char* name;
    std::function<void(QDialog&)> close;
};
inline const ClosePath kClosePaths[] = {
    {"OK", [](QDialog& d) { d.findChild<QPushButton*>("1")->click(); }},
    {"CANCEL", [](QDialog& d) { d.findChild<QPushButton*>("2")->click(); }},
    {"Esc", [](QDialog& d) { pressKey(d, Qt::Key_Escape); }},
    {"TitleBarX", [](QDialog& d) { d.close(); }},
};

// Closes every modal message box as soon as it is on screen, counting them.
class BoxCloser {
  public:
    BoxCloser() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                lastObjectName = box->objectName();
                lastText = box->text();
                ++closed;
                box->accept();
            }
        });
        timer_.start(10);
    }
    int closed = 0;
    QString lastObjectName;
    QString lastText;

  private:
    QTimer timer_;
};

class WindowFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        application();
        ASSERT_TRUE(dir_.isValid());
        radio_ = std::make_unique<sim::SimulatedRadio>();
        ptyOptions_.transcript = &transcript_;
        transport_ = std::make_unique<sim::PtyTransport>(*radio_, ptyOptions_);
        ASSERT_TRUE(transport_->start());
        LinkApplicationConfig config;
        config.baseDirectory = dir_.path().toStdString();
        config.portOverride = transport_->slavePath();
        config.scanPorts = false;
        app_ = std::make_unique<LinkApplication>(host_, presenter_, config);
        window_ = std::make_unique<MainWindow>(*app_, host_, MainWindowOptions{{}, false});
        presenter_.setParent(window_.get());
        // The first start has no CommSetting.csv: its box would wait for a click.
        presenter_.setUnattended(true);
        window_->startUp();
        ASSERT_TRUE(app_->start());
        presenter_.setUnattended(false);
        window_->show();
    }
    void TearDown() override {
        host_.stopWaiting();
        if (app_) app_->shutdown();
        window_.reset();
        app_.reset();
        if (transport_) transport_->stop();
    }
    void connect() { PostPanelAction(app_->store().mailbox, 1, false, false, false, 0); }
    // Connects and waits until auto-information is on and the initial read is through.
    void connectAndRead() {
        connect();
        ASSERT_TRUE(pumpUntil(
            [&] {
                const RadioStateStore& s = app_->store();
                return s.records.ai.get() == 1 && s.windowFlags.initialReadDone.load() &&
                       !s.windowFlags.readBusy.load();
            },
            std::chrono::seconds(30)));
    }
    CRemoteControllerDlg& dlg() { return window_->dlg(); }
    QAction* menuAction(int command) {
        return window_->menuBar()->findChild<QAction*>(QString::number(command));
    }
    PanelWindowWidget* opened(PanelWindow w) { return window_->inputHost().openedWindow(w); }
    // No window open, w gone, and the menu bar usable again.
    bool panelFree(PanelWindow w) {
        return !dlg().panelInput().anyWindowOpen() && !opened(w) &&
               menuAction(menu_item::VERSION)->isEnabled() &&
               menuAction(menu_item::COMMAND_SEND)->isEnabled();
    }

    QTemporaryDir dir_;
    sim::Transcript transcript_;  // what crossed the line, both ways
    sim::PtyOptions ptyOptions_;  // set before SetUp to serve the line otherwise
    std::unique_ptr<sim::SimulatedRadio> radio_;
    std::unique_ptr<sim::PtyTransport> transport_;
    QtWindowHost host_;
    QtFailurePresenter presenter_;
    std::unique_ptr<LinkApplication> app_;
    std::unique_ptr<MainWindow> window_;
};

}  // namespace velmora::gui::test
