#pragma once
// `velmora` with its window: the application shell on the Qt window host, the main window as its
// failure presenter's parent, optionally against the simulated radio in-process.
#include <atomic>

#include "app/HeadlessOptions.h"
#include "gui/GuiOptions.h"

namespace velmora::gui {

// Runs the window until it is closed, stop is set, the duration passes or the screenshot is
// written. Returns the exit code: 0, 1 for a start that failed or a screenshot not written.
int runWindow(const HeadlessOptions& options, const GuiOptions& gui, const std::atomic<bool>& stop);

}  // namespace velmora::gui
