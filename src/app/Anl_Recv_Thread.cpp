#include "app/Anl_Recv_Thread.h"

#include "link/MessageIds.h"
#include "link/RadioStateStore.h"

namespace velmora {

Anl_Recv_Thread::Anl_Recv_Thread(RadioStateStore& store)
    : store_(store), receiver_(store), thread_("Anl_Recv_Thread") {
    thread_.on(msg::WM_ANSWER_QUEUED, [this](uintptr_t, intptr_t) { receiver_.onAnswerQueued(); });
    thread_.on(msg::WM_ANSWER_TIMEOUT,
               [this](uintptr_t, intptr_t) { receiver_.onAnswerTimeout(); });
}

Anl_Recv_Thread::~Anl_Recv_Thread() {
    ThreadHandle* self = &thread_;
    store_.threads.Anl_Recv_Thread.compare_exchange_strong(self, nullptr,
                                                           std::memory_order_acq_rel);
    thread_.requestStop();
    thread_.join();
}

bool Anl_Recv_Thread::start() {
    if (!thread_.start()) return false;
    store_.threads.Anl_Recv_Thread.store(&thread_, std::memory_order_release);
    return true;
}

std::unique_ptr<Anl_Recv_Thread> StartAnalysisThread(RadioStateStore& store) {
    auto thread = std::make_unique<Anl_Recv_Thread>(store);
    if (!thread->start()) return nullptr;
    return thread;
}

}  // namespace velmora
