#include "gui/PanelInputAdapter.h"

#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QWheelEvent>

#include "gui/PanelView.h"
#include "panel/input/CPanelInput.h"
#include "panel/input/KnobTable.h"

namespace velmora::gui {

namespace {

uint32_t mouseFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    uint32_t flags = 0;
    if (buttons & Qt::LeftButton) flags |= mouse_flag::LEFT;
    if (buttons & Qt::RightButton) flags |= mouse_flag::RIGHT;
    if (modifiers & Qt::ShiftModifier) flags |= mouse_flag::SHIFT;
    if (modifiers & Qt::ControlModifier) flags |= mouse_flag::CONTROL;
    return flags;
}

Qt::CursorShape shapeFor(ControlKind kind) {
    switch (kind) {
        case ControlKind::Key:
        case ControlKind::Digit:
        case ControlKind::Switch:
            return Qt::PointingHandCursor;
        case ControlKind::Knob:
        case ControlKind::Dial:
            return Qt::OpenHandCursor;
        case ControlKind::None:
            break;
    }
    return Qt::ArrowCursor;
}

}  // namespace

PanelInputAdapter::PanelInputAdapter(PanelView& view, CPanelInput& input,
                                     std::function<void()> afterInput)
    : QObject(&view), view_(view), input_(input), afterInput_(std::move(afterInput)) {
    view_.installEventFilter(this);
}

bool PanelInputAdapter::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &view_) return false;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            onButton(static_cast<QMouseEvent&>(*event), true);
            return true;
        case QEvent::MouseButtonRelease:
            onButton(static_cast<QMouseEvent&>(*event), false);
            return true;
        case QEvent::MouseMove:
            onHover(static_cast<QMouseEvent*>(event)->position().toPoint());
            return false;
        case QEvent::Wheel:
            onWheel(static_cast<QWheelEvent&>(*event));
            return true;
        case QEvent::ToolTip:
            onToolTip(static_cast<QHelpEvent&>(*event));
            return true;
        case QEvent::KeyPress:
            return keys_ && keys_(static_cast<QKeyEvent&>(*event));
        default:
            return false;
    }
}

void PanelInputAdapter::onButton(QMouseEvent& e, bool down) {
    const QPoint p = view_.toPanel(e.position().toPoint());
    // A button-down carries the buttons held after it, a release those still held: the flags
    // say what was held with the event, as the original handlers expect.
    const uint32_t flags = mouseFlags(e.buttons() | e.button(), e.modifiers());
    if (e.button() == Qt::LeftButton) {
        down ? input_.OnLButtonDown(flags, p.x(), p.y()) : input_.OnLButtonUp(flags, p.x(), p.y());
    } else if (e.button() == Qt::RightButton) {
        down ? input_.OnRButtonDown(flags, p.x(), p.y()) : input_.OnRButtonUp(flags, p.x(), p.y());
    } else {
        return;
    }
    if (down) view_.setFocus(Qt::MouseFocusReason);
    onHover(e.position().toPoint());
    afterInput_();
}

void PanelInputAdapter::onWheel(QWheelEvent& e) {
    const QPoint angle = e.angleDelta();
    // Horizontal turns (tilt wheels, two-finger sideways swipes) turn nothing on the panel.
    if (angle.y() == 0) return;
    const int32_t notches = notches_.add(angle.y());
    if (notches == 0) return;
    const QPoint p = view_.toPanel(e.position().toPoint());
    const uint32_t flags = mouseFlags(e.buttons(), e.modifiers());
    const int32_t delta =
        notches > 0 ? WheelNotches::kUnitsPerNotch : -WheelNotches::kUnitsPerNotch;
    for (int32_t i = 0; i < (notches > 0 ? notches : -notches); ++i)
        input_.OnMouseWheel(flags, delta, p.x(), p.y());
    afterInput_();
}

void PanelInputAdapter::onHover(QPoint widgetPos) {
    // A dial or knob being dragged keeps the closed hand wherever the pointer goes.
    const bool dragging = knobPlaceOf(input_.activeCode()) != nullptr &&
                          (QGuiApplication::mouseButtons() & Qt::LeftButton);
    const QPoint p = view_.toPanel(widgetPos);
    view_.setCursor(dragging ? Qt::ClosedHandCursor
                             : shapeFor(input_.controlAt({p.x(), p.y()}).kind));
}

void PanelInputAdapter::onToolTip(QHelpEvent& e) {
    const QPoint p = view_.toPanel(e.pos());
    const ControlAt at = input_.controlAt({p.x(), p.y()});
    if (at.tooltip.empty()) {
        QToolTip::hideText();
        e.ignore();
        return;
    }
    QToolTip::showText(e.globalPos(), QString::fromStdString(at.tooltip), &view_);
}

}  // namespace velmora::gui
