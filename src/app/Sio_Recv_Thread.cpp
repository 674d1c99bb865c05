#include "app/Sio_Recv_Thread.h"

#include <pthread.h>

#include <chrono>
#include <ctime>

#include "app/PublishedWorker.h"
#include "link/MessageIds.h"
#include "link/RadioStateStore.h"
#include "serial/SerialPort.h"

namespace velmora {

Sio_Recv_Thread::Sio_Recv_Thread(RadioStateStore& store, SerialPort& port)
    : store_(store), port_(port), poller_(store, port) {}

Sio_Recv_Thread::~Sio_Recv_Thread() {
    withdrawThread(store_.threads.Sio_Recv_Thread, *this);
    requestStop();
    join();
}

bool Sio_Recv_Thread::start() {
    std::lock_guard lock(joinMutex_);
    if (thread_.joinable() || closed_.load(std::memory_order_acquire)) return false;
    running_.store(true, std::memory_order_release);
    try {
        thread_ = std::thread([this] { run(); });
    } catch (const std::system_error&) {
        running_.store(false, std::memory_order_release);
        closed_.store(true, std::memory_order_release);
        return false;
    }
    return true;
}

bool Sio_Recv_Thread::post(uint32_t id, uintptr_t, intptr_t) {
    if (closed_.load(std::memory_order_acquire)) return false;
    if (id == msg::WM_THREAD_QUIT) {
        requestStop();
    } else if (id == msg::WM_RECEIVE_POLL) {
        extraTick_.store(true, std::memory_order_release);
        port_.device().wake();
    }
    return true;
}

void Sio_Recv_Thread::requestStop() {
    closed_.store(true, std::memory_order_release);
    {
        std::lock_guard lock(stopMutex_);
        stop_.store(true, std::memory_order_release);
    }
    stopCv_.notify_all();
    port_.device().wake();
}

void Sio_Recv_Thread::join() {
    std::lock_guard lock(joinMutex_);
    // The thread cannot join itself; it ends on its own once asked.
    if (std::this_thread::get_id() == thread_.get_id()) return;
    if (thread_.joinable()) thread_.join();
}

uint64_t Sio_Recv_Thread::cpuNanoseconds() const {
    if (!isRunning() || !cpuClockKnown_.load(std::memory_order_acquire)) return 0;
    timespec ts{};
    if (clock_gettime(cpuClock_.load(std::memory_order_relaxed), &ts) != 0) return 0;
    return static_cast<uint64_t>(ts.tv_sec) * 1000000000ull + static_cast<uint64_t>(ts.tv_nsec);
}

void Sio_Recv_Thread::waitForGate() {
    std::unique_lock lock(stopMutex_);
    stopCv_.wait_for(lock, std::chrono::milliseconds(kGateLookMs),
                     [this] { return stop_.load(std::memory_order_acquire); });
}

void Sio_Recv_Thread::run() {
    pthread_setname_np(pthread_self(), "Sio_Recv_Thread");
    clockid_t clock;
    if (pthread_getcpuclockid(pthread_self(), &clock) == 0) {
        cpuClock_.store(clock, std::memory_order_relaxed);
        cpuClockKnown_.store(true, std::memory_order_release);
    }
    SerialDevice& device = port_.device();
    poller_.setGathering(true);
    while (!stop_.load(std::memory_order_acquire)) {
        if (!store_.link.commGate.load(std::memory_order_acquire)) {
            waitForGate();
            continue;
        }
        extraTick_.store(false, std::memory_order_relaxed);
        poller_.poll();
        ticks_.fetch_add(1, std::memory_order_relaxed);
        if (stop_.load(std::memory_order_acquire)) break;
        // Answers that came in one read are cut one a tick, back to back: a timed wait between
        // them would cost a wake-up each. The analysis hears of them together.
        if (extraTick_.load(std::memory_order_acquire) || poller_.moreBuffered()) continue;
        poller_.postGathered();
        device.waitReadable(poller_.wantsTick() ? kBusyTickMs : kIdleWaitMs);
        wakes_.fetch_add(1, std::memory_order_relaxed);
    }
    poller_.postGathered();
    closed_.store(true, std::memory_order_release);
    running_.store(false, std::memory_order_release);
}

std::unique_ptr<Sio_Recv_Thread> StartReceiveThread(RadioStateStore& store, SerialPort& port) {
    store.recvRing.Reset();
    auto thread = std::make_unique<Sio_Recv_Thread>(store, port);
    if (!thread->start()) return nullptr;
    store.threads.Sio_Recv_Thread.store(thread.get(), std::memory_order_release);
    return thread;
}

}  // namespace velmora
