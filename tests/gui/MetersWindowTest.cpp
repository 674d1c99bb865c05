#include <chrono>

#include "WindowFixture.h"
#include "link/RadioStateStore.h"

namespace velmora::gui::test {
namespace {

using namespace std::chrono_literals;

const QRect kMeterFace(58, 34, 161, 66);
const QRect kBarSegments(261, 73, 4 * 33, 2);

TEST_F(WindowFixture, DriftingMetersMoveTheNeedleAndTheBarOfTheBackBuffer) {
    auto area = [&](const QRect& r) { return window_->canvas().backBuffer().copy(r); };
    connect();
    const RadioRecords& records = app_->store().records;
    // Powered and read: the bar shows the sub receiver's level.
    ASSERT_TRUE(pumpUntil([&] { return records.ps.get() == 1 && records.sm[1].get() != 0; }, 30s));
    ASSERT_TRUE(pumpUntil([&] { return dlg().initialDrawDone(); }));
    const QImage face = area(kMeterFace), bar = area(kBarSegments);

    radio_->setMeterDrift(50);
    EXPECT_TRUE(
        pumpUntil([&] { return area(kMeterFace) != face && area(kBarSegments) != bar; }, 30s));
}

}  // namespace
}  // namespace velmora::gui::test
