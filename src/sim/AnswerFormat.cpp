#include "sim/AnswerFormat.h"

#include <cstdlib>

#include "sim/Digits.h"
#include "sim/MenuField.h"
#include "sim/SimMenu.h"
#include "sim/SimpleSettingTable.h"

namespace velmora::sim {

namespace {

using Answer = std::optional<std::string>;

// The selector digit at position 2 when it lies in 0..count-1.
std::optional<int> selectorAt(std::string_view body, size_t pos, int count) {
    if (body.size() <= pos || body[pos] < '0' || body[pos] >= '0' + count) return std::nullopt;
    return body[pos] - '0';
}

std::string code(std::string_view body) {
    return std::string(body.substr(0, 2));
}

Answer simpleAnswer(const RadioModel& m, std::string_view body, int row) {
    const SimpleSetting& s = simpleSetting(row);
    int sel = 0;
    if (s.selectors == 0) {
        if (body.size() != 2) return std::nullopt;
    } else {
        auto picked = selectorAt(body, 2, s.selectors);
        if (body.size() != 3 || !picked) return std::nullopt;
        sel = *picked;
    }
    const int v = m.simple(row, sel);
    std::string out =
        std::string(body) + (s.hex ? std::string(1, hexDigit(v)) : digits(v, s.width));
    return out + ";";
}

// Composite status of one receiver: memory channel, frequency, clarifier, mode, VFO/memory,
// tone mode, tone number, shift.
std::string statusAnswer(const RadioModel& m, int rx) {
    const int clar = m.clarifier(rx);
    std::string out = rx == kMain ? "IF" : "OI";
    out += digits(m.get("MC"), 3);
    out += digits(m.frequency(rx), 8);
    out += clar < 0 ? '-' : '+';
    out += digits(std::abs(clar), 4);
    out += rx == kMain ? static_cast<char>('0' + m.get("RT")) : '0';
    out += rx == kMain ? static_cast<char>('0' + m.get("XT")) : '0';
    out += hexDigit(m.get("MD", rx));
    out += static_cast<char>('0' + m.vfoMemory(rx));
    out += static_cast<char>('0' + m.get("CT", rx));
    out += digits(m.get("CN", rx), 2);
    out += static_cast<char>('0' + m.get("OS", rx));
    return out + ";";
}

Answer exact(std::string_view body, std::string_view form, std::string answer) {
    if (body != form) return std::nullopt;
    return answer;
}

Answer answerSpecial(const RadioModel& m, std::string_view body) {
    const std::string c = code(body);
    const size_t n = body.size();
    if (c == "ID") return exact(body, "ID", "ID" + m.identification + ";");
    if (c == "FA") return exact(body, "FA", "FA" + digits(m.frequency(kMain), 8) + ";");
    if (c == "FB") return exact(body, "FB", "FB" + digits(m.frequency(kSub), 8) + ";");
    if (c == "IF") return exact(body, "IF", statusAnswer(m, kMain));
    if (c == "OI") return exact(body, "OI", statusAnswer(m, kSub));
    if (c == "AC") return exact(body, "AC", "AC00" + digits(m.tuner, 1) + ";");
    if (c == "LK") return exact(body, "LK", "LK" + digits(4 + m.lock[0] + 2 * m.lock[1], 1) + ";");
    if (c == "FS") return exact(body, "FS", "FS" + digits(4 + m.fast[0] + 2 * m.fast[1], 1) + ";");
    if (c == "BY")
        return exact(body, "BY", "BY" + digits(m.busy[0], 1) + digits(m.busy[1], 1) + ";");
    if (c == "RO") {
        const Rotator& r = m.rotator;
        return exact(body, "RO", "RO0" + digits(r.direction, 3) + digits(r.speed, 3) + ";");
    }
    auto sel = selectorAt(body, 2, 10);
    if (c == "AN" && n == 3 && sel && *sel < 2) {
        const Antenna& a = m.antenna[static_cast<size_t>(*sel)];
        return "AN" + digits(*sel, 1) + digits(a.antenna + 1, 1) + digits(a.rxFlag, 1) + ";";
    }
    if (c == "BP" && n == 4 && sel && *sel < 2 && (body[3] == '0' || body[3] == '1')) {
        const Breakin& b = m.notch[static_cast<size_t>(*sel)];
        return std::string(body) + (body[3] == '0' ? digits(b.on, 3) : digits(b.level, 3)) + ";";
    }
    if (c == "CO" && n == 4 && sel && *sel < 2 && body[3] >= '0' && body[3] <= '2') {
        const Contour& k = m.contour[static_cast<size_t>(*sel)];
        const int v = body[3] == '0' ? k.on : body[3] == '1' ? k.first : k.second;
        return std::string(body) + digits(v, 2) + ";";
    }
    if (c == "IS" && n == 3 && sel && *sel < 2) {
        const int x = m.shift[static_cast<size_t>(*sel)];
        return std::string(body) + (x < 0 ? "-" : "+") + digits(std::abs(x), 4) + ";";
    }
    if (c == "VF" && n == 3 && sel && *sel < 2) {
        const VfKnob& vf = m.vf[static_cast<size_t>(*sel)];
        return std::string(body) + digits(vf.digit[vf.flag], 1) + digits(vf.level[vf.flag], 3) +
               digits(vf.flag, 1) + ";";
    }
    if (c == "RM" && n == 3 && sel && *sel < kMeterCount)
        return std::string(body) + digits(m.meter[static_cast<size_t>(*sel)], 3) + ";";
    if (c == "KM" && n == 3 && sel && *sel >= 1 && *sel <= kKeyerMemories) {
        std::string text = m.keyerText[static_cast<size_t>(*sel - 1)];
        text.resize(kKeyerTextLength, ' ');
        return std::string(body) + text + ";";
    }
    if (c == "RI" && n == 3 && sel && *sel < kRecordFlagCount)
        return std::string(body) + hexDigit(recordIndicator(m, *sel)) + ";";
    if (c == "BG" && n == 3 && sel && *sel < 2) {
        if (*sel == 0) return "BG0" + digits(m.bgFirst, 2) + ";";
        return "BG" + digits(m.bgGroup, 1) + digits(m.bgValue, 2) + ";";
    }
    return std::nullopt;
}

// The transmit equalizer's bands are the parametric-equalizer menu items: set 0 is items
// 152-160, set 2 (speech processor on) items 161-169; per band frequency, level, width.
Answer equalizerAnswer(const RadioModel& m, std::string_view body) {
    if (body.size() != 5 || (body[2] != '0' && body[2] != '2')) return std::nullopt;
    auto band = selectorAt(body, 3, 3), param = selectorAt(body, 4, 3);
    if (!band || !param) return std::nullopt;
    const int item = 152 + (body[2] == '2' ? 9 : 0) + 3 * *band + *param;
    const int64_t v = m.menu(item);
    if (*param == 1) return std::string(body) + (v < 0 ? "-" : "+") + digits(std::abs(v), 2) + ";";
    return std::string(body) + digits(v, 3) + ";";
}

// Keyer bank a, key b: "KC5" a b, the key's flag, the selected key.
Answer keyerAnswer(const RadioModel& m, std::string_view body) {
    if (body.size() != 5 || body[2] != '5') return std::nullopt;
    auto bank = selectorAt(body, 3, 2), key = selectorAt(body, 4, 8);
    if (!bank || !key) return std::nullopt;
    const KeyerBank& k = m.keyerBank[static_cast<size_t>(*bank)];
    return std::string(body) + digits(k.flags[static_cast<size_t>(*key)], 1) +
           digits(k.selected, 1) + ";";
}

Answer menuAnswer(const RadioModel& m, std::string_view body) {
    if (body.size() != 5) return std::nullopt;
    auto number = parseDigits(body.substr(2, 3));
    if (!number || *number < 1 || *number > simMenuItemCount()) return std::nullopt;
    const SimMenuItem& item = simMenuItems()[static_cast<size_t>(*number - 1)];
    return std::string(body) + formatMenuField(item, m.menu(static_cast<int>(*number))) + ";";
}

}  // namespace

std::optional<std::string> answerQuery(const RadioModel& m, std::string_view body) {
    if (body.size() < 2) return std::nullopt;
    const std::string c = code(body);
    if (c == "EX") return menuAnswer(m, body);
    if (c == "PE") return equalizerAnswer(m, body);
    if (c == "KC") return keyerAnswer(m, body);
    const int row = findSimpleSetting(c);
    if (row >= 0) return simpleAnswer(m, body, row);
    return answerSpecial(m, body);
}

}  // namespace velmora::sim
