#pragma once
// The equalizer window's timers on QTimers, one per id, repeating until killed like the window
// timers they stand for. GUI thread only.
#include <QObject>
#include <QTimer>
#include <functional>
#include <map>

#include "equalizer/EqualizerTimers.h"

namespace velmora::gui {

class QtEqualizerTimers : public equalizer::EqualizerTimers {
  public:
    QtEqualizerTimers(QObject* owner, std::function<void(int)> fired)
        : owner_(owner), fired_(std::move(fired)) {}

    void setTimer(int id, int ms) override;
    void killTimer(int id) override;
    bool running(int id) const;

  private:
    QObject* owner_;
    std::function<void(int)> fired_;
    std::map<int, QTimer*> timers_;  // children of owner_
};

}  // namespace velmora::gui
