#pragma once
// The operator's console of aldren-sim: one line of text in, a reply out. Changes go through the
// radio's front panel, so they are reported on the line while auto-information is on.
#include <string>
#include <string_view>
#include <vector>

#include "sim/SimulatedRadio.h"

namespace velmora::sim {

class PtyTransport;

class SimConsole {
  public:
    struct Reply {
        std::string text;
        bool quit = false;
    };

    // transport may be null (no line to disconnect).
    SimConsole(SimulatedRadio& radio, PtyTransport* transport)
        : radio_(radio), transport_(transport) {}

    Reply execute(std::string_view line);
    static const char* helpText();

  private:
    // The rotator, keyer memories, tones and the voice recorder (keyer texts keep their spaces).
    Reply executeOptions(const std::vector<std::string>& words, std::string_view line);
    Reply executeMenuAndFaults(const std::vector<std::string>& words);
    // The knob and filter settings the panel's pointers, offset bar and filter displays show.
    Reply executeSettings(const std::vector<std::string>& words);

    SimulatedRadio& radio_;
    PtyTransport* transport_;
};

}  // namespace velmora::sim
