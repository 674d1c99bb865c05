#pragma once
// The network server for other ham programs: listens on one TCP address from start-up, whether
// the link is up or not, and gives every client its own protocol session. One thread serves all
// clients with non-blocking sockets; a client that stops reading only stops its own session.
#include <functional>
#include <memory>
#include <string>

#include "rigctl/ClientSession.h"
#include "rigctl/ListenAddress.h"

namespace velmora {

namespace rigctl {
class RigControl;
}

// Makes the protocol session of one new client.
using SessionFactory = std::function<std::unique_ptr<rigctl::ClientSession>(rigctl::RigControl&)>;

class RigctlServer {
  public:
    static constexpr int kMaxClients = 16;

    // Serves the rigctld protocol unless another session is given.
    RigctlServer(rigctl::RigControl& rig, rigctl::ListenAddress address,
                 SessionFactory sessions = {});
    ~RigctlServer();
    RigctlServer(const RigctlServer&) = delete;
    RigctlServer& operator=(const RigctlServer&) = delete;

    // Binds and starts serving; false with the reason in error when the address cannot be had.
    bool start(std::string* error);
    // Closes every connection and ends the thread. Idempotent.
    void stop();
    // The port bound (the one asked for, or the system's choice for 0).
    unsigned short port() const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace velmora
