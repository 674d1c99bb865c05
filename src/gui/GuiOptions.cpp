#include "gui/GuiOptions.h"

#include <cstdlib>
#include <string_view>

namespace velmora::gui {

const char* const kGuiUsage =
    "window options:\n"
    "  --screenshot FILE  run, write the panel as PNG after --after MS (3000), and exit\n"
    "  --after MS         when --screenshot writes the panel\n"
    "  --no-splash        do not show the start-up picture\n"
    "  --skin DIR         panel pictures from DIR (files named by id, PNG or BMP)\n"
    "  --zoom F           show the panel F times its size, 0.5 to 4 (1.5 on a HiDPI screen)\n";

std::optional<GuiOptions> takeGuiOptions(int argc, const char* const* argv, std::string* error) {
    GuiOptions o;
    auto fail = [&](const char* message) -> std::optional<GuiOptions> {
        if (error) *error = message;
        return std::nullopt;
    };
    for (int i = 0; i < argc; ++i) {
        const std::string_view a = argv[i];
        const bool hasValue = i + 1 < argc && argv[i + 1][0] != '\0';
        if (i > 0 && a == "--screenshot") {
            if (!hasValue) return fail("--screenshot needs a file name");
            o.screenshotFile = argv[++i];
            o.splash = false;
        } else if (i > 0 && a == "--after") {
            char* end = nullptr;
            if (!hasValue) return fail("--after needs milliseconds");
            o.screenshotAfterMs = std::strtol(argv[++i], &end, 10);
            if (*end != '\0' || o.screenshotAfterMs < 0) return fail("--after needs milliseconds");
        } else if (i > 0 && a == "--no-splash") {
            o.splash = false;
        } else if (i > 0 && a == "--skin") {
            if (!hasValue) return fail("--skin needs a folder");
            o.skinDir = argv[++i];
        } else if (i > 0 && a == "--zoom") {
            char* end = nullptr;
            if (!hasValue) return fail("--zoom needs a factor from 0.5 to 4");
            o.zoom = std::strtod(argv[++i], &end);
            if (*end != '\0' || !(o.zoom >= 0.5 && o.zoom <= 4))
                return fail("--zoom needs a factor from 0.5 to 4");
        } else {
            o.rest.emplace_back(a);
        }
    }
    return o;
}

bool displayAvailable() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* v = std::getenv(name);
        if (v && *v) return true;
    }
    return false;
}

}  // namespace velmora::gui
