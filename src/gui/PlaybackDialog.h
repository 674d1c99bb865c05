#pragma once
// Playback (dialog 895): the voice memories' REC and PLAY keys, the audio recorder's keys, and
// the REC and PLAY indicators, which follow the radio's information flags.
#include <QLabel>

#include "gui/OptionWindow.h"
#include "windows/PlaybackWindow.h"

namespace velmora {
class RadioStateStore;
}

namespace velmora::gui {

class PlaybackDialog : public OptionWindow {
    Q_OBJECT
  public:
    PlaybackDialog(QWidget* parent, WindowHost& mainWindow, RadioStateStore& store);
    void relay(uint32_t id, uintptr_t wParam, intptr_t lParam) override;

  private:
    void showIndicators();

    PlaybackWindow logic_;
    QLabel* rec_;
    QLabel* play_;
};

}  // namespace velmora::gui
