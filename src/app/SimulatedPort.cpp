#include "app/SimulatedPort.h"

#include "sim/PtyTransport.h"
#include "sim/SimulatedRadio.h"

namespace velmora {

SimulatedPort::SimulatedPort(double driftPerSecond) : drift_(driftPerSecond) {}

SimulatedPort::~SimulatedPort() {
    stop();
}

bool SimulatedPort::start(std::string* why) {
    sim::SimOptions options;
    options.meterDriftPerSecond = drift_;
    radio_ = std::make_unique<sim::SimulatedRadio>(options);
    transport_ = std::make_unique<sim::PtyTransport>(*radio_, sim::PtyOptions{});
    if (!transport_->start(why)) return false;
    path_ = transport_->slavePath();
    return true;
}

std::optional<std::string> choosePortPath(bool simulate, const std::string& portOverride,
                                          SimulatedPort& simulated, std::FILE* err) {
    if (!simulate) return portOverride;
    std::string why;
    if (!simulated.start(&why)) {
        std::fprintf(err, "velmora: the simulated radio cannot start: %s\n", why.c_str());
        return std::nullopt;
    }
    return simulated.path();
}

void SimulatedPort::stop() {
    if (transport_) transport_->stop();
}

}  // namespace velmora
