#include "app/Sio_Send_Thread.h"

#include "link/MessageIds.h"
#include "link/RadioStateStore.h"

namespace velmora {

Sio_Send_Thread::Sio_Send_Thread(RadioStateStore& store, SerialPort& port)
    : store_(store), sender_(store, port), thread_("Sio_Send_Thread") {
    thread_.on(msg::WM_SEND_NEXT, [this](uintptr_t, intptr_t) { sender_.onSendNext(); });
}

Sio_Send_Thread::~Sio_Send_Thread() {
    ThreadHandle* self = &thread_;
    store_.threads.Sio_Send_Thread.compare_exchange_strong(self, nullptr,
                                                           std::memory_order_acq_rel);
    thread_.requestStop();
    thread_.join();
}

bool Sio_Send_Thread::start() {
    if (!thread_.start()) return false;
    store_.threads.Sio_Send_Thread.store(&thread_, std::memory_order_release);
    return true;
}

std::unique_ptr<Sio_Send_Thread> StartSendThread(RadioStateStore& store, SerialPort& port) {
    store.sendRing.Reset();
    auto thread = std::make_unique<Sio_Send_Thread>(store, port);
    if (!thread->start()) return nullptr;
    return thread;
}

}  // namespace velmora
