#pragma once
// The window's own options of `velmora`; the rest of the command line is the shell's.
#include <optional>
#include <string>
#include <vector>

namespace velmora::gui {

struct GuiOptions {
    std::string screenshotFile;  // --screenshot FILE: write the back buffer and exit
    long screenshotAfterMs = 3000;
    bool splash = true;  // --no-splash (also off with --screenshot)
    std::string skinDir;
    double zoom = 1.0;              // --zoom F: the panel shown F times its size (0.5 to 4)
    std::vector<std::string> rest;  // argv[0] and the options left for the shell
};

// Takes the window's options out of the command line; nothing, with error set, when one is
// malformed.
std::optional<GuiOptions> takeGuiOptions(int argc, const char* const* argv, std::string* error);

extern const char* const kGuiUsage;

// Whether a window can be shown: a display to talk to, or a platform chosen by hand.
bool displayAvailable();

}  // namespace velmora::gui
