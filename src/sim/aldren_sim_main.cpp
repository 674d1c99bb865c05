// aldren-sim: the simulated Aldren transceiver on a pseudo-terminal, with an operator console on
// stdin.
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "sim/PtyTransport.h"
#include "sim/SimConsole.h"
#include "sim/SimulatedRadio.h"
#include "sim/Transcript.h"

namespace {

using namespace velmora::sim;

std::atomic<bool> gQuit{false};
std::atomic<bool> gDumpRequested{false};

extern "C" void onQuitSignal(int) {
    gQuit.store(true);
}
extern "C" void onDumpSignal(int) {
    gDumpRequested.store(true);
}

struct Settings {
    SimOptions sim;
    PtyOptions pty;
    std::string transcriptPath, statePath;
};

const char* kUsage =
    "Usage: aldren-sim [options]\n"
    "Serves a simulated Aldren transceiver on a pseudo-terminal and prints the device path.\n"
    "Point the controller (or any CAT client) at that path, or at the --link path.\n\n"
    "  --link PATH              also make PATH a symlink to the device\n"
    "  --baud N                 pace output at N bit/s, 11 bits per character (default: unpaced)\n"
    "  --id NNNN                identify as NNNN instead of 0362\n"
    "  --power-on-delay MS      time from \"PS1;\" to the radio being on (default 1000)\n"
    "  --drift RATE             meter changes per second (default 0: still meters)\n"
    "  --silence-after N        no output after N commands\n"
    "  --silence-for MS         ... for MS milliseconds only (default: for good)\n"
    "  --noise RATE             random noise bytes per second between answers\n"
    "  --split N                write every answer in N pieces\n"
    "  --split-gap MS           ... MS milliseconds apart\n"
    "  --refuse FRACTION        answer \"?;\" to this fraction of commands\n"
    "  --refuse-code CODE       answer \"?;\" to every command with this two-letter code\n"
    "  --disconnect-after MS    close the line MS milliseconds after start\n"
    "  --seed N                 seed of the random faults and meter drift\n"
    "  --transcript FILE, --log FILE\n"
    "                           log every chunk: '<ms> > bytes' to the radio, '<ms> < bytes' from "
    "it\n"
    "  --dump-state FILE, --state-out FILE\n"
    "                           write the radio state as JSON at exit and on SIGUSR1\n"
    "  --version                print the version and exit\n"
    "  --help                   this text\n\n";

bool parseArgs(int argc, char** argv, Settings& s) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--help" || a == "-h") {
            std::cout << kUsage << SimConsole::helpText();
            std::exit(0);
        }
        if (a == "--version") {
            std::cout << "aldren-sim " VELMORA_VERSION "\n";
            std::exit(0);
        }
        if (i + 1 >= argc) return false;
        const std::string v = argv[++i];
        char* end = nullptr;
        const double num = std::strtod(v.c_str(), &end);
        const bool numeric = end && *end == '\0' && !v.empty();
        FaultPlan& f = s.sim.faults;
        if (a == "--link")
            s.pty.linkPath = v;
        else if (a == "--id" && v.size() == 4)
            s.sim.identification = v;
        else if (a == "--transcript" || a == "--log")
            s.transcriptPath = v;
        else if (a == "--dump-state" || a == "--state-out")
            s.statePath = v;
        else if (a == "--refuse-code" && v.size() == 2)
            f.refuseCode = v;
        else if (!numeric || num < 0)
            return false;
        else if (a == "--baud")
            s.pty.baud = static_cast<int>(num);
        else if (a == "--power-on-delay")
            s.sim.powerOnDelayMs = static_cast<int64_t>(num);
        else if (a == "--drift")
            s.sim.meterDriftPerSecond = num;
        else if (a == "--silence-after")
            f.silenceAfterCommands = static_cast<int>(num);
        else if (a == "--silence-for")
            f.silenceForMs = static_cast<int64_t>(num);
        else if (a == "--noise")
            f.noiseBytesPerSecond = num;
        else if (a == "--split")
            f.splitPieces = static_cast<int>(num);
        else if (a == "--split-gap")
            f.splitGapMs = static_cast<int>(num);
        else if (a == "--refuse" && num <= 1)
            f.refuseFraction = num;
        else if (a == "--disconnect-after")
            f.disconnectAfterMs = static_cast<int64_t>(num);
        else if (a == "--seed")
            f.seed = static_cast<uint64_t>(num);
        else
            return false;
    }
    return true;
}

void writeState(const SimulatedRadio& radio, const std::string& path) {
    if (path.empty()) return;
    std::ofstream out(path, std::ios::trunc);
    out << radio.stateJson();
    if (!out) std::cerr << "aldren-sim: cannot write " << path << "\n";
}

void installSignals() {
    struct sigaction quit {};
    quit.sa_handler = onQuitSignal;
    sigaction(SIGINT, &quit, nullptr);
    sigaction(SIGTERM, &quit, nullptr);
    struct sigaction dump {};
    dump.sa_handler = onDumpSignal;
    sigaction(SIGUSR1, &dump, nullptr);
}

// Reads console lines from stdin until "quit" or a quit signal. At the end of stdin the radio
// keeps running until a signal arrives.
void consoleLoop(SimConsole& console, const SimulatedRadio& radio, const std::string& statePath) {
    bool stdinOpen = true;
    std::string pending;
    while (!gQuit.load()) {
        if (gDumpRequested.exchange(false)) writeState(radio, statePath);
        pollfd in{STDIN_FILENO, POLLIN, 0};
        if (poll(&in, stdinOpen ? 1 : 0, 200) <= 0 || !(in.revents & (POLLIN | POLLHUP))) continue;
        char buf[512];
        const ssize_t n = read(STDIN_FILENO, buf, sizeof buf);
        if (n <= 0) {
            stdinOpen = false;
            continue;
        }
        pending.append(buf, static_cast<size_t>(n));
        for (size_t eol; (eol = pending.find('\n')) != std::string::npos;) {
            const SimConsole::Reply reply = console.execute(pending.substr(0, eol));
            pending.erase(0, eol + 1);
            if (!reply.text.empty())
                std::cout << reply.text << (reply.text.back() == '\n' ? "" : "\n") << std::flush;
            if (reply.quit) return;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    Settings s;
    if (!parseArgs(argc, argv, s)) {
        std::cerr << kUsage;
        return 2;
    }
    Transcript transcript(false);
    if (!s.transcriptPath.empty()) {
        if (!transcript.openFile(s.transcriptPath)) {
            std::cerr << "aldren-sim: cannot write " << s.transcriptPath << "\n";
            return 1;
        }
        s.pty.transcript = &transcript;
    }
    SimulatedRadio radio(s.sim);
    PtyTransport transport(radio, s.pty);
    std::string error;
    if (!transport.start(&error)) {
        std::cerr << "aldren-sim: " << error << "\n";
        return 1;
    }
    installSignals();
    std::cout << transport.slavePath() << std::endl;
    if (!s.pty.linkPath.empty()) std::cerr << "aldren-sim: linked as " << s.pty.linkPath << "\n";
    SimConsole console(radio, &transport);
    consoleLoop(console, radio, s.statePath);
    transport.stop();
    writeState(radio, s.statePath);
    return 0;
}
