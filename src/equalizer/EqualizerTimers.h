#pragma once
// The equalizer window's own timers (ids timer::EQ_*): re-setting an id restarts it. The Qt window
// runs them on QTimers; tests fire them by hand.
namespace velmora::equalizer {

class EqualizerTimers {
  public:
    virtual ~EqualizerTimers() = default;
    virtual void setTimer(int id, int ms) = 0;
    virtual void killTimer(int id) = 0;
};

}  // namespace velmora::equalizer
