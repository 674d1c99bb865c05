#pragma once
// A store prepared as at start-up, with a recording main window. Fixtures add the thread fakes
// their code posts to.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "link/RadioStateStore.h"
#include "support/FakeWindowHost.h"

namespace velmora::test {

// Takes every command waiting in the ring, each as its text.
inline std::vector<std::string> takeAll(CommRing& ring) {
    std::vector<std::string> out;
    uint8_t buffer[CommRing::kSlotSize];
    for (uint16_t n; (n = ring.tryGet(buffer)) != CommRing::kEmpty && n != CommRing::kWoken;)
        out.emplace_back(reinterpret_cast<const char*>(buffer), n);
    return out;
}

class StoreFixture : public ::testing::Test {
  protected:
    StoreFixture() {
        InitRadioState(*store, nullptr);
        InitPanelState(*store);
        store->mainWindow = &window;
    }

    std::unique_ptr<RadioStateStore> store = std::make_unique<RadioStateStore>();
    FakeWindowHost window;
};

}  // namespace velmora::test
