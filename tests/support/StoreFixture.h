#pragma once
// A store prepared as at start-up, with a recording main window. Fixtures add the thread fakes
// their code posts to.
#include <gtest/gtest.h>

#include <memory>

#include "link/RadioStateStore.h"
#include "support/FakeWindowHost.h"

namespace velmora::test {

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
