#pragma once
// The command line of `velmora`.
#include <optional>
#include <string>

namespace velmora {

// The longest --duration: a week (a longer run is one without a limit).
inline constexpr long kMaxDurationMs = 7L * 24 * 3600 * 1000;

struct HeadlessOptions {
    bool headless = false;
    bool simulate = false;  // the simulated radio in-process on a pseudo-terminal; implies connect
    bool connect = false;   // press the COM key once at start
    bool quiet = false;
    bool exitAfterRead = false;
    bool help = false;
    bool version = false;
    std::string port;           // this device for this run
    std::string logFile;        // TX/RX lines
    std::string dumpStateFile;  // the store as JSON at exit
    std::string configDir;      // the settings folder instead of the usual one
    long durationMs = -1;       // run this long; -1 until interrupted (or the read completes)
    double drift = 0;           // the simulated radio's meter changes per second
    std::string rigctld;        // [ADDR:]PORT of the rigctld network server; empty: off
    std::string flrig;          // [ADDR:]PORT of the XML-RPC server; empty: off
};

// The options, or nothing with a message in error.
std::optional<HeadlessOptions> parseHeadlessOptions(int argc, const char* const* argv,
                                                    std::string* error);

extern const char* const kHeadlessUsage;

// "velmora <version>" and a line feed.
extern const char* const kVersionText;

}  // namespace velmora
