#include "gui/MainWindow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QMenuBar>
#include <QPainter>
#include <QTimer>
#include <QWindowStateChangeEvent>

#include "app/LinkApplication.h"
#include "app/WindowSizeSetting.h"
#include "gui/ChoiceDialog.h"
#include "gui/CommandSendDialog.h"
#include "gui/ConnectionNotice.h"
#include "gui/CwMemoryDialog.h"
#include "gui/EqualizerWindow.h"
#include "gui/KeyMapping.h"
#include "gui/MainMenu.h"
#include "gui/PlaybackDialog.h"
#include "gui/QtWindowHost.h"
#include "gui/RepeaterDialog.h"
#include "gui/RotatorDialog.h"
#include "gui/StringText.h"
#include "gui/VersionDialog.h"
#include "gui/VfoSetDialog.h"
#include "panel/display/PictureCatalogue.h"
#include "resources/StringTable.h"

namespace velmora::gui {

namespace {

// The start-up picture: the logo stretched to the splash's 1024 x 400, with the version line.
QPixmap splashPicture(const QString& skinDir) {
    QPixmap pm(1024, 400);
    pm.fill(QColor(34, 36, 40));
    QPainter p(&pm);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (const PictureUse* use = findPictureUse(picture::kLogo)) {
        p.drawImage(pm.rect(), QtPictureSource::makePicture(skinDir, *use));
    }
    p.setPen(QColor(150, 156, 164));
    p.drawText(QRect(0, pm.height() - 32, pm.width(), 24), Qt::AlignCenter,
               stringQText(string_id::kVersion));
    return pm;
}

// The waits of the port and speed switches: the window keeps drawing and serving messages
// meanwhile (the switching dialog has disabled its buttons).
void waitServingEvents(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

MainWindow::MainWindow(LinkApplication& app, QtWindowHost& host, MainWindowOptions options)
    : app_(app), host_(host), options_(std::move(options)) {
    // The splash is on screen while the panel's pictures are made.
    if (options_.splash) showSplash();
    source_ = std::make_unique<QtPictureSource>(options_.skinDir);
    setWindowTitle(QString::fromUtf8(kTitle));
    setWindowIcon(makeIcon());
    LoadPanelBitmaps(pictures_, *source_);
    canvas_ = std::make_unique<QtCanvas>(*source_);
    view_ = new PanelView(canvas_->backBuffer(), this);
    setCentralWidget(view_);
    inputHost_ = std::make_unique<QtPanelInputHost>(*this, *view_, *menuBar(), app.store());
    linkState_ = std::make_unique<LinkStateTitle>(*this, *menuBar());
    app.setEvents(linkState_.get());
    inputHost_->setWaitProgress(
        [this] { return QString::fromStdString(app_.progress().progressText()); });
    DlgHooks hooks;
    hooks.closeSplash = [this] { closeSplash(); };
    hooks.closeProgram = [this] { close(); };
    hooks.readFinished = [this] { inputHost_->readFinished(); };
    dlg_ = std::make_unique<CRemoteControllerDlg>(*canvas_, pictures_, app.store(), host, app,
                                                  *inputHost_, std::move(hooks));
    dlg_->wipe();
    view_->setShownHook([this] { dlg_->exposed(); });
    buildMainMenu(*menuBar(), this, [this](int command) {
        dlg_->panelInput().OnMenuCommand(command);
        afterHandler();
    });
    inputHost_->setVersionWindow([this] { showVersion(); });
    app.port().setSleep(waitServingEvents);
    keepMenuListSize();
    registerWindows();
    adapter_ = new PanelInputAdapter(*view_, dlg_->panelInput(), [this] { afterHandler(); });
    adapter_->setKeyHandler([this](QKeyEvent& e) { return handleKey(e); });

    host_.setMessageHandler([this](uint32_t id, uintptr_t w, intptr_t l) {
        dlg_->onMessage(id, w, l);
        afterHandler();
    });
    host_.setTimerHandler([this](int id) {
        dlg_->onTimer(id);
        afterHandler();
    });
}

MainWindow::~MainWindow() {
    // Messages still queued after the window is gone find no one to draw for.
    host_.setMessageHandler({});
    host_.setTimerHandler({});
    app_.setEvents(nullptr);
    if (splash_) delete splash_.data();
}

void MainWindow::showSplash() {
    splash_ = new QSplashScreen(splashPicture(options_.skinDir));
    splash_->setObjectName("880");
    splash_->show();
    // Let it paint now: making the panel's pictures keeps the event loop away for a while.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void MainWindow::startUp() {
    dlg_->startUp(options_.splash);
}

void MainWindow::applyZoom() {
    const QSize panel = view_->panelSize() * options_.zoom;
    resize(size() - view_->size() + panel);
}

void MainWindow::closeSplash() {
    if (splash_) splash_->close();
}

void MainWindow::afterHandler() {
    // One update per handler that drew, of the area it drew: the paint copies that part of the
    // buffer, nothing more.
    if (canvas_->generation() == paintedGeneration_) return;
    paintedGeneration_ = canvas_->generation();
    view_->updatePanelArea(canvas_->takeDrawnArea());
}

void MainWindow::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    if (e->type() != QEvent::WindowStateChange) return;
    const auto* change = static_cast<QWindowStateChangeEvent*>(e);
    if ((change->oldState() & Qt::WindowMinimized) && !(windowState() & Qt::WindowMinimized))
        dlg_->exposed();
}

bool MainWindow::handleKey(QKeyEvent& e) {
    const std::optional<KeyPress> press = toKeyPress(e);
    const bool consumed = press && dlg_->onKey(*press);
    afterHandler();
    return consumed;
}

void MainWindow::registerWindows() {
    // Each window reports its result or close notice to the main window; the panel input then
    // closes it (later, never inside the window's own handler).
    RadioStateStore& store = app_.store();
    inputHost_->setFactory(PanelWindow::VfoSet, [this, &store](QWidget* parent) {
        return new VfoSetDialog(parent, host_, static_cast<uint8_t>(store.panel.subTarget.get()));
    });
    inputHost_->setFactory(PanelWindow::CommandSend, [this, &store](QWidget* parent) {
        return new CommandSendDialog(parent, host_, store, commandHistory_);
    });
    inputHost_->setFactory(PanelWindow::ComSelect, [this, &store](QWidget* parent) {
        return new ChoiceDialog(parent, ChoiceList::Kind::Port, app_.port(), app_.ports(), store,
                                host_);
    });
    inputHost_->setFactory(PanelWindow::BaudRate, [this, &store](QWidget* parent) {
        return new ChoiceDialog(parent, ChoiceList::Kind::Baud, app_.port(), app_.ports(), store,
                                host_);
    });
    // Both equalizer menu items open the one window, for the set the panel input noted.
    inputHost_->setFactory(PanelWindow::Equalizer, [this, &store](QWidget* parent) {
        return new EqualizerWindow(parent, store, dlg_->panelInput().equalizerSet(),
                                   [this] { host_.send(notice::EQUALIZER_CLOSED, 0, 0); });
    });
    inputHost_->setFactory(PanelWindow::ConnectionNotice,
                           [](QWidget* parent) { return new ConnectionNotice(parent); });
    inputHost_->setFactory(PanelWindow::Cw, [this, &store](QWidget* parent) {
        return new CwMemoryDialog(parent, host_, store,
                                  [this](QKeyEvent& e) { return handleKey(e); });
    });
    inputHost_->setFactory(PanelWindow::Playback, [this, &store](QWidget* parent) {
        return new PlaybackDialog(parent, host_, store);
    });
    inputHost_->setFactory(PanelWindow::Rotator, [this, &store](QWidget* parent) {
        return new RotatorDialog(parent, host_, store);
    });
    inputHost_->setFactory(PanelWindow::Repeater, [this, &store](QWidget* parent) {
        return new RepeaterDialog(parent, host_, store);
    });
    inputHost_->setFactory(PanelWindow::MenuList, [this, &store](QWidget* parent) {
        auto* w = new MenuListDialog(parent, menuList_, menuListMemory_, store, app_.port(),
                                     [this] { host_.send(notice::MENU_LIST_CLOSED, 0, 0); });
        // The function keys keep their bindings while the list has the focus; Page Up/Down,
        // Home and End move in the list.
        w->setKeyHandler([this](QKeyEvent& e) {
            const std::optional<KeyPress> press = toKeyPress(e);
            return press && press->key >= Key::F1 && press->key <= Key::F12 && handleKey(e);
        });
        return w;
    });
}

void MainWindow::keepMenuListSize() {
    const std::string base = app_.port().baseDirectory();
    if (const auto kept = readWindowSize(base, kMenuListSizeName))
        menuListMemory_.size = QSize(kept->width, kept->height);
    menuListMemory_.keep = [base](QSize size) {
        if (size.isValid()) writeWindowSize(base, kMenuListSizeName, {size.width(), size.height()});
    };
}

void MainWindow::showVersion() {
    VersionDialog box(this, windowIcon());
    box.exec();
}

QIcon MainWindow::makeIcon() {
    // Icon 128: the main display's look, a highlighted digit on the dark display window.
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(40, 42, 46));
    p.setPen(QColor(120, 124, 130));
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 5, 5);
    p.setBrush(QColor(18, 26, 34));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(5, 7, 22, 18));
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(16);
    p.setFont(f);
    p.setPen(QColor(255, 150, 40));
    p.drawText(QRect(5, 7, 22, 18), Qt::AlignCenter, "V");
    return QIcon(pm);
}

}  // namespace velmora::gui
