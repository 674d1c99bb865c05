#include "app/Anl_Recv_Thread.h"

#include "link/MessageIds.h"
#include "link/RadioStateStore.h"

namespace velmora {

Anl_Recv_Thread::Anl_Recv_Thread(RadioStateStore& store)
    : receiver_(store), worker_("Anl_Recv_Thread", store.threads.Anl_Recv_Thread) {
    thread().on(msg::WM_ANSWER_QUEUED, [this](uintptr_t count, intptr_t) {
        receiver_.onAnswersQueued(count > 1 ? count : 1);
    });
    thread().on(msg::WM_ANSWER_TIMEOUT,
                [this](uintptr_t, intptr_t) { receiver_.onAnswerTimeout(); });
}

std::unique_ptr<Anl_Recv_Thread> startAnalysisThread(RadioStateStore& store) {
    auto thread = std::make_unique<Anl_Recv_Thread>(store);
    if (!thread->start()) return nullptr;
    return thread;
}

}  // namespace velmora
