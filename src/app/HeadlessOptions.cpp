#include "app/HeadlessOptions.h"

#include <cerrno>
#include <cstdlib>
#include <string_view>

#include "rigctl/ListenAddress.h"

namespace velmora {

const char* const kHeadlessUsage =
    "Usage: velmora [--headless] [--simulate] [--port PATH] [--connect] [--quiet]\n"
    "               [--log FILE] [--dump-state FILE] [--exit-after-read] [--duration MS]\n"
    "               [--drift RATE] [--config-dir DIR] [--rigctld [ADDR:]PORT]\n"
    "               [--flrig [ADDR:]PORT] [--version] [--help]\n"
    "Remote control of the Aldren transceiver over its CAT port.\n"
    "  --headless         run without a window, printing link events to the console\n"
    "  --simulate         serve the simulated radio in-process and use it as the port\n"
    "                     (implies --connect)\n"
    "  --port PATH        use this device for this run\n"
    "  --connect          press the COM key once at start (auto-information on)\n"
    "  --quiet            print nothing but failures on stderr\n"
    "  --log FILE         write '<ms> TX <command>' and '<ms> RX <answer>' lines\n"
    "  --dump-state FILE  write the whole store as JSON at exit\n"
    "  --exit-after-read  exit 0 once the reads are complete (every answer in), 2 when\n"
    "                     answers are still missing after asking again or the link fails\n"
    "  --duration MS      exit after MS milliseconds (at most a week)\n"
    "  --drift RATE       --simulate: the radio's meters and knobs change RATE times a second\n"
    "  --config-dir DIR   keep the settings (CommoFiles/) in DIR; by default they live in\n"
    "                     $XDG_CONFIG_HOME/velmora (~/.config/velmora), or in the current\n"
    "                     directory when a CommoFiles folder is there\n"
    "  --rigctld [ADDR:]PORT  serve the radio to other programs in the rigctld network\n"
    "                     protocol (127.0.0.1 when no address; no authentication)\n"
    "  --flrig [ADDR:]PORT  the same in the XML-RPC protocol (port 12345 is the usual one)\n"
    "  --version          print the version and exit\n"
    "  --help             this text\n";

const char* const kVersionText = "velmora " VELMORA_VERSION "\n";

std::optional<HeadlessOptions> parseHeadlessOptions(int argc, const char* const* argv,
                                                    std::string* error) {
    HeadlessOptions o;
    auto fail = [&](std::string message) -> std::optional<HeadlessOptions> {
        if (error) *error = std::move(message);
        return std::nullopt;
    };
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= argc) return false;
            into = argv[++i];
            return !into.empty();
        };
        if (a == "--headless") {
            o.headless = true;
        } else if (a == "--simulate") {
            o.simulate = o.connect = true;
        } else if (a == "--connect") {
            o.connect = true;
        } else if (a == "--quiet") {
            o.quiet = true;
        } else if (a == "--exit-after-read") {
            o.exitAfterRead = true;
        } else if (a == "--help" || a == "-h") {
            o.help = true;
        } else if (a == "--version") {
            o.version = true;
        } else if (a == "--port") {
            if (!value(o.port)) return fail("--port needs a device path");
        } else if (a == "--config-dir") {
            if (!value(o.configDir)) return fail("--config-dir needs a folder");
        } else if (a == "--log") {
            if (!value(o.logFile)) return fail("--log needs a file name");
        } else if (a == "--rigctld") {
            if (!value(o.rigctld) || !rigctl::parseListenAddress(o.rigctld))
                return fail("--rigctld needs [ADDR:]PORT");
        } else if (a == "--flrig") {
            if (!value(o.flrig) || !rigctl::parseListenAddress(o.flrig))
                return fail("--flrig needs [ADDR:]PORT");
        } else if (a == "--dump-state") {
            if (!value(o.dumpStateFile)) return fail("--dump-state needs a file name");
        } else if (a == "--duration") {
            std::string ms;
            char* end = nullptr;
            if (!value(ms)) return fail("--duration needs milliseconds");
            errno = 0;
            o.durationMs = std::strtol(ms.c_str(), &end, 10);
            if (*end != '\0' || o.durationMs < 0 || errno == ERANGE ||
                o.durationMs > kMaxDurationMs)
                return fail("--duration needs milliseconds, at most " +
                            std::to_string(kMaxDurationMs) + " (a week)");
        } else if (a == "--drift") {
            std::string rate;
            char* end = nullptr;
            if (!value(rate)) return fail("--drift needs changes per second");
            o.drift = std::strtod(rate.c_str(), &end);
            if (*end != '\0' || !(o.drift >= 0)) return fail("--drift needs changes per second");
        } else {
            return fail("unknown option " + std::string(a));
        }
    }
    if (o.simulate && !o.port.empty()) return fail("--simulate and --port exclude each other");
    return o;
}

}  // namespace velmora
