#pragma once
// The send thread: one command from SendRing per WM_SEND_NEXT, WM_THREAD_QUIT to end. The work
// is CommandSender's; this gives it a thread and publishes the thread in the store. The handler
// never waits for the ring (it takes what is there) and the device bounds every write, so the
// thread always comes back to its queue and can end.
#include <memory>

#include "app/PublishedWorker.h"
#include "serial/CommandSender.h"

namespace velmora {

class RadioStateStore;
class SerialPort;

class Sio_Send_Thread {
  public:
    Sio_Send_Thread(RadioStateStore& store, SerialPort& port);

    bool start() { return worker_.start(); }
    WorkerThread& thread() { return worker_.thread(); }

  private:
    CommandSender sender_;    // used on the thread only
    PublishedWorker worker_;  // last: withdrawn and ended before the sender goes
};

// Empties SendRing, creates and starts the send thread and stores it in the store; nullptr if
// it cannot be started. The caller owns it until shutdown.
std::unique_ptr<Sio_Send_Thread> StartSendThread(RadioStateStore& store, SerialPort& port);

}  // namespace velmora
