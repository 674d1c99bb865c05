#include "app/RigctlService.h"

#include "rigctl/FlrigSession.h"
#include "rigctl/ListenAddress.h"

namespace velmora {

bool RigctlService::start(const std::string& address, std::FILE* err) {
    const auto parsed = rigctl::parseListenAddress(address);
    if (!parsed) {
        std::fprintf(err, "velmora: --rigctld needs [ADDR:]PORT, not %s\n", address.c_str());
        return false;
    }
    server_ = std::make_unique<RigctlServer>(control_, *parsed);
    std::string error;
    if (server_->start(&error)) return true;
    std::fprintf(err, "velmora: cannot serve rigctld on %s\n", error.c_str());
    server_.reset();
    return false;
}

bool RigctlService::startFlrig(const std::string& address, std::FILE* err) {
    const auto parsed = rigctl::parseListenAddress(address);
    if (!parsed) {
        std::fprintf(err, "velmora: --flrig needs [ADDR:]PORT, not %s\n", address.c_str());
        return false;
    }
    flrig_ = std::make_unique<RigctlServer>(control_, *parsed, [](rigctl::RigControl& rig) {
        return std::make_unique<rigctl::FlrigSession>(rig);
    });
    std::string error;
    if (flrig_->start(&error)) return true;
    std::fprintf(err, "velmora: cannot serve flrig on %s\n", error.c_str());
    flrig_.reset();
    return false;
}

void RigctlService::stop() {
    server_.reset();
}

void RigctlService::stopAll() {
    server_.reset();
    flrig_.reset();
}

}  // namespace velmora
