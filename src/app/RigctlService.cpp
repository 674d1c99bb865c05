#include "app/RigctlService.h"

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

void RigctlService::stop() {
    server_.reset();
}

}  // namespace velmora
