#include "gui/RotatorDialog.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

#include "gui/OptionDisplay.h"
#include "gui/RotatorCompass.h"
#include "link/MessageIds.h"
#include "link/RadioStateStore.h"

namespace velmora::gui {

namespace {

// The arrow keys that stand for the direction keys while held.
std::optional<RotatorKey> arrowKey(const QKeyEvent& e) {
    if (e.key() == Qt::Key_Left) return RotatorKey::Ccw;
    if (e.key() == Qt::Key_Right) return RotatorKey::Cw;
    return std::nullopt;
}

}  // namespace

RotatorDialog::RotatorDialog(QWidget* parent, WindowHost& mainWindow, RadioStateStore& store)
    : OptionWindow(parent, mainWindow, notice::ROTATOR_CLOSED), logic_(store, timers()) {
    setObjectName("896");
    setWindowTitle("Rotator");
    auto* layout = new QVBoxLayout(this);
    auto* displays = new QGridLayout;
    displays->addWidget(new QLabel("DIRECTION", this), 0, 0, Qt::AlignHCenter);
    displays->addWidget(new QLabel("SPEED", this), 0, 1, Qt::AlignHCenter);
    direction_ = makeOptionDisplay(this, 1027);
    speed_ = makeOptionDisplay(this, 1028);
    displays->addWidget(direction_, 1, 0);
    displays->addWidget(speed_, 1, 1);
    compass_ = new RotatorCompass(this);
    speedBar_ = new QProgressBar(this);
    speedBar_->setObjectName("speedBar");
    speedBar_->setRange(0, 100);
    speedBar_->setTextVisible(false);
    displays->addWidget(compass_, 2, 0);
    displays->addWidget(speedBar_, 2, 1, Qt::AlignVCenter);
    layout->addLayout(displays, 1);
    auto* keys = new QGridLayout;
    addKey(keys, RotatorKey::Ccw, "CCW", 1044, 0, 0);
    addKey(keys, RotatorKey::Cw, "CW", 1045, 0, 1);
    addKey(keys, RotatorKey::Slow, "SLOW", 1046, 1, 0);
    addKey(keys, RotatorKey::Fast, "FAST", 1047, 1, 1);
    layout->addLayout(keys);
    showStored();
    // The program may end with the window still open and a key held: the stop goes out before
    // the link shuts down.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { logic_.releaseAll(); });
}

void RotatorDialog::addKey(QGridLayout* grid, RotatorKey key, const char* label, int control,
                           int row, int column) {
    auto* button = new QPushButton(label, this);
    button->setObjectName(QString::number(control));
    button->setAutoDefault(false);
    // The arrow keys belong to the window, not to moving the focus between the buttons.
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QPushButton::pressed, this, [this, key] { logic_.press(key); });
    connect(button, &QPushButton::released, this, [this, key] { logic_.release(key); });
    grid->addWidget(button, row, column);
}

void RotatorDialog::showStored() {
    const RotatorDisplay d = logic_.direction();
    const RotatorDisplay s = logic_.speed();
    showOnDisplay(direction_, QString::fromStdString(d.text), d.colour);
    showOnDisplay(speed_, QString::fromStdString(s.text), s.colour);
    compass_->setDirection(logic_.storedDirection());
    speedBar_->setValue(logic_.storedSpeed());
}

void RotatorDialog::relay(uint32_t id, uintptr_t, intptr_t) {
    if (id == notify::RO) showStored();
}

void RotatorDialog::aboutToClose() {
    logic_.releaseAll();
}

void RotatorDialog::onTimer(int id) {
    logic_.onTimer(id);
}

void RotatorDialog::keyPressEvent(QKeyEvent* e) {
    const std::optional<RotatorKey> key = arrowKey(*e);
    if (!key) return OptionWindow::keyPressEvent(e);
    if (!e->isAutoRepeat()) logic_.press(*key);
}

void RotatorDialog::keyReleaseEvent(QKeyEvent* e) {
    const std::optional<RotatorKey> key = arrowKey(*e);
    if (!key) return OptionWindow::keyReleaseEvent(e);
    if (!e->isAutoRepeat()) logic_.release(*key);
}

void RotatorDialog::hideEvent(QHideEvent* e) {
    logic_.releaseAll();
    OptionWindow::hideEvent(e);
}

void RotatorDialog::changeEvent(QEvent* e) {
    if (e->type() == QEvent::ActivationChange && !isActiveWindow()) logic_.releaseAll();
    OptionWindow::changeEvent(e);
}

}  // namespace velmora::gui
