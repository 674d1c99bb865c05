#pragma once
// The command thread: the requests of the panel, the dialogs, the analysis and the main
// window's timers turned into commands on its own worker thread. The work is
// CommandDispatcher's; this gives it a thread, its interruptible pauses, and publishes the
// thread in the store.
#include <cstdint>
#include <memory>

#include "app/PublishedWorker.h"
#include "command/CommandDispatcher.h"
#include "command/MemoryTextRead.h"

namespace velmora {

class RadioStateStore;

class Anl_Send_Thread {
  public:
    Anl_Send_Thread(RadioStateStore& store, PortOpener openSerialPort);

    bool start() { return worker_.start(); }
    WorkerThread& thread() { return worker_.thread(); }
    // Takes the thread out of the store: later posts find no command thread.
    void withdraw() { worker_.withdraw(); }

  private:
    CommandDispatcher dispatcher_;  // used on the thread only
    PublishedWorker worker_;        // last: withdrawn and ended before the dispatcher goes
};

// Clears the three link flags the thread owns, sets the memory text position to 1, creates and
// starts the thread, stores it, and starts the keep-alive timer 8 (1000 ms). nullptr if the
// thread cannot be started.
std::unique_ptr<Anl_Send_Thread> StartCommandThread(RadioStateStore& store,
                                                    PortOpener openSerialPort);
// Ends the thread: a pause it is in is cut short, WM_THREAD_QUIT is posted until it has gone
// (StopThread), and it is joined and withdrawn from the store. True when it has ended.
bool StopCommandThread(Anl_Send_Thread& thread);

inline constexpr int kKeepAliveMs = 1000;

}  // namespace velmora
