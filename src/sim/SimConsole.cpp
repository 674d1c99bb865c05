#include "sim/SimConsole.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <vector>

#include "sim/MenuField.h"
#include "sim/PtyTransport.h"
#include "sim/SetCommands.h"
#include "sim/SimMenu.h"
#include "sim/SimpleSettingTable.h"

namespace velmora::sim {

namespace {

constexpr int kDialStepMenuItem = 143;

std::vector<std::string> words(std::string_view line) {
    std::istringstream in{std::string(line)};
    std::vector<std::string> out;
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

bool toNumber(const std::string& text, int64_t& out) {
    if (text.empty()) return false;
    char* end = nullptr;
    out = std::strtoll(text.c_str(), &end, 10);
    return end && *end == '\0';
}

bool toDouble(const std::string& text, double& out) {
    char* end = nullptr;
    out = std::strtod(text.c_str(), &end);
    return !text.empty() && end && *end == '\0' && out >= 0;
}

// "a"/"main" is VFO-A and the main receiver, "b"/"sub" VFO-B and the sub receiver.
int receiverOf(const std::string& w) {
    if (w == "a" || w == "main") return kMain;
    if (w == "b" || w == "sub") return kSub;
    return -1;
}

// The line after its first `count` words and the blank after them, without trailing blanks.
std::string restAfterWords(std::string_view line, int count) {
    constexpr std::string_view kBlanks = " \t\r\n";
    size_t at = 0;
    for (int i = 0; i < count; ++i) {
        at = line.find_first_not_of(kBlanks, at);
        at = at == std::string_view::npos ? line.size() : line.find_first_of(kBlanks, at);
        if (at == std::string_view::npos) at = line.size();
    }
    std::string rest(line.substr(std::min(at + 1, line.size())));
    rest.erase(rest.find_last_not_of(kBlanks) + 1);
    return rest;
}

int onOff(const std::string& w) {
    if (w == "on" || w == "1") return 1;
    if (w == "off" || w == "0") return 0;
    return -1;
}

}  // namespace

namespace {
constexpr int64_t kLevelIndicatorMax = 11;
}  // namespace

const char* SimConsole::helpText() {
    return "Console commands (changes are reported on the line while auto-information is on):\n"
           "  freq a|b HZ        set VFO-A or VFO-B (30000-60000000 Hz)\n"
           "  dial +N|-N         turn the main dial N steps (menu item 143 sets the step)\n"
           "  mode a|b N         operating mode 0-13 of the main or sub receiver\n"
           "  tx on|off          transmit\n"
           "  power on|off       power switch (on takes the power-on delay)\n"
           "  smeter N [a|b]     S-meter reading 0-255 (main by default)\n"
           "  meter N            meter reading 0-255 (RM)\n"
           "  level N|off        the level indicator 0-11 on the clarifier bar (BG), or off\n"
           "  busy a|b on|off    receiver busy indicator\n"
           "  set CODE [a|b] N   a plain setting by its CAT code (AG, RG, SQ, NL, MG, PC, VG, PL,\n"
           "                     KS, KP, VD, MS, SH, NR, NA, MD...), within its range\n"
           "  clar a|b HZ        clarifier offset (-9999 to 9999 Hz)\n"
           "  rotator DEG [PCT]  rotator direction (0-450, past 359 the overlap) and speed\n"
           "  keyer N TEXT       keyer memory N (1-5) to TEXT (up to 50 characters)\n"
           "  tone a|b mode|number|shift N\n"
           "                     CTCSS mode (0-2), CTCSS tone (0-49) or repeater shift (0-2)\n"
           "  rec on|off         the voice recorder records (REC indicator)\n"
           "  play on|off        the voice recorder plays (PLAY indicator)\n"
           "  shift a|b HZ       IF shift (-1000 to 1000 Hz)\n"
           "  notch a|b N        manual notch on at N (0-400); off with -1\n"
           "  contour a|b F S    contour on with its two values (F 0-40, S 0-50); off with F -1\n"
           "  menu N VALUE       menu item N (1-177) to VALUE\n"
           "  drift RATE         meter changes per second (0 stops them)\n"
           "  silence MS         no output for MS milliseconds (0 ends a silence)\n"
           "  silence-after N    go silent after N more commands\n"
           "  noise RATE         noise bytes per second on the line (0 stops it)\n"
           "  split N [GAP]      write answers in N pieces GAP ms apart (1 stops it)\n"
           "  refuse FRACTION    answer \"?;\" to this fraction of commands (0-1)\n"
           "  refuse-code CODE   answer \"?;\" to every command with this code (off: none)\n"
           "  id NNNN            identify as NNNN\n"
           "  disconnect         close the line\n"
           "  state              print the radio state as JSON\n"
           "  help               this text\n"
           "  quit               leave\n";
}

SimConsole::Reply SimConsole::execute(std::string_view line) {
    const std::vector<std::string> w = words(line);
    if (w.empty()) return {};
    const std::string& cmd = w[0];
    int64_t n = 0;
    const Reply bad{"? unknown or malformed command; try help"};
    if (cmd == "help") return {helpText()};
    if (cmd == "quit" || cmd == "exit") return {"", true};
    if (cmd == "state") return {radio_.stateJson()};
    if (cmd == "freq" && w.size() == 3 && receiverOf(w[1]) >= 0 && toNumber(w[2], n)) {
        bool ok = true;
        radio_.frontPanel([&](RadioModel& m) { ok = m.setFrequency(receiverOf(w[1]), n); });
        return {ok ? "ok" : "? frequency out of range"};
    }
    if (cmd == "dial" && w.size() == 2 && toNumber(w[1], n)) {
        radio_.frontPanel([&](RadioModel& m) {
            static constexpr int64_t kSteps[] = {1, 5, 10};
            const int64_t choice = m.menu(kDialStepMenuItem);
            m.dial(kMain, n, choice >= 0 && choice < 3 ? kSteps[choice] : 10);
        });
        return {"ok"};
    }
    if (cmd == "mode" && w.size() == 3 && receiverOf(w[1]) >= 0 && toNumber(w[2], n) && n >= 0 &&
        n <= 13) {
        radio_.frontPanel(
            [&](RadioModel& m) { m.set("MD", receiverOf(w[1]), static_cast<int>(n)); });
        return {"ok"};
    }
    if (cmd == "tx" && w.size() == 2 && onOff(w[1]) >= 0) {
        radio_.frontPanel([&](RadioModel& m) { m.set("TX", 0, onOff(w[1])); });
        return {"ok"};
    }
    if (cmd == "power" && w.size() == 2 && onOff(w[1]) >= 0) {
        radio_.setPower(onOff(w[1]) == 1);
        return {"ok"};
    }
    if (cmd == "smeter" && (w.size() == 2 || w.size() == 3) && toNumber(w[1], n) && n >= 0 &&
        n <= 255) {
        const int rx = w.size() == 3 ? receiverOf(w[2]) : kMain;
        if (rx < 0) return bad;
        radio_.frontPanel([&](RadioModel& m) { m.set("SM", rx, static_cast<int>(n)); });
        return {"ok"};
    }
    if (cmd == "meter" && w.size() == 2 && toNumber(w[1], n) && n >= 0 && n <= 255) {
        radio_.frontPanel([&](RadioModel& m) { m.meter[0] = static_cast<int>(n); });
        return {"ok"};
    }
    if (cmd == "level" && w.size() == 2 &&
        (w[1] == "off" || (toNumber(w[1], n) && n >= 0 && n <= kLevelIndicatorMax))) {
        const bool off = w[1] == "off";
        radio_.frontPanel([&](RadioModel& m) {
            m.bgGroup = off ? 1 : 2;
            m.bgValue = off ? 0 : static_cast<int>(n);
        });
        return {"ok"};
    }
    if (cmd == "busy" && w.size() == 3 && receiverOf(w[1]) >= 0 && onOff(w[2]) >= 0) {
        radio_.frontPanel(
            [&](RadioModel& m) { m.busy[static_cast<size_t>(receiverOf(w[1]))] = onOff(w[2]); });
        return {"ok"};
    }
    if (cmd == "rotator" || cmd == "keyer" || cmd == "tone" || cmd == "rec" || cmd == "play")
        return executeOptions(w, line);
    return executeMenuAndFaults(w);
}

SimConsole::Reply SimConsole::executeOptions(const std::vector<std::string>& w,
                                             std::string_view line) {
    const std::string& cmd = w[0];
    const Reply bad{"? unknown or malformed command; try help"};
    const Reply range{"? out of range"};
    int64_t n = 0, v = 50;
    if (cmd == "rotator" && (w.size() == 2 || w.size() == 3) && toNumber(w[1], n) &&
        (w.size() == 2 || toNumber(w[2], v))) {
        if (n < 0 || n > 450 || v < 0 || v > 100) return range;
        radio_.frontPanel([&](RadioModel& m) {
            m.rotator.direction = static_cast<int>(n);
            if (w.size() == 3) m.rotator.speed = static_cast<int>(v);
        });
        return {"ok"};
    }
    if (cmd == "keyer" && w.size() >= 3 && toNumber(w[1], n) && n >= 1 && n <= kKeyerMemories) {
        // The text is the rest of the line as typed, inner spaces included.
        const std::string text = restAfterWords(line, 2);
        bool ok = false;
        radio_.frontPanel(
            [&](RadioModel& m) { ok = applySetCommand(m, "KM" + std::to_string(n) + text); });
        return ok ? Reply{"ok"} : range;
    }
    if (cmd == "tone" && w.size() == 4 && receiverOf(w[1]) >= 0 && toNumber(w[3], n)) {
        static constexpr struct {
            const char* word;
            const char* code;
            int max;
        } kFields[] = {{"mode", "CT", 2}, {"number", "CN", 49}, {"shift", "OS", 2}};
        for (const auto& f : kFields) {
            if (w[2] != f.word) continue;
            if (n < 0 || n > f.max) return range;
            radio_.frontPanel(
                [&](RadioModel& m) { m.set(f.code, receiverOf(w[1]), static_cast<int>(n)); });
            return {"ok"};
        }
        return bad;
    }
    if ((cmd == "rec" || cmd == "play") && w.size() == 2 && onOff(w[1]) >= 0) {
        radio_.frontPanel(
            [&](RadioModel& m) { m.set(cmd == "rec" ? "LM" : "PB", 0, onOff(w[1])); });
        return {"ok"};
    }
    return bad;
}

SimConsole::Reply SimConsole::executeMenuAndFaults(const std::vector<std::string>& w) {
    const std::string& cmd = w[0];
    int64_t n = 0, v = 0;
    double x = 0;
    const Reply bad{"? unknown or malformed command; try help"};
    if (cmd == "menu" && w.size() == 3 && toNumber(w[1], n) && toNumber(w[2], v)) {
        if (n < 1 || n > simMenuItemCount() ||
            !menuValueAllowed(simMenuItems()[static_cast<size_t>(n - 1)], v))
            return {"? no such menu item or value out of range"};
        radio_.frontPanel([&](RadioModel& m) { m.setMenu(static_cast<int>(n), v); });
        return {"ok"};
    }
    if (cmd == "set" || cmd == "clar" || cmd == "shift" || cmd == "notch" || cmd == "contour")
        return executeSettings(w);
    if (cmd == "drift" && w.size() == 2 && toDouble(w[1], x)) {
        radio_.setMeterDrift(x);
        return {"ok"};
    }
    if (cmd == "silence" && w.size() == 2 && toNumber(w[1], n) && n >= 0) {
        radio_.silenceFor(n);
        return {"ok"};
    }
    if (cmd == "disconnect" && w.size() == 1) {
        if (!transport_) return {"? no line"};
        transport_->disconnect();
        return {"ok"};
    }
    if (cmd == "id" && w.size() == 2 && w[1].size() == 4) {
        radio_.frontPanel([&](RadioModel& m) { m.identification = w[1]; });
        return {"ok"};
    }
    FaultPlan plan = radio_.faults();
    if (cmd == "silence-after" && w.size() == 2 && toNumber(w[1], n) && n >= 0)
        plan.silenceAfterCommands =
            static_cast<int>(static_cast<int64_t>(radio_.commandsHandled()) + n);
    else if (cmd == "noise" && w.size() == 2 && toDouble(w[1], x))
        plan.noiseBytesPerSecond = x;
    else if (cmd == "split" && (w.size() == 2 || w.size() == 3) && toNumber(w[1], n) && n >= 1 &&
             (w.size() == 2 || toNumber(w[2], v)) && v >= 0) {
        plan.splitPieces = static_cast<int>(n);
        plan.splitGapMs = static_cast<int>(v);
    } else if (cmd == "refuse" && w.size() == 2 && toDouble(w[1], x) && x <= 1)
        plan.refuseFraction = x;
    else if (cmd == "refuse-code" && w.size() == 2 && (w[1].size() == 2 || w[1] == "off"))
        plan.refuseCode = w[1] == "off" ? "" : w[1];
    else
        return bad;
    radio_.setFaults(plan);
    return {"ok"};
}

SimConsole::Reply SimConsole::executeSettings(const std::vector<std::string>& w) {
    const std::string& cmd = w[0];
    const Reply bad{"? unknown or malformed command; try help"};
    const Reply range{"? out of range"};
    int64_t n = 0, v = 0;
    if (cmd == "set" && (w.size() == 3 || w.size() == 4) && toNumber(w.back(), n)) {
        const int row = w[1].size() == 2 ? findSimpleSetting(w[1]) : -1;
        const int rx = w.size() == 4 ? receiverOf(w[2]) : kMain;
        if (row < 0 || rx < 0) return bad;
        const SimpleSetting& s = simpleSetting(row);
        const auto sel = static_cast<size_t>(rx);
        if ((s.selectors == 0 && rx != kMain) || n < s.min[sel] || n > s.max[sel]) return range;
        radio_.frontPanel([&](RadioModel& m) { m.set(w[1], rx, static_cast<int>(n)); });
        return {"ok"};
    }
    const int rx = w.size() >= 3 ? receiverOf(w[1]) : -1;
    if (rx < 0 || !toNumber(w[2], n)) return bad;
    const auto r = static_cast<size_t>(rx);
    bool ok = true;
    if (cmd == "clar" && w.size() == 3) {
        radio_.frontPanel([&](RadioModel& m) { ok = m.setClarifier(rx, static_cast<int>(n)); });
    } else if (cmd == "shift" && w.size() == 3) {
        ok = n >= -kShiftLimit && n <= kShiftLimit;
        if (ok) radio_.frontPanel([&](RadioModel& m) { m.shift[r] = static_cast<int>(n); });
    } else if (cmd == "notch" && w.size() == 3) {
        ok = n >= -1 && n <= 400;
        if (ok)
            radio_.frontPanel([&](RadioModel& m) {
                m.notch[r].on = n >= 0;
                if (n >= 0) m.notch[r].level = static_cast<int>(n);
            });
    } else if (cmd == "contour" && w.size() == 4 && toNumber(w[3], v)) {
        ok = n >= -1 && n <= 40 && v >= 0 && v <= 50;
        if (ok)
            radio_.frontPanel([&](RadioModel& m) {
                m.contour[r].on = n >= 0;
                if (n >= 0) m.contour[r] = {1, static_cast<int>(n), static_cast<int>(v)};
            });
    } else {
        return bad;
    }
    return ok ? Reply{"ok"} : range;
}

}  // namespace velmora::sim
