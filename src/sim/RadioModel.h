#pragma once
// What the simulated transceiver holds: its frequencies in Hz, modes, levels, switches, menu,
// memories and meters, and the front-panel operations that change them. It knows nothing of the
// CAT protocol; the interpreter reads and writes it. Not thread-safe: SimulatedRadio serialises
// every access.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::sim {

inline constexpr int kMain = 0, kSub = 1;
inline constexpr int64_t kMinFrequency = 30000, kMaxFrequency = 60000000;
inline constexpr int kClarifierLimit = 9999, kShiftLimit = 1000;
inline constexpr int kMeterCount = 8, kRecordFlagCount = 9, kKeyerMemories = 5;
inline constexpr int kKeyerTextLength = 50, kMemoryChannels = 118, kBandCount = 12;

struct Antenna {
    int antenna = 0;  // 0-3
    int rxFlag = 0;   // 0-1
};
struct Breakin {  // BP: manual notch on/off and position
    int on = 0;
    int level = 0;  // 0-400
};
struct Contour {  // CO
    int on = 0;
    int first = 1;   // 0-40
    int second = 0;  // 0-50
};
struct VfKnob {         // VF: per receiver a flag and one digit/level pair per flag state
    int flag = 0;       // 0-1
    int digit[2] = {};  // 0-9
    int level[2] = {};  // 0-255
};
struct Rotator {
    int direction = 0;  // degrees 0-450 (beyond 359 = overlap)
    int speed = 50;     // percent 0-100
    int turning = 0;    // -1 counter-clockwise, 0 stopped, +1 clockwise
};
struct KeyerBank {  // KC
    std::array<int, 8> flags{};
    int selected = 0;  // 0-7
};
struct MemoryChannel {
    int64_t frequency = 0;
    int mode = 0;
    bool used = false;
};

class RadioModel {
  public:
    RadioModel();

    // Plain settings of the simple-setting table, by row and selector.
    int simple(int row, int selector = 0) const { return simple_[row][selector]; }
    void setSimple(int row, int selector, int value) { simple_[row][selector] = value; }
    // The same by code; the code must be a row of the table.
    int get(std::string_view code, int selector = 0) const;
    void set(std::string_view code, int selector, int value);

    // Frequencies and tuning.
    int64_t frequency(int rx) const { return frequency_[rx]; }
    bool setFrequency(int rx, int64_t hz);  // false (unchanged) outside 30 kHz - 60 MHz
    void dial(int rx, int64_t steps, int64_t hzPerStep);
    int clarifier(int rx) const { return clarifier_[rx]; }
    bool setClarifier(int rx, int hz);
    void selectBand(int band);
    void bandStep(int direction);
    int currentBand(int rx) const;

    // VFO and memory operations.
    int vfoMemory(int rx) const { return vfoMemory_[rx]; }
    void toggleVfoMemory();
    void copyAtoB();
    void swapVfos();
    void memoryToA();
    void aToMemory();
    void quickMemoryIn();
    void quickMemoryRecall();
    void channelStep(int direction);
    void quickSplit(int64_t offsetHz);

    // The mode keys 0-6 (LSB, USB, CW, AM, FM, RTTY, PKT) set MAIN's mode; a key pressed in its
    // own mode switches to the key's second mode (CW-R, AM-N, FM-N, RTTY-U, PKT-U) and back.
    void pressModeKey(int key);
    // Function keys 1-7 pick that function of MAIN's multi-function knob and switch it on.
    void pressFunctionKey(int key);

    // Menu items, numbered from 1.
    int64_t menu(int n) const { return menu_[static_cast<size_t>(n - 1)]; }
    void setMenu(int n, int64_t v) { menu_[static_cast<size_t>(n - 1)] = v; }
    int menuCount() const { return static_cast<int>(menu_.size()); }

    // Everything else is plain data the interpreter reads and writes directly.
    std::string identification = "0362";
    int tuner = 1;                      // AC, 0-2
    std::array<int, 2> lock{}, fast{};  // LK and FS: first and second flag
    std::array<Antenna, 2> antenna{};
    std::array<Breakin, 2> notch{};
    std::array<Contour, 2> contour{};
    std::array<int, 2> shift{};  // IS, Hz
    std::array<VfKnob, 2> vf{};
    std::array<int, 2> busy{};             // BY
    std::array<int, kMeterCount> meter{};  // RM
    Rotator rotator;
    std::array<std::string, kKeyerMemories> keyerText;  // up to 50 characters each
    std::array<KeyerBank, 2> keyerBank{};
    int bgFirst = 3, bgGroup = 1, bgValue = 0;                  // BG
    int recordFlags[kRecordFlagCount] = {};                     // RI flags nothing else drives
    int memoryKey = 0, lastKeyerPlay = 0, lastFunctionKey = 0;  // MK, KY, FK
    int keyerPlaying = 0;  // the keyer memory being played (KY), 0 when none
    std::array<MemoryChannel, kMemoryChannels> memories{};
    MemoryChannel quickMemory;
    std::array<int64_t, kBandCount> bandStack{};

  private:
    std::vector<std::array<int, 2>> simple_;
    std::array<int64_t, 2> frequency_{14195000, 7074000};
    std::array<int, 2> clarifier_{};
    std::array<int, 2> vfoMemory_{};
    std::vector<int64_t> menu_;
};

// The radio information flag RI<index> as reported: receiving, recording, playing and
// transmitting follow the radio's state; the rest are fixed flags.
int recordIndicator(const RadioModel& m, int index);

}  // namespace velmora::sim
