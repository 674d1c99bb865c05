// The equalizer window offscreen, offline (every step lands in the window at once): how long one
// step takes to recompute the curves and redraw the graph, and how many frames a second
// the graph shows while a handle is dragged back and forth for 2 s. Prints its figures; run from
// build/dev/bench, and with QT_SCALE_FACTOR=2 for a HiDPI screen. An argument names a PNG to
// write the window into.
// A step's figure is the key press sent to the window (the editor's step, the value displays and
// buttons brought up to date) plus the graph's synchronous repaint, which paints every dirty
// widget into the window's backing store (the graph and the changed value display) and flushes
// it. Wall time includes whatever the scheduler gives other processes on a loaded machine; the
// GUI thread's CPU time does not.
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <cstdlib>

#include "WindowAgainstRadio.h"
#include "equalizer/EqualizerCurve.h"
#include "gui/EqualizerWindow.h"
#include "link/RadioStateStore.h"
#include "menulist/BuiltInMenuTable.h"

using namespace velmora;
using namespace velmora::bench;

namespace {

void mouse(QWidget& w, QEvent::Type type, QPointF at, Qt::MouseButtons held) {
    QMouseEvent e(type, at, w.mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication qapp(argc, argv);
    RadioStateStore store;
    InitRadioState(store, nullptr);
    store.menus.install(builtInMenuDefinitions().data(), kBuiltInMenuItemCount);
    store.menus.setCount(kBuiltInMenuItemCount);
    gui::EqualizerWindow window(nullptr, store, 1, [] {});
    window.resize(960, 640);
    window.show();
    QCoreApplication::processEvents();
    gui::EqualizerGraph& graph = window.graph();

    constexpr int kSteps = 400;
    std::vector<double> step, stepCpu;
    for (int i = 0; i < kSteps; ++i) {
        // The step as the keyboard makes it (an arrow button's own press animation is the
        // button's cost, not the step's): band 1's LEVEL up ten times, then down ten times.
        QKeyEvent key(QEvent::KeyPress, i % 20 < 10 ? Qt::Key_Up : Qt::Key_Down, Qt::NoModifier);
        const double cpu0 = guiThreadCpuSeconds();
        const auto t0 = Clock::now();
        QApplication::sendEvent(&window, &key);
        graph.repaint();
        step.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
        stepCpu.push_back((guiThreadCpuSeconds() - cpu0) * 1e3);
    }
    std::printf(
        "step -> curves recomputed and graph redrawn (%d steps, %dx%d at pixel ratio %.2g): "
        "wall p50 %.2f ms p99 %.2f ms (goal p99 <= 2 ms); GUI thread CPU p50 %.2f ms p99 "
        "%.2f ms\n",
        kSteps, graph.width(), graph.height(), graph.devicePixelRatioF(), percentile(step, 0.5),
        percentile(step, 0.99), percentile(stepCpu, 0.5), percentile(stepCpu, 0.99));

    std::vector<double> curves, redraw;
    for (int i = 0; i < kSteps; ++i) {
        auto t0 = Clock::now();
        const auto sum = equalizer::combinedCurve(window.editor().current());
        curves.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count() +
                         sum[0] * 0);
        t0 = Clock::now();
        graph.repaint();
        redraw.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
    }
    std::printf(
        "of which: the four curves computed p50 %.3f ms p99 %.3f ms; the graph redrawn "
        "alone p50 %.2f ms p99 %.2f ms\n",
        percentile(curves, 0.5), percentile(curves, 0.99), percentile(redraw, 0.5),
        percentile(redraw, 0.99));

    // Band 1's handle dragged in a sweep over its frequencies and levels; one repaint per move.
    const QPointF start = graph.toWidget(*graph.handle(1));
    mouse(graph, QEvent::MouseButtonPress, start, Qt::LeftButton);
    int frames = 0;
    const auto t0 = Clock::now();
    while (Clock::now() - t0 < std::chrono::seconds(2)) {
        const double phase = (frames % 100) / 100.0;
        const QPointF at = graph.toWidget(QPointF(100 + 300 * phase, 60 + 230 * phase));
        mouse(graph, QEvent::MouseMove, at, Qt::LeftButton);
        graph.repaint();
        ++frames;
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - t0).count();
    mouse(graph, QEvent::MouseButtonRelease, start, Qt::NoButton);
    std::printf("handle dragged for 2 s: %.0f frames a second (goal >= 50)\n", frames / seconds);
    if (argc > 1) window.grab().save(argv[1]);
    return 0;
}
