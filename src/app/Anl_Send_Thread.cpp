#include "app/Anl_Send_Thread.h"

#include <utility>

#include "app/StopThread.h"
#include "link/MessageIds.h"
#include "link/RadioStateStore.h"

namespace velmora {

Anl_Send_Thread::Anl_Send_Thread(RadioStateStore& store, PortOpener openSerialPort)
    : dispatcher_(
          store, [this](int ms) { return thread().sleepFor(ms); }, std::move(openSerialPort)),
      worker_("Anl_Send_Thread", store.threads.Anl_Send_Thread) {
    for (uint32_t id : dispatcher_.handledIds()) {
        thread().on(id, [this, id](uintptr_t w, intptr_t l) { dispatcher_.handle(id, w, l); });
    }
}

std::unique_ptr<Anl_Send_Thread> StartCommandThread(RadioStateStore& store,
                                                    PortOpener openSerialPort) {
    LinkFlags& link = store.link;
    link.commandFlagA.store(false, std::memory_order_relaxed);
    link.watchdogArmed.store(false, std::memory_order_relaxed);
    link.commandFlagB.store(false, std::memory_order_relaxed);
    link.memoryTextPosition.store(kFirstMemoryText, std::memory_order_relaxed);
    auto thread = std::make_unique<Anl_Send_Thread>(store, std::move(openSerialPort));
    if (!thread->start()) return nullptr;
    if (WindowHost* w = store.mainWindow.load(std::memory_order_acquire)) {
        w->setTimer(timer::KEEP_ALIVE, kKeepAliveMs);
    }
    return thread;
}

bool StopCommandThread(Anl_Send_Thread& thread) {
    // Shutdown must not wait out a power-on pause or the rest of a read: the pause ends at once
    // and the handler gives up what it had still to send.
    thread.withdraw();
    thread.thread().requestStop();
    const bool ended = StopThread(&thread.thread());
    thread.thread().join();
    return ended;
}

}  // namespace velmora
