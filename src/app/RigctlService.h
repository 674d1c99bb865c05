#pragma once
// `--rigctld [ADDR:]PORT` and `--flrig [ADDR:]PORT`: the network servers over the running link's
// store, for the window and the headless run alike.
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
    // --flrig [ADDR:]PORT: the XML-RPC server beside it.
    bool startFlrig(const std::string& address, std::FILE* err);
    // Stops the rigctld server and closes its clients; start() may follow.
    void stop();
    // Both servers, before the link goes.
    void stopAll();
    bool running() const { return server_ != nullptr; }
    unsigned short port() const { return server_ ? server_->port() : 0; }

  private:
    StoreRigControl control_;
    std::unique_ptr<RigctlServer> server_;
    std::unique_ptr<RigctlServer> flrig_;
};

}  // namespace velmora
