#include "sim/StateDump.h"

#include <string_view>

#include "files/JsonString.h"
#include "sim/Digits.h"
#include "sim/SimpleSettingTable.h"

namespace velmora::sim {

namespace {

class JsonObject {
  public:
    void add(const std::string& key, int64_t v) { addRaw(key, std::to_string(v)); }
    void addText(const std::string& key, std::string_view text) {
        std::string quoted;
        appendJsonString(quoted, text);
        addRaw(key, quoted);
    }
    std::string str() const { return "{\n" + body_ + "\n}\n"; }

  private:
    void addRaw(const std::string& key, const std::string& value) {
        if (!body_.empty()) body_ += ",\n";
        body_ += "  \"" + key + "\": " + value;
    }
    std::string body_;
};

const char* const kReceiver[] = {"main", "sub"};

// Selector names of the rows whose two selectors are not the two receivers.
std::string selectorName(std::string_view code, int sel) {
    if (code == "ML") return sel == 0 ? "flag" : "level";
    if (code == "LM" || code == "PB") return sel == 0 ? "voice" : "audio";
    return kReceiver[sel];
}

void addSimpleSettings(JsonObject& j, const RadioModel& m) {
    for (int row = 0; row < simpleSettingCount(); ++row) {
        const SimpleSetting& s = simpleSetting(row);
        const std::string code(s.code, 2);
        if (s.selectors < 2) {
            j.add(code, m.simple(row, 0));
            continue;
        }
        for (int sel = 0; sel < 2; ++sel)
            j.add(code + "." + selectorName(code, sel), m.simple(row, sel));
    }
}

void addStatus(JsonObject& j, const RadioModel& m, int rx) {
    const std::string p = rx == kMain ? "IF." : "OI.";
    j.add(p + "frequency", m.frequency(rx));
    j.add(p + "clarifier", m.clarifier(rx));
    j.add(p + "rxClarifier", rx == kMain ? m.get("RT") : 0);
    j.add(p + "txClarifier", rx == kMain ? m.get("XT") : 0);
    j.add(p + "mode", m.get("MD", rx));
    j.add(p + "vfoMemory", m.vfoMemory(rx));
    j.add(p + "toneMode", m.get("CT", rx));
    j.add(p + "toneNumber", m.get("CN", rx));
    j.add(p + "shift", m.get("OS", rx));
}

void addPerReceiver(JsonObject& j, const RadioModel& m) {
    for (int rx = 0; rx < 2; ++rx) {
        const std::string r = std::string(".") + kReceiver[rx];
        const auto i = static_cast<size_t>(rx);
        j.add("AN" + r + ".antenna", m.antenna[i].antenna);
        j.add("AN" + r + ".flag", m.antenna[i].rxFlag);
        j.add("BP" + r + ".on", m.notch[i].on);
        j.add("BP" + r + ".level", m.notch[i].level);
        j.add("CO" + r + ".on", m.contour[i].on);
        j.add("CO" + r + ".first", m.contour[i].first);
        j.add("CO" + r + ".second", m.contour[i].second);
        j.add("IS" + r, m.shift[i]);
        j.add("VF" + r + ".flag", m.vf[i].flag);
        for (int state = 0; state < 2; ++state) {
            const std::string s = state == 0 ? ".off" : ".on";
            j.add("VF" + r + s + ".digit", m.vf[i].digit[state]);
            j.add("VF" + r + s + ".level", m.vf[i].level[state]);
        }
        j.add("BY" + r, m.busy[i]);
    }
}

void addKeyerAndEqualizer(JsonObject& j, const RadioModel& m) {
    for (int k = 0; k < kKeyerMemories; ++k) {
        std::string text = m.keyerText[static_cast<size_t>(k)];
        text.resize(kKeyerTextLength, ' ');
        j.addText("KM" + digits(k + 1, 1), text);
    }
    for (int bank = 0; bank < 2; ++bank) {
        const KeyerBank& b = m.keyerBank[static_cast<size_t>(bank)];
        for (int key = 0; key < 8; ++key)
            j.add("KC." + digits(bank, 1) + ".flag" + digits(key, 1),
                  b.flags[static_cast<size_t>(key)]);
        j.add("KC." + digits(bank, 1) + ".selected", b.selected);
    }
    for (int set : {0, 2})
        for (int band = 0; band < 3; ++band)
            for (int param = 0; param < 3; ++param)
                j.add("PE" + digits(set, 1) + digits(band, 1) + digits(param, 1),
                      m.menu(152 + (set == 2 ? 9 : 0) + 3 * band + param));
}

}  // namespace

std::string stateDumpJson(const RadioModel& m) {
    JsonObject j;
    auto id = parseDigits(m.identification);
    if (id)
        j.add("ID", *id);
    else
        j.addText("ID", m.identification);
    j.add("FA", m.frequency(kMain));
    j.add("FB", m.frequency(kSub));
    addSimpleSettings(j, m);
    j.add("AC", m.tuner);
    j.add("LK.first", m.lock[0]);
    j.add("LK.second", m.lock[1]);
    j.add("FS.first", m.fast[0]);
    j.add("FS.second", m.fast[1]);
    addPerReceiver(j, m);
    addStatus(j, m, kMain);
    addStatus(j, m, kSub);
    j.add("RM", m.meter[0]);
    j.add("RO.direction", m.rotator.direction);
    j.add("RO.speed", m.rotator.speed);
    j.add("BG.0", m.bgFirst);
    j.add("BG.1", m.bgGroup == 1 ? m.bgValue : -1);
    j.add("BG.2", m.bgGroup == 2 ? m.bgValue : -1);
    for (int k = 0; k < kRecordFlagCount; ++k) j.add("RI." + digits(k, 1), recordIndicator(m, k));
    addKeyerAndEqualizer(j, m);
    j.add("MK", m.memoryKey);
    j.add("KY", m.lastKeyerPlay);
    j.add("FK", m.lastFunctionKey);
    for (int n = 1; n <= m.menuCount(); ++n) j.add("EX" + digits(n, 3), m.menu(n));
    return j.str();
}

}  // namespace velmora::sim
