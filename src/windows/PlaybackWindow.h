#pragma once
// The Playback window's logic (dialog 895): the voice memory and audio recorder buttons, each a
// panel action, and the REC and PLAY indicators that follow the radio's information flags.
#include <cstdint>
#include <span>

#include "windows/WindowColours.h"

namespace velmora {

class RadioStateStore;

struct PlaybackButton {
    int control;        // the dialog control's id
    const char* group;  // the box it sits in
    const char* row;    // the row of the box: "REC" or "PLAY"
    const char* label;
    int action;  // its panel action
};

struct PlaybackIndicators {
    Rgb rec, play;  // backgrounds of the "REC" and "PLAY" fields
};

class PlaybackWindow {
  public:
    explicit PlaybackWindow(RadioStateStore& store) : store_(store) {}

    static std::span<const PlaybackButton> buttons();
    // Posts the action of the button with this control id; false for an unknown id.
    bool press(int control);
    // The indicator colours from the stored information flags.
    PlaybackIndicators indicators() const;

  private:
    RadioStateStore& store_;
};

}  // namespace velmora
