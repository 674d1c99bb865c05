#include "platform/Clock.h"

#include <chrono>
#include <thread>

namespace velmora {

int64_t monotonicMillis() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void sleepMillis(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace velmora
