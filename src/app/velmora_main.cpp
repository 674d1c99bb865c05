// velmora: the controller. Until the window is built, it always runs headless.
#include <atomic>
#include <csignal>
#include <cstdio>
#include <string>

#include "app/HeadlessOptions.h"
#include "app/HeadlessProgram.h"

namespace {

std::atomic<bool> gStop{false};

extern "C" void onSignal(int) {
    gStop.store(true, std::memory_order_release);
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    const auto options = velmora::parseHeadlessOptions(argc, argv, &error);
    if (!options) {
        std::fprintf(stderr, "velmora: %s\n%s", error.c_str(), velmora::kHeadlessUsage);
        return 1;
    }
    if (options->help) {
        std::fputs(velmora::kHeadlessUsage, stdout);
        return 0;
    }
    if (!options->headless)
        std::fprintf(stderr, "velmora: the window is not built yet; running headless\n");
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    return velmora::runHeadless(*options, stdout, stderr, gStop);
}
