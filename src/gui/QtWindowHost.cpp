#include "gui/QtWindowHost.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace velmora::gui {

namespace {

const QEvent::Type kMessageEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

// Lets a sender on another thread learn that its message has been served.
struct Completion {
    std::mutex mutex;  // guards done
    std::condition_variable cv;
    bool done = false;
    void signal() {
        {
            std::lock_guard lock(mutex);
            done = true;
        }
        cv.notify_all();
    }
};

class MessageEvent : public QEvent {
  public:
    MessageEvent(uint32_t id, uintptr_t w, intptr_t l, std::shared_ptr<Completion> completion)
        : QEvent(kMessageEvent), id(id), wParam(w), lParam(l), completion(std::move(completion)) {}
    ~MessageEvent() override {
        // Also when the event is dropped unserved at exit: the sender must not wait for nothing.
        if (completion) completion->signal();
    }
    const uint32_t id;
    const uintptr_t wParam;
    const intptr_t lParam;
    std::shared_ptr<Completion> completion;
};

}  // namespace

QtWindowHost::QtWindowHost() = default;

QtWindowHost::~QtWindowHost() {
    closing_.store(true, std::memory_order_release);
}

bool QtWindowHost::onGuiThread() const {
    return QThread::currentThread() == thread();
}

void QtWindowHost::post(uint32_t id, uintptr_t wParam, intptr_t lParam) {
    QCoreApplication::postEvent(this, new MessageEvent(id, wParam, lParam, nullptr));
}

void QtWindowHost::send(uint32_t id, uintptr_t wParam, intptr_t lParam) {
    if (onGuiThread()) {
        deliver(id, wParam, lParam);
        return;
    }
    if (closing_.load(std::memory_order_acquire)) {
        post(id, wParam, lParam);
        return;
    }
    auto completion = std::make_shared<Completion>();
    QCoreApplication::postEvent(this, new MessageEvent(id, wParam, lParam, completion));
    // In slices, so that a shutdown that starts meanwhile is noticed soon.
    const auto deadline = std::chrono::steady_clock::now() + kSendWait;
    std::unique_lock lock(completion->mutex);
    while (!completion->done && !closing_.load(std::memory_order_acquire) &&
           std::chrono::steady_clock::now() < deadline)
        completion->cv.wait_for(lock, std::chrono::milliseconds(50));
}

bool QtWindowHost::event(QEvent* e) {
    if (e->type() != kMessageEvent) return QObject::event(e);
    auto* m = static_cast<MessageEvent*>(e);
    deliver(m->id, m->wParam, m->lParam);
    if (m->completion) {
        m->completion->signal();
        m->completion.reset();
    }
    return true;
}

void QtWindowHost::deliver(uint32_t id, uintptr_t wParam, intptr_t lParam) {
    if (onMessage_) onMessage_(id, wParam, lParam);
}

void QtWindowHost::setTimer(int id, int ms) {
    if (onGuiThread()) {
        startTimerNow(id, ms);
    } else {
        // Queued behind the messages this thread has posted, so the order of calls holds.
        QMetaObject::invokeMethod(
            this, [this, id, ms] { startTimerNow(id, ms); }, Qt::QueuedConnection);
    }
}

void QtWindowHost::killTimer(int id) {
    if (onGuiThread()) {
        stopTimerNow(id);
    } else {
        QMetaObject::invokeMethod(
            this, [this, id] { stopTimerNow(id); }, Qt::QueuedConnection);
    }
}

void QtWindowHost::startTimerNow(int id, int ms) {
    QTimer*& t = timers_[id];
    if (!t) {
        t = new QTimer(this);
        connect(t, &QTimer::timeout, this, [this, id] {
            if (onTimer_) onTimer_(id);
        });
    }
    t->setTimerType(ms < kPreciseBelowMs ? Qt::PreciseTimer : Qt::CoarseTimer);
    t->start(ms);
}

void QtWindowHost::stopTimerNow(int id) {
    if (auto it = timers_.find(id); it != timers_.end()) it->second->stop();
}

bool QtWindowHost::isTimerActive(int id) const {
    auto it = timers_.find(id);
    return it != timers_.end() && it->second->isActive();
}

int QtWindowHost::timerInterval(int id) const {
    auto it = timers_.find(id);
    return it == timers_.end() ? -1 : it->second->interval();
}

}  // namespace velmora::gui
