#pragma once
// CRemoteControllerDlg's widget: the window "VLM for Aldren" with the menu bar of resource 130
// and the panel view. It owns the pictures and the back buffer, serves the window host's
// messages and timers through the dialog logic, and asks for a repaint only when the back
// buffer changed.
#include <QMainWindow>
#include <QPointer>
#include <QSplashScreen>
#include <memory>

#include "gui/LinkStateTitle.h"
#include "gui/MenuListDialog.h"
#include "gui/PanelInputAdapter.h"
#include "gui/PanelView.h"
#include "gui/QtCanvas.h"
#include "gui/QtPanelInputHost.h"
#include "gui/QtPictureSource.h"
#include "panel/display/CRemoteControllerDlg.h"
#include "panel/display/PanelPictures.h"
#include "windows/CommandHistory.h"

class QKeyEvent;

namespace velmora {
class LinkApplication;
}

namespace velmora::gui {

class QtWindowHost;

struct MainWindowOptions {
    QString skinDir;
    bool splash = true;  // the start-up picture for 3 s
    double zoom = 1.0;   // the panel view's size as a multiple of the panel's
};

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    static constexpr const char* kTitle = "VLM for Aldren";
    // MENU LIST's size is kept in CommoFiles/MenuListSize.csv.
    static constexpr const char* kMenuListSizeName = "MenuList";

    MainWindow(LinkApplication& app, QtWindowHost& host, MainWindowOptions options);
    ~MainWindow() override;

    // Sizes the window so that the panel view is zoom times the panel (call once shown, when
    // the menu bar's height is known).
    void applyZoom();
    // Arms the splash's timer and the display timers; call before the link starts.
    void startUp();

    CRemoteControllerDlg& dlg() { return *dlg_; }
    QtCanvas& canvas() { return *canvas_; }
    PanelView& view() { return *view_; }
    QtPanelInputHost& inputHost() { return *inputHost_; }
    bool splashShowing() const { return splash_ && splash_->isVisible(); }
    // The link's state in the status line and the title; the application's link events go to it.
    const LinkStateTitle& linkState() const { return *linkState_; }

    // The version window: modal, closed with OK.
    void showVersion();
    // Icon 128, drawn here: the title bar's and the minimised window's picture.
    static QIcon makeIcon();

  protected:
    void changeEvent(QEvent* e) override;

  private:
    void afterHandler();
    void registerWindows();
    // MENU LIST opens at the size it was last closed at, in this run or an earlier one.
    void keepMenuListSize();
    // The key definitions, for the main window and the windows that pass keys on to them.
    bool handleKey(QKeyEvent& e);
    void showSplash();
    void closeSplash();

    LinkApplication& app_;
    QtWindowHost& host_;
    MainWindowOptions options_;
    std::unique_ptr<QtPictureSource> source_;
    PanelPictures pictures_;
    std::unique_ptr<QtCanvas> canvas_;
    PanelView* view_ = nullptr;
    std::unique_ptr<QtPanelInputHost> inputHost_;
    std::unique_ptr<CRemoteControllerDlg> dlg_;
    std::unique_ptr<LinkStateTitle> linkState_;
    PanelInputAdapter* adapter_ = nullptr;
    QPointer<QSplashScreen> splash_;
    // MENU LIST's selection and size, kept from one opening to the next.
    MenuListModel menuList_;
    MenuListMemory menuListMemory_;
    uint64_t paintedGeneration_ = 0;
    CommandHistory commandHistory_;
};

}  // namespace velmora::gui
