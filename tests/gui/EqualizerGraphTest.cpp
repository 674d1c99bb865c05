// The equalizer graph keeps a still picture between frames; whatever the operator did before, a
// graph that has drawn many times shows the same pixels as one drawing for the first time.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <vector>

#include "gui/EqualizerWindow.h"
#include "gui/WindowFixture.h"
#include "link/RadioStateStore.h"
#include "menulist/BuiltInMenuTable.h"

namespace velmora::gui::test {
namespace {

QImage drawn(const EqualizerGraph& graph, QSize size, qreal ratio) {
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter p(&image);
    graph.render(p, size);
    return image;
}

TEST(EqualizerGraphTest, AGraphThatDrewBeforeMatchesAFreshOneThroughEditsSizesAndRatios) {
    application();
    RadioStateStore store;
    InitRadioState(store, nullptr);
    store.menus.install(builtInMenuDefinitions().data(), kBuiltInMenuItemCount);
    store.menus.setCount(kBuiltInMenuItemCount);
    EqualizerWindow window(nullptr, store, 1, [] {});
    struct Row {
        const char* what;
        std::vector<Qt::Key> keys;
        QSize size;
        qreal ratio;
    };
    const std::vector<Row> rows = {
        {"first drawing", {}, {600, 300}, 1},
        {"a level step", {Qt::Key_Up}, {600, 300}, 1},
        {"the selected band turned OFF", std::vector<Qt::Key>(30, Qt::Key_Left), {600, 300}, 1},
        {"another band selected", {Qt::Key_2}, {600, 300}, 1},
        {"the OFF band back on", {Qt::Key_1, Qt::Key_Right}, {600, 300}, 1},
        {"a larger graph", {}, {800, 420}, 1},
        {"a pixel ratio of 2", {}, {800, 420}, 2},
        {"a step at ratio 2", {Qt::Key_PageUp}, {800, 420}, 2},
        {"back to ratio 1", {}, {800, 420}, 1},
    };
    for (const Row& row : rows) {
        for (const Qt::Key k : row.keys) {
            QKeyEvent key(QEvent::KeyPress, k, Qt::NoModifier);
            QApplication::sendEvent(&window, &key);
        }
        const EqualizerGraph fresh(nullptr, window.editor());
        EXPECT_EQ(drawn(window.graph(), row.size, row.ratio), drawn(fresh, row.size, row.ratio))
            << row.what;
    }
}

}  // namespace
}  // namespace velmora::gui::test
