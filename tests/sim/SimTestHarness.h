#pragma once
// Drives a SimulatedRadio with bytes on a clock the test moves by hand.
#include <memory>
#include <string>
#include <string_view>

#include "sim/SimulatedRadio.h"

namespace velmora::sim::test {

struct RadioHarness {
    explicit RadioHarness(SimOptions options = {}) {
        options.clock = [this] { return now; };
        radio = std::make_unique<SimulatedRadio>(std::move(options));
    }
    // Everything the radio writes in reply to bytes.
    std::string send(std::string_view bytes) {
        radio->receive(bytes);
        return output();
    }
    std::string output() {
        std::string out;
        for (const std::string& a : radio->takeAnswers()) out += a;
        return out;
    }
    std::string advance(int64_t ms) {
        now += ms;
        radio->tick();
        return output();
    }

    int64_t now = 1000;
    std::unique_ptr<SimulatedRadio> radio;
};

}  // namespace velmora::sim::test
