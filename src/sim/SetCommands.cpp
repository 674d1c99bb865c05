#include "sim/SetCommands.h"

#include <algorithm>
#include <string>

#include "sim/Digits.h"
#include "sim/MenuField.h"
#include "sim/SimMenu.h"
#include "sim/SimpleSettingTable.h"

namespace velmora::sim {

namespace {

constexpr int kDialStepMenuItem = 143;    // 1 / 5 / 10 Hz per main-dial step
constexpr int kUpDownStepMenuItem = 145;  // 1 MHz / 100 kHz per UP/DN press
constexpr int kQuickSplitMenuItem = 37;   // kHz
constexpr int kClarifierStepHz = 10;
constexpr int kKnobStepHz = 1000;
constexpr int kRotatorSpeedStep = 5;

std::optional<int> digitAt(std::string_view body, size_t pos, int lo, int hi) {
    if (body.size() <= pos || body[pos] < '0' + lo || body[pos] > '0' + hi) return std::nullopt;
    return body[pos] - '0';
}

std::optional<int> numberAt(std::string_view body, size_t pos, size_t width, int lo, int hi) {
    if (body.size() != pos + width) return std::nullopt;
    auto v = parseDigits(body.substr(pos, width));
    if (!v || *v < lo || *v > hi) return std::nullopt;
    return static_cast<int>(*v);
}

bool applySimple(RadioModel& m, std::string_view body, int row) {
    const SimpleSetting& s = simpleSetting(row);
    if (!s.settable) return false;
    const size_t fieldPos = s.selectors > 0 ? 3 : 2;
    if (body.size() != fieldPos + static_cast<size_t>(s.width)) return false;
    int sel = 0;
    if (s.selectors > 0) {
        auto picked = digitAt(body, 2, 0, s.selectors - 1);
        if (!picked) return false;
        sel = *picked;
    }
    std::optional<int64_t> v;
    if (s.hex) {
        auto h = parseHexDigit(body[fieldPos]);
        if (h) v = *h;
    } else {
        v = parseDigits(body.substr(fieldPos));
    }
    if (!v || *v < s.min[sel] || *v > s.max[sel]) return false;
    m.setSimple(row, sel, static_cast<int>(*v));
    return true;
}

bool applyFrequency(RadioModel& m, std::string_view body, int rx) {
    if (body.size() != 10) return false;
    auto hz = parseDigits(body.substr(2));
    return hz && m.setFrequency(rx, *hz);
}

// AN r m: 1-4 pick the antenna, 0 clears the receive-antenna flag, 5 toggles it.
bool applyAntenna(RadioModel& m, std::string_view body) {
    auto rx = digitAt(body, 2, 0, 1);
    auto choice = digitAt(body, 3, 0, 5);
    if (body.size() != 4 || !rx || !choice) return false;
    Antenna& a = m.antenna[static_cast<size_t>(*rx)];
    if (*choice == 0)
        a.rxFlag = 0;
    else if (*choice == 5)
        a.rxFlag ^= 1;
    else
        a.antenna = *choice - 1;
    return true;
}

// LK and FS: 0/1 set the first flag, 2/3 the second.
bool applyFlagPair(std::array<int, 2>& flags, std::string_view body) {
    auto d = digitAt(body, 2, 0, 3);
    if (body.size() != 3 || !d) return false;
    flags[static_cast<size_t>(*d / 2)] = *d % 2;
    return true;
}

bool applyNotch(RadioModel& m, std::string_view body) {
    auto rx = digitAt(body, 2, 0, 1), field = digitAt(body, 3, 0, 1);
    if (!rx || !field) return false;
    Breakin& b = m.notch[static_cast<size_t>(*rx)];
    auto v = numberAt(body, 4, 3, 0, *field == 0 ? 1 : 400);
    if (!v) return false;
    (*field == 0 ? b.on : b.level) = *v;
    return true;
}

bool applyContour(RadioModel& m, std::string_view body) {
    auto rx = digitAt(body, 2, 0, 1), field = digitAt(body, 3, 0, 2);
    if (!rx || !field) return false;
    static constexpr int kMax[] = {1, 40, 50};
    auto v = numberAt(body, 4, 2, 0, kMax[*field]);
    if (!v) return false;
    Contour& c = m.contour[static_cast<size_t>(*rx)];
    (*field == 0 ? c.on : *field == 1 ? c.first : c.second) = *v;
    return true;
}

bool applyShift(RadioModel& m, std::string_view body) {
    auto rx = digitAt(body, 2, 0, 1);
    if (body.size() != 8 || !rx) return false;
    auto v = parseSigned(body.substr(3));
    if (!v || *v < -kShiftLimit || *v > kShiftLimit) return false;
    m.shift[static_cast<size_t>(*rx)] = static_cast<int>(*v);
    return true;
}

// VF r s xx: s picks the knob's digit (0 turns it off), xx is "00" or a signed level step.
bool applyVf(RadioModel& m, std::string_view body) {
    auto rx = digitAt(body, 2, 0, 1), s = digitAt(body, 3, 0, 9);
    if (body.size() != 6 || !rx || !s) return false;
    int step = 0;
    if (body.substr(4) != "00") {
        auto v = parseSigned(body.substr(4));
        if (!v) return false;
        step = static_cast<int>(*v);
    }
    VfKnob& vf = m.vf[static_cast<size_t>(*rx)];
    vf.flag = *s != 0;
    vf.digit[vf.flag] = *s;
    vf.level[vf.flag] = std::clamp(vf.level[vf.flag] + step, 0, 255);
    return true;
}

bool applyRotator(RadioModel& m, std::string_view body) {
    auto d = digitAt(body, 2, 0, 4);
    if (body.size() != 3 || !d) return false;
    Rotator& r = m.rotator;
    switch (*d) {
        case 0:
            r.turning = 0;
            break;
        case 1:
            r.turning = -1;
            break;
        case 2:
            r.turning = 1;
            break;
        case 3:
            r.speed = std::max(0, r.speed - kRotatorSpeedStep);
            break;
        default:
            r.speed = std::min(100, r.speed + kRotatorSpeedStep);
            break;
    }
    return true;
}

bool keyerTextChar(char c) {
    return (c >= 0x20 && c <= 0x5F && c != ';') || c == '}';
}

bool applyKeyerText(RadioModel& m, std::string_view body) {
    auto n = digitAt(body, 2, 1, kKeyerMemories);
    const std::string_view text = body.size() > 3 ? body.substr(3) : std::string_view{};
    if (!n || text.empty() || text.size() > kKeyerTextLength) return false;
    if (!std::all_of(text.begin(), text.end(), keyerTextChar)) return false;
    m.keyerText[static_cast<size_t>(*n - 1)] = std::string(text);
    return true;
}

// KC5 a k f: key k of bank a; f 1 selects it (the bank's keys are exclusive), f 0 releases it.
bool applyKeyerBank(RadioModel& m, std::string_view body) {
    auto bank = digitAt(body, 3, 0, 1), key = digitAt(body, 4, 0, 7), f = digitAt(body, 5, 0, 1);
    if (body.size() != 6 || body[2] != '5' || !bank || !key || !f) return false;
    KeyerBank& b = m.keyerBank[static_cast<size_t>(*bank)];
    if (*f == 1) {
        b.flags.fill(0);
        b.selected = *key;
    }
    b.flags[static_cast<size_t>(*key)] = *f;
    return true;
}

bool applyMenu(RadioModel& m, std::string_view body) {
    if (body.size() < 6) return false;
    auto number = parseDigits(body.substr(2, 3));
    if (!number || *number < 1 || *number > simMenuItemCount()) return false;
    const SimMenuItem& item = simMenuItems()[static_cast<size_t>(*number - 1)];
    auto v = parseMenuField(item, body.substr(5));
    if (!v) return false;
    m.setMenu(static_cast<int>(*number), *v);
    return true;
}

int64_t dialStepHz(const RadioModel& m) {
    static constexpr int64_t kSteps[] = {1, 5, 10};
    const int64_t choice = m.menu(kDialStepMenuItem);
    return choice >= 0 && choice < 3 ? kSteps[choice] : 10;
}

// EU/ED p nn: p 0 the main dial, 1 the clarifier, 2 and 3 the MAIN and SUB multi-function knobs.
bool applyDialSteps(RadioModel& m, std::string_view body, int direction) {
    auto p = digitAt(body, 2, 0, 3);
    auto n = numberAt(body, 3, 2, 0, 99);
    if (!p || !n) return false;
    const int steps = direction * *n;
    switch (*p) {
        case 0:
            m.dial(kMain, steps, dialStepHz(m));
            break;
        case 1:
            m.setClarifier(kMain, std::clamp(m.clarifier(kMain) + steps * kClarifierStepHz,
                                             -kClarifierLimit, kClarifierLimit));
            break;
        default:
            m.dial(*p == 2 ? kMain : kSub, steps, kKnobStepHz);
            break;
    }
    return true;
}

// UP/DN carry two parameter bytes that the radio ignores: zero bytes or digits.
bool applyUpDown(RadioModel& m, std::string_view body, int direction) {
    if (body.size() != 4) return false;
    for (char c : body.substr(2))
        if (c != '\0' && (c < '0' || c > '9')) return false;
    m.dial(kMain, direction, m.menu(kUpDownStepMenuItem) == 0 ? 1000000 : 100000);
    return true;
}

bool applyClarifierStep(RadioModel& m, std::string_view body, int direction) {
    auto n = numberAt(body, 2, 4, 0, 9999);
    return n && m.setClarifier(kMain, m.clarifier(kMain) + direction * *n);
}

bool applyKeyPlay(RadioModel& m, std::string_view body) {
    if (body.size() != 3) return false;
    const char c = body[2];
    if (c >= '1' && c <= '9')
        m.lastKeyerPlay = c - '0';
    else if (c == 'A')
        m.lastKeyerPlay = 10;
    else
        return false;
    m.keyerPlaying = m.lastKeyerPlay;
    return true;
}

bool applyDigitTo(int& target, std::string_view body, int lo, int hi) {
    auto d = digitAt(body, 2, lo, hi);
    if (body.size() != 3 || !d) return false;
    target = *d;
    return true;
}

// Commands of two letters and no parameter.
bool applyBare(RadioModel& m, std::string_view c) {
    if (c == "AB")
        m.copyAtoB();
    else if (c == "SV")
        m.swapVfos();
    else if (c == "VM")
        m.toggleVfoMemory();
    else if (c == "MA")
        m.memoryToA();
    else if (c == "AM")
        m.aToMemory();
    else if (c == "QI")
        m.quickMemoryIn();
    else if (c == "QR")
        m.quickMemoryRecall();
    else if (c == "QS")
        m.quickSplit(m.menu(kQuickSplitMenuItem) * 1000);
    else if (c == "RC")
        m.setClarifier(kMain, 0);
    else
        return false;
    return true;
}

bool applySpecial(RadioModel& m, std::string_view body) {
    const std::string c(body.substr(0, 2));
    if (body.size() == 2) return applyBare(m, c);
    if (c == "FA") return applyFrequency(m, body, kMain);
    if (c == "FB") return applyFrequency(m, body, kSub);
    if (c == "AN") return applyAntenna(m, body);
    if (c == "AC")
        return body.substr(0, 4) == "AC00" && applyDigitTo(m.tuner, body.substr(2), 0, 2);
    if (c == "LK") return applyFlagPair(m.lock, body);
    if (c == "FS") return applyFlagPair(m.fast, body);
    if (c == "BP") return body.size() == 7 && applyNotch(m, body);
    if (c == "CO") return body.size() == 6 && applyContour(m, body);
    if (c == "IS") return applyShift(m, body);
    if (c == "VF") return applyVf(m, body);
    if (c == "RO") return applyRotator(m, body);
    if (c == "KM") return applyKeyerText(m, body);
    if (c == "KC") return applyKeyerBank(m, body);
    if (c == "EX") return applyMenu(m, body);
    if (c == "EU" || c == "ED") return applyDialSteps(m, body, c == "EU" ? 1 : -1);
    if (c == "UP" || c == "DN") return applyUpDown(m, body, c == "UP" ? 1 : -1);
    if (c == "RU" || c == "RD") return applyClarifierStep(m, body, c == "RU" ? 1 : -1);
    if (c == "KY") return applyKeyPlay(m, body);
    if (c == "FK") {
        if (!applyDigitTo(m.lastFunctionKey, body, 1, 7)) return false;
        m.pressFunctionKey(m.lastFunctionKey);
        return true;
    }
    if (c == "MK") {
        if (!applyDigitTo(m.memoryKey, body, 0, 6)) return false;
        m.pressModeKey(m.memoryKey);
        return true;
    }
    if (c == "BS") {
        auto band = numberAt(body, 2, 2, 0, kBandCount - 1);
        if (band) m.selectBand(*band);
        return band.has_value();
    }
    if (c == "BD" || c == "BU") {
        auto rx = digitAt(body, 2, 0, 1);
        if (body.size() != 3 || !rx) return false;
        m.bandStep(c == "BU" ? 1 : -1);
        return true;
    }
    if (c == "CH") {
        auto d = digitAt(body, 2, 0, 1);
        if (body.size() != 3 || !d) return false;
        m.channelStep(*d == 0 ? 1 : -1);
        return true;
    }
    return false;
}

}  // namespace

bool applySetCommand(RadioModel& m, std::string_view body) {
    if (body.size() < 2) return false;
    const int row = findSimpleSetting(body.substr(0, 2));
    if (row >= 0) return applySimple(m, body, row);
    return applySpecial(m, body);
}

}  // namespace velmora::sim
