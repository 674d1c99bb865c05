#pragma once
// "The main window" for the Qt program: window messages posted from any thread are queued to the
// GUI thread's event loop and served there in order of arrival, and each id-keyed timer is a
// QTimer on the GUI thread. Worker threads reach the window only through this object; they never
// touch a widget.
#include <QObject>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <functional>
#include <map>

#include "link/WindowHost.h"

namespace velmora::gui {

class QtWindowHost : public QObject, public WindowHost {
    Q_OBJECT
  public:
    using MessageHandler = std::function<void(uint32_t id, uintptr_t wParam, intptr_t lParam)>;
    using TimerHandler = std::function<void(int id)>;

    // How long send() from another thread waits for the GUI thread; the message is still
    // delivered afterwards, as a post.
    static constexpr std::chrono::milliseconds kSendWait{2000};
    // Periods below this need a precise timer: Qt's coarse timers may be 5 % late.
    static constexpr int kPreciseBelowMs = 20;

    QtWindowHost();
    ~QtWindowHost() override;

    // Set on the GUI thread before the first message can arrive.
    void setMessageHandler(MessageHandler handler) { onMessage_ = std::move(handler); }
    void setTimerHandler(TimerHandler handler) { onTimer_ = std::move(handler); }

    void post(uint32_t id, uintptr_t wParam, intptr_t lParam) override;
    void send(uint32_t id, uintptr_t wParam, intptr_t lParam) override;
    void setTimer(int id, int ms) override;
    void killTimer(int id) override;

    // From now on send() from other threads only posts: the GUI thread is about to stop serving
    // and shut the threads down, and must not be waited for.
    void stopWaiting() { closing_.store(true, std::memory_order_release); }

    // GUI thread only.
    bool isTimerActive(int id) const;
    int timerInterval(int id) const;

  protected:
    bool event(QEvent* e) override;

  private:
    bool onGuiThread() const;
    void startTimerNow(int id, int ms);
    void stopTimerNow(int id);
    void deliver(uint32_t id, uintptr_t wParam, intptr_t lParam);

    MessageHandler onMessage_;
    TimerHandler onTimer_;
    std::map<int, QTimer*> timers_;  // GUI thread only; owned as children of this object
    std::atomic<bool> closing_{false};
};

}  // namespace velmora::gui
