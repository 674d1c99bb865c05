#include "app/Sio_Send_Thread.h"

#include "link/MessageIds.h"
#include "link/RadioStateStore.h"

namespace velmora {

Sio_Send_Thread::Sio_Send_Thread(RadioStateStore& store, SerialPort& port)
    : sender_(store, port), worker_("Sio_Send_Thread", store.threads.Sio_Send_Thread) {
    thread().on(msg::WM_SEND_NEXT, [this](uintptr_t, intptr_t) { sender_.onSendNext(); });
}

std::unique_ptr<Sio_Send_Thread> StartSendThread(RadioStateStore& store, SerialPort& port) {
    store.sendRing.Reset();
    auto thread = std::make_unique<Sio_Send_Thread>(store, port);
    if (!thread->start()) return nullptr;
    return thread;
}

}  // namespace velmora
