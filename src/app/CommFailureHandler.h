#pragma once
// WM_COMM_FAILURE on the main window: lParam names the failure text; an entry that is not
// enabled shows nothing. With wParam set the text is always shown. Without it, it is shown only
// while no other such box is open, and the message-box flag stays set while it is: OpenPort
// refuses to open the port meanwhile, so a burst of open failures shows one box.
#include <cstdint>
#include <string_view>

namespace velmora {

class FailurePresenter;
struct MainWindowFlags;

class CommFailureHandler {
  public:
    CommFailureHandler(MainWindowFlags& flags, FailurePresenter& presenter)
        : flags_(flags), presenter_(presenter) {}

    // Returns whether a text was shown; detail, when given, follows the text on its own line.
    bool handle(uintptr_t wParam, intptr_t lParam, std::string_view detail = {});
    // The start-up's own box (CommSetting.csv unreadable): shown when entry lParam is enabled,
    // with detail (the file's full path) on a line of its own after the text.
    bool showAtStart(intptr_t lParam, std::string_view detail = {});

  private:
    MainWindowFlags& flags_;
    FailurePresenter& presenter_;
};

}  // namespace velmora
