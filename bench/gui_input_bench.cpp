// The panel's input against the simulated radio, offscreen, with real mouse and wheel events on
// the panel view: how long a key click takes to reach the radio's line, whether 100 wheel
// notches over the main dial in one second move the radio exactly 100 steps (and in how many
// commands), and what the program costs while the window is open and nobody touches it.
// Prints its figures; run from build/dev/bench.
#include <QMouseEvent>
#include <QWheelEvent>
#include <cstdlib>

#include "WindowAgainstRadio.h"
#include "link/RadioStateStore.h"

using namespace velmora;
using namespace velmora::bench;

namespace {

constexpr char kMarker = '!';  // a transcript entry of our own: the moment of a click
constexpr PanelPoint kModeKey{813, 37}, kMainDial{516, 220};
constexpr int kClicks = 200, kNotches = 100;

void pumpFor(std::chrono::milliseconds span) {
    pumpUntil([] { return false; }, span);
}

class Bench {
  public:
    Bench(gui::MainWindow& window, sim::SimulatedRadio& radio, sim::Transcript& transcript)
        : window_(window), radio_(radio), transcript_(transcript) {}

    QPointF at(PanelPoint p) {
        const QRect r = window_.view().panelRect();
        return {r.x() + (p.x + 0.5) * r.width() / kPanelWidth,
                r.y() + (p.y + 0.5) * r.height() / kPanelHeight};
    }
    void mouse(QEvent::Type type, PanelPoint p) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent e(type, at(p), window_.view().mapToGlobal(at(p)), Qt::LeftButton, held,
                      Qt::NoModifier);
        QApplication::sendEvent(&window_.view(), &e);
    }
    void wheel(PanelPoint p) {
        QWheelEvent e(at(p), window_.view().mapToGlobal(at(p)), QPoint(), QPoint(0, 120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&window_.view(), &e);
    }

    // Click -> the key's command on the radio's line, from the transcript's own clock.
    std::vector<double> clickLatencies() {
        for (int i = 0; i < kClicks; ++i) {
            const uint64_t before = radio_.commandsHandled();
            transcript_.record(kMarker, "click");
            mouse(QEvent::MouseButtonPress, kModeKey);
            pumpUntil([&] { return radio_.commandsHandled() > before; }, std::chrono::seconds(2));
            mouse(QEvent::MouseButtonRelease, kModeKey);
            pumpFor(std::chrono::milliseconds(40));  // the radio's report, and a pacing slot
        }
        std::vector<double> out;
        double clickAt = -1;
        for (const sim::TranscriptEntry& e : transcript_.entries()) {
            if (e.direction == kMarker) {
                clickAt = e.millis;
            } else if (clickAt >= 0 && e.direction == sim::Transcript::kToRadio &&
                       e.bytes.find("MK0;") != std::string::npos) {
                out.push_back(e.millis - clickAt);
                clickAt = -1;
            }
        }
        return out;
    }

    struct WheelRun {
        int64_t moved;
        int commands;
        double spreadMs;
    };
    // kNotches notches over the main dial spread over one second.
    WheelRun wheelNotches() {
        const int64_t start = radio_.snapshot().frequency(sim::kMain);
        const size_t entriesBefore = transcript_.entries().size();
        const auto t0 = Clock::now();
        for (int i = 0; i < kNotches; ++i) {
            wheel(kMainDial);
            pumpFor(std::chrono::milliseconds(10));
        }
        const double spread = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
        // The main dial moves 1 Hz a step.
        pumpUntil([&] { return radio_.snapshot().frequency(sim::kMain) - start >= kNotches; },
                  std::chrono::seconds(5));
        pumpFor(std::chrono::milliseconds(300));  // anything late would show now
        int commands = 0;
        const std::vector<sim::TranscriptEntry> entries = transcript_.entries();
        for (size_t i = entriesBefore; i < entries.size(); ++i) {
            const std::string& b = entries[i].bytes;
            if (entries[i].direction != sim::Transcript::kToRadio) continue;
            for (size_t at = b.find("EU0"); at != std::string::npos; at = b.find("EU0", at + 1))
                ++commands;
        }
        return {radio_.snapshot().frequency(sim::kMain) - start, commands, spread};
    }

  private:
    gui::MainWindow& window_;
    sim::SimulatedRadio& radio_;
    sim::Transcript& transcript_;
};

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication qapp(argc, argv);
    sim::Transcript transcript;
    WindowAgainstRadio run(1.5, &transcript);
    if (!run.connectAndRead()) return 1;

    Bench bench(*run.window, run.radio, transcript);
    const std::vector<double> clicks = bench.clickLatencies();
    std::printf(
        "key click -> command on the radio's line (%zu of %d clicks, window zoomed 1.5, unpaced "
        "pty): p50 %.2f ms p99 %.2f ms (goal p99 <= one 30 ms pacing slot + 1 ms)\n",
        clicks.size(), kClicks, percentile(clicks, 0.5), percentile(clicks, 0.99));

    const Bench::WheelRun wheel = bench.wheelNotches();
    std::printf(
        "%d wheel notches over the main dial in %.0f ms: the radio moved %lld steps in %d "
        "commands (goal: exactly %d steps, none lost)\n",
        kNotches, wheel.spreadMs, static_cast<long long>(wheel.moved), wheel.commands, kNotches);

    constexpr int kIdleSeconds = 10;
    const Idle idle = idleCpu(kIdleSeconds);
    std::printf(
        "idle CPU over %d s with the window open and no input: program %.2f %% of one core "
        "(goal <= 0.5 %%), GUI thread %.2f %%\n",
        kIdleSeconds, idle.program, idle.guiThread);
    return 0;
}
