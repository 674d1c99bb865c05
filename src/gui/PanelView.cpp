#include "gui/PanelView.h"

#include <QPaintEvent>
#include <QPainter>

namespace velmora::gui {

PanelView::PanelView(const QImage& backBuffer, QWidget* parent)
    : QWidget(parent), buffer_(backBuffer) {
    // Down to half size (--zoom 0.5); a larger window scales it up.
    setMinimumSize(buffer_.size() / 2);
    // Every pixel comes from the back buffer: nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    // The function keys reach the panel only when it has the focus.
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAccessibleName("Aldren front panel");
    setAccessibleDescription(
        "The radio's front panel: click keys, drag or wheel knobs and the dial");
}

QRect PanelView::panelRect() const {
    const QSize fitted = buffer_.size().scaled(size(), Qt::KeepAspectRatio);
    return {QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted};
}

QPoint PanelView::toPanel(QPoint widgetPos) const {
    const QRect r = panelRect();
    if (r.isEmpty()) return widgetPos;
    // Floor, not truncation: a margin pixel just left of or above the panel stays outside it.
    const auto scale = [](int offset, int panel, int shown) {
        const long long n = static_cast<long long>(offset) * panel;
        return static_cast<int>(n >= 0 ? n / shown : -((-n + shown - 1) / shown));
    };
    return {scale(widgetPos.x() - r.x(), buffer_.width(), r.width()),
            scale(widgetPos.y() - r.y(), buffer_.height(), r.height())};
}

void PanelView::updatePanelArea(const QRect& area) {
    const QRect r = panelRect();
    if (r.size() == buffer_.size()) return update(area.translated(r.topLeft()));
    // Scaled: the area's edges rounded outward, and a pixel more for the smoothing.
    const double sx = double(r.width()) / buffer_.width(),
                 sy = double(r.height()) / buffer_.height();
    const QRect shown(QPoint(r.x() + int(area.left() * sx) - 1, r.y() + int(area.top() * sy) - 1),
                      QPoint(r.x() + int((area.right() + 1) * sx) + 1,
                             r.y() + int((area.bottom() + 1) * sy) + 1));
    update(shown);
}

void PanelView::paintEvent(QPaintEvent* e) {
    ++paints_;
    QPainter p(this);
    const QRect r = panelRect();
    if (r.size() != size()) p.fillRect(rect(), Qt::black);
    if (r.size() == buffer_.size()) {
        // Only the part asked for: a meter's update is a few pixels of the panel.
        const QRect part = e->rect() & r;
        p.drawImage(part.topLeft(), buffer_, part.translated(-r.topLeft()));
    } else {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(r, buffer_);
    }
}

void PanelView::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (shown_) shown_();
}

}  // namespace velmora::gui
