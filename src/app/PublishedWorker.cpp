#include "app/PublishedWorker.h"

namespace velmora {

void withdrawThread(std::atomic<ThreadHandle*>& slot, ThreadHandle& thread) {
    ThreadHandle* self = &thread;
    slot.compare_exchange_strong(self, nullptr, std::memory_order_acq_rel);
}

PublishedWorker::~PublishedWorker() {
    withdraw();
    thread_.requestStop();
    thread_.join();
}

bool PublishedWorker::start() {
    if (!thread_.start()) return false;
    slot_.store(&thread_, std::memory_order_release);
    return true;
}

}  // namespace velmora
