// velmora: the controller. The window by default; --headless (or a machine without a display)
// runs the link with the console instead.
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/HeadlessOptions.h"
#include "app/HeadlessProgram.h"
#ifdef VELMORA_HAS_GUI
#include "gui/GuiOptions.h"
#include "gui/GuiProgram.h"
#endif

namespace {

std::atomic<bool> gStop{false};

extern "C" void onSignal(int) {
    gStop.store(true, std::memory_order_release);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<const char*> args(argv, argv + argc);
#ifdef VELMORA_HAS_GUI
    std::string guiError;
    const auto gui = velmora::gui::takeGuiOptions(argc, argv, &guiError);
    if (!gui) {
        std::fprintf(stderr, "velmora: %s\n", guiError.c_str());
        return 1;
    }
    args.clear();
    for (const std::string& a : gui->rest) args.push_back(a.c_str());
#endif
    std::string error;
    auto options =
        velmora::parseHeadlessOptions(static_cast<int>(args.size()), args.data(), &error);
    if (!options) {
        std::fprintf(stderr, "velmora: %s\n%s", error.c_str(), velmora::kHeadlessUsage);
        return 1;
    }
    if (options->version) {
        std::fputs(velmora::kVersionText, stdout);
        return 0;
    }
    if (options->help) {
        std::fputs(velmora::kHeadlessUsage, stdout);
#ifdef VELMORA_HAS_GUI
        std::fputs(velmora::gui::kGuiUsage, stdout);
#endif
        return 0;
    }
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    // A closed terminal ends the run like a termination request: port closed, settings kept.
    std::signal(SIGHUP, onSignal);
    // Output into a pipe whose reader has gone (velmora ... | head) fails with EPIPE instead of
    // killing the program with nothing saved; the console then stops writing.
    std::signal(SIGPIPE, SIG_IGN);
#ifdef VELMORA_HAS_GUI
    if (!options->headless) {
        // A screenshot needs no screen: it is drawn offscreen.
        if (!gui->screenshotFile.empty() && !velmora::gui::displayAvailable())
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        if (velmora::gui::displayAvailable()) return velmora::gui::runWindow(*options, *gui, gStop);
        std::fprintf(stderr,
                     "velmora: no display (DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM "
                     "are unset); running headless\n");
    }
#else
    if (!options->headless)
        std::fprintf(stderr, "velmora: built without the window; running headless\n");
#endif
    return velmora::runHeadless(*options, stdout, stderr, gStop);
}
