#include "rigctl/DumpState.h"

#include <cinttypes>
#include <cstdarg>
#include <cstdio>

#include "rigctl/RigctlNames.h"

namespace velmora::rigctl {

namespace {

struct Range {
    int64_t low, high;  // Hz
};

// clang-format off
// The receiver covers the records' whole range; the transmitter the bands of the radio's
// fixed-frequency menu items.
constexpr Range kReceive = {30000, 60000000};
constexpr Range kTransmit[] = {
    {1800000, 1999999},   {3500000, 3999999},   {5250000, 5499999},   {7000000, 7299999},
    {10100000, 10149999}, {14000000, 14349999}, {18000000, 18199999}, {21000000, 21449999},
    {24800000, 24989999}, {28000000, 29699999}, {50000000, 53999999},
};
// clang-format on

constexpr unsigned kVfoAB = 0x3;
constexpr unsigned kAntenna1 = 0x1;
constexpr int kLowPowerMw = 5000, kHighPowerMw = 200000;
constexpr int kMaxRitHz = 9999, kMaxXitHz = 9999;
constexpr unsigned kPttFromRadio = 1;
constexpr int kTimeoutMs = 2000;

[[gnu::format(printf, 2, 3)]] void line(std::string& out, const char* format, ...) {
    char text[160];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    out += text;
    out += '\n';
}

void rangeLine(std::string& out, Range r, int lowMw, int highMw) {
    line(out, "%" PRId64 " %" PRId64 " 0x%llx %d %d 0x%x 0x%x", r.low, r.high, allModeBits(), lowMw,
         highMw, kVfoAB, kAntenna1);
}

void filters(std::string& out) {
    for (int code = 1; code <= 13; ++code) {
        const ModeName* m = modeByRadioCode(code);
        if (m && m->radioCode == code && modeByName(m->name) == m)
            line(out, "0x%llx %d", m->bit, m->normalWidth);
    }
    line(out, "0 0");
}

void keyValueTail(std::string& out) {
    line(out, "vfo_ops=0x0");
    line(out, "ptt_type=0x%x", kPttFromRadio);
    line(out, "targetable_vfo=0x%x", kVfoAB);
    for (const char* key : {"has_set_vfo", "has_get_vfo", "has_set_freq", "has_get_freq"})
        line(out, "%s=1", key);
    for (const char* key : {"has_set_conf", "has_get_conf", "has_power2mW", "has_mW2power"})
        line(out, "%s=0", key);
    line(out, "timeout=%d", kTimeoutMs);
    line(out, "rig_model=2");
    line(out, "done");
}

}  // namespace

std::string dumpStateText(bool withKeyValueTail) {
    std::string out;
    line(out, "1");  // protocol version
    line(out, "2");  // the network model
    line(out, "0");  // ITU region: the client keeps its own
    rangeLine(out, kReceive, -1, -1);
    line(out, "0 0 0 0 0 0 0");
    for (Range r : kTransmit) rangeLine(out, r, kLowPowerMw, kHighPowerMw);
    line(out, "0 0 0 0 0 0 0");
    line(out, "0x%llx 1", allModeBits());
    line(out, "0 0");
    filters(out);
    line(out, "%d", kMaxRitHz);
    line(out, "%d", kMaxXitHz);
    line(out, "0");                    // IF shift: not offered
    line(out, "0");                    // announces
    line(out, "0");                    // preamps
    line(out, "0");                    // attenuators
    line(out, "0x0");                  // get functions
    line(out, "0x0");                  // set functions
    line(out, "0x%llx", kReadLevels);  // get levels
    line(out, "0x0");                  // set levels
    line(out, "0x0");                  // get parameters
    line(out, "0x0");                  // set parameters
    if (withKeyValueTail) keyValueTail(out);
    return out;
}

}  // namespace velmora::rigctl
