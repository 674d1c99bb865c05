#include "gui/QtPanelInputHost.h"

#include <QAction>
#include <QActionGroup>
#include <QCursor>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include "gui/MainMenu.h"
#include "gui/PanelView.h"
#include "gui/StringText.h"
#include "gui/VfoSetDialog.h"
#include "gui/WaitWindow.h"
#include "link/MessageIds.h"
#include "link/RadioStateStore.h"
#include "resources/StringTable.h"

namespace velmora::gui {

QtPanelInputHost::QtPanelInputHost(QWidget& mainWindow, PanelView& view, QMenuBar& menuBar,
                                   RadioStateStore& store)
    : main_(mainWindow), view_(view), menuBar_(menuBar), store_(store) {}

void QtPanelInputHost::setFactory(PanelWindow window, Factory factory) {
    factories_[slot(window)] = std::move(factory);
    enableMenuCommands(true);
}

PanelWindowWidget* QtPanelInputHost::openedWindow(PanelWindow window) const {
    return open_[slot(window)].data();
}

PanelPoint QtPanelInputHost::cursorPosition() {
    const QPoint p = view_.toPanel(view_.mapFromGlobal(QCursor::pos()));
    return {p.x(), p.y()};
}

bool QtPanelInputHost::buttonHeld(MouseButton button) {
    const Qt::MouseButtons held = QGuiApplication::mouseButtons();
    return held & (button == MouseButton::Left ? Qt::LeftButton : Qt::RightButton);
}

bool QtPanelInputHost::openWindow(PanelWindow window) {
    const Factory& make = factories_[slot(window)];
    if (!make) return false;
    if (PanelWindowWidget* w = openedWindow(window)) {
        w->raise();
        return true;
    }
    PanelWindowWidget* w = make(&main_);
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->setModal(false);
    open_[slot(window)] = w;
    w->show();
    return true;
}

void QtPanelInputHost::closeWindow(PanelWindow window) {
    PanelWindowWidget* w = openedWindow(window);
    open_[slot(window)] = nullptr;
    if (!w) return;
    // The close notice may come from inside the window's own handler: delete it afterwards.
    w->hide();
    w->deleteLater();
}

void QtPanelInputHost::focusWindow(PanelWindow window) {
    if (PanelWindowWidget* w = openedWindow(window)) {
        w->raise();
        w->activateWindow();
        w->setFocus();
    }
}

void QtPanelInputHost::relayToWindow(PanelWindow window, uint32_t id, uintptr_t wParam,
                                     intptr_t lParam) {
    if (PanelWindowWidget* w = openedWindow(window)) w->relay(id, wParam, lParam);
}

void QtPanelInputHost::enableMenuCommands(bool enabled) {
    for (const MainMenuItem& item : mainMenuItems()) {
        if (item.command == menu_item::EXIT) continue;
        QAction* a = menuBar_.findChild<QAction*>(QString::number(item.command));
        if (!a) continue;
        const bool built = item.window ? factories_[slot(*item.window)] != nullptr : true;
        a->setEnabled(enabled && built);
    }
}

uint32_t QtPanelInputHost::trackOptionMenu(std::span<const OptionMenuItem> items, PanelPoint offset,
                                           uint32_t checkedId) {
    QMenu menu(&main_);
    menu.setObjectName("optionMenu");
    auto* group = new QActionGroup(&menu);
    for (const OptionMenuItem& item : items) {
        QAction* a = menu.addAction(QString::fromLatin1(item.label));
        a->setData(item.id);
        a->setCheckable(true);
        a->setChecked(item.id == checkedId);
        group->addAction(a);
    }
    // Where the original window put the menu, as a point of the panel, mapped through the view
    // (so a scaled window puts it beside the same key).
    const QRect r = view_.panelRect();
    const QPoint panel(offset.x, offset.y - kDesignNonClientHeight);
    const QPoint widget(r.x() + panel.x() * r.width() / view_.panelSize().width(),
                        r.y() + panel.y() * r.height() / view_.panelSize().height());
    QAction* chosen = menu.exec(view_.mapToGlobal(widget));
    return chosen ? chosen->data().toUInt() : 0;
}

void QtPanelInputHost::showMessage(int stringId) {
    QMessageBox box(QMessageBox::Information, main_.windowTitle(), stringQText(stringId),
                    QMessageBox::Ok, &main_);
    box.setObjectName(QString::number(stringId));
    box.exec();
}

void QtPanelInputHost::runWaitWindow() {
    WaitWindow wait(&main_, store_.windowFlags, store_.readLedger, waitProgress_);
    waitWindow_ = &wait;
    wait.run();
    waitWindow_ = nullptr;
}

void QtPanelInputHost::readFinished() {
    if (waitWindow_) waitWindow_->readFinished();
}

void QtPanelInputHost::runVersionWindow() {
    if (runVersion_) runVersion_();
}

void QtPanelInputHost::vfoSetAppendDigit(int digit) {
    if (auto* w = qobject_cast<VfoSetDialog*>(openedWindow(PanelWindow::VfoSet)))
        w->appendDigit(digit);
}

void QtPanelInputHost::vfoSetEnter() {
    if (auto* w = qobject_cast<VfoSetDialog*>(openedWindow(PanelWindow::VfoSet))) w->accept();
}

}  // namespace velmora::gui
