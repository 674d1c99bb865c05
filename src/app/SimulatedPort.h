#pragma once
// The simulated radio served in-process on a pseudo-terminal, for `velmora --simulate`: the
// controller then opens the pseudo-terminal's device as its port.
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

namespace velmora {

namespace sim {
class SimulatedRadio;
class PtyTransport;
}  // namespace sim

class SimulatedPort {
  public:
    // driftPerSecond: how often the radio's meters and knobs change on their own (0: never).
    explicit SimulatedPort(double driftPerSecond = 0);
    ~SimulatedPort();  // stops the radio's line

    // Starts the radio and its line; false with the reason in why when it cannot.
    bool start(std::string* why);
    void stop();
    // The device to open as the port, empty until started.
    const std::string& path() const { return path_; }

  private:
    std::unique_ptr<sim::SimulatedRadio> radio_;
    std::unique_ptr<sim::PtyTransport> transport_;
    std::string path_;
    double drift_ = 0;
};

// The device the controller opens this run: the simulated radio's when simulate is set (started
// here), else portOverride. Nothing, with the reason on err, when the radio cannot start.
std::optional<std::string> choosePortPath(bool simulate, const std::string& portOverride,
                                          SimulatedPort& simulated, std::FILE* err);

}  // namespace velmora
