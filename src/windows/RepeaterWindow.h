#pragma once
// The Repeater window's logic (dialog 898): CTCSS mode, tone and repeater shift of the VFO that
// was the operator's target when the window opened. The displays show the stored values at once
// and follow both the CT/CN/OS answers and the tone fields of the target's status answer (IF for
// VFO-A, OI for VFO-B), which is what the opening read brings back.
#include <cstdint>
#include <string>

namespace velmora {

class RadioStateStore;

enum class RepeaterKey : uint8_t { Off, Enc, Sql, Simplex, Plus, Minus };

struct RepeaterTexts {
    std::string target, mode, tone, shift;
};

class RepeaterWindow {
  public:
    explicit RepeaterWindow(RadioStateStore& store);

    // Asks the radio for the target's status.
    void open();
    // A relayed notification; true when a display changed its source.
    bool onNotification(uint32_t id);
    void press(RepeaterKey key);
    // The tone list's OK with a tone chosen.
    void chooseTone(int32_t tone);

    uint8_t target() const { return target_; }
    int32_t storedTone() const { return tone_; }
    RepeaterTexts texts() const;

  private:
    void post(int action, bool carriesValue, int32_t value);
    void showStored();
    void showStatus();

    RadioStateStore& store_;
    uint8_t target_;
    int32_t mode_ = 0, tone_ = 0, shift_ = 0;
};

}  // namespace velmora
