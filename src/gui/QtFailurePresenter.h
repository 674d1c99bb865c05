#pragma once
// The link's failure texts in the window: a modal message box titled like the main window. The
// box runs its own event loop, so the window keeps drawing and serving messages while it is
// open; the caller's one-box rule decides whether a second failure opens another.
#include <QString>
#include <QWidget>
#include <functional>

#include "app/FailurePresenter.h"

namespace velmora::gui {

class QtFailurePresenter : public FailurePresenter {
  public:
    // The window the boxes belong to; may be null before it exists (the string-108 box at start).
    void setParent(QWidget* parent) { parent_ = parent; }
    // Called after every box has closed (tests count boxes with it).
    void setShownHook(std::function<void(int stringId)> hook) { shown_ = std::move(hook); }

    // Unattended runs (--screenshot) print failures on stderr instead of waiting for a click.
    void setUnattended(bool on) { unattended_ = on; }

    void showFailure(int stringId, std::string_view text) override;
    int shown() const { return shown_count_; }

  private:
    QWidget* parent_ = nullptr;
    std::function<void(int)> shown_;
    int shown_count_ = 0;
    bool unattended_ = false;
};

}  // namespace velmora::gui
