#include "gui/QtEqualizerTimers.h"

namespace velmora::gui {

void QtEqualizerTimers::setTimer(int id, int ms) {
    QTimer*& t = timers_[id];
    if (!t) {
        t = new QTimer(owner_);
        QObject::connect(t, &QTimer::timeout, owner_, [this, id] { fired_(id); });
    }
    t->start(ms);
}

void QtEqualizerTimers::killTimer(int id) {
    const auto it = timers_.find(id);
    if (it != timers_.end()) it->second->stop();
}

bool QtEqualizerTimers::running(int id) const {
    const auto it = timers_.find(id);
    return it != timers_.end() && it->second->isActive();
}

}  // namespace velmora::gui
