// The Rotator window open against the simulated radio, offscreen, with the rotator still: what the
// whole program costs while the window polls the rotator every 100 ms (timer 20), next to the
// same time with no window open (the simulated radio runs in the same process, so its share is
// in both figures). Prints its figures; run from build/dev/bench.
#include <cstdlib>
#include <string>

#include "WindowAgainstRadio.h"
#include "link/MessageIds.h"

using namespace velmora;
using namespace velmora::bench;

namespace {

size_t count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) ++n;
    return n;
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication qapp(argc, argv);
    sim::Transcript transcript;
    WindowAgainstRadio run(1.0, &transcript);
    if (!run.connectAndRead()) return 1;
    constexpr int kSeconds = 10;

    const Idle base = idleCpu(kSeconds);
    const size_t before = count(transcript.joined(sim::Transcript::kToRadio), "RO;");
    run.window->dlg().panelInput().OnMenuCommand(menu_item::ROTATOR);
    const Idle open = idleCpu(kSeconds);
    const size_t reads = count(transcript.joined(sim::Transcript::kToRadio), "RO;") - before;

    std::printf(
        "CPU over %d s, no window open, the radio still: program %.2f %% of one core, GUI "
        "thread %.2f %%\n",
        kSeconds, base.program, base.guiThread);
    std::printf(
        "CPU over %d s, the Rotator window open, the rotator still: program %.2f %% of one "
        "core, GUI thread %.2f %%; %zu rotator reads (RO;) sent\n",
        kSeconds, open.program, open.guiThread, reads);
    return 0;
}
