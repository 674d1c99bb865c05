#pragma once
// `--rigctld [ADDR:]PORT`: the network server over the running link's store, for the window and
// the headless run alike.
#include <cstdio>
#include <memory>
#include <string>

#include "app/RigctlServer.h"
#include "app/StoreRigControl.h"

namespace velmora {

class RadioStateStore;

class RigctlService {
  public:
    explicit RigctlService(RadioStateStore& store) : control_(store) {}
    // Starts listening on address ("[ADDR:]PORT"); false with one line on err when it cannot.
    bool start(const std::string& address, std::FILE* err);
    // Stops listening and closes every client; start() may follow.
    void stop();
    bool running() const { return server_ != nullptr; }
    unsigned short port() const { return server_ ? server_->port() : 0; }

  private:
    StoreRigControl control_;
    std::unique_ptr<RigctlServer> server_;
};

}  // namespace velmora
