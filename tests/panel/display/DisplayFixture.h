#pragma once
// A display drawing into a recording canvas, with every picture present at its table size.
#include <gtest/gtest.h>

#include <memory>

#include "link/RadioStateStore.h"
#include "panel/display/PanelDisplay.h"
#include "panel/display/PictureCatalogue.h"
#include "support/FakeWindowHost.h"
#include "support/RecordingCanvas.h"

namespace velmora::test {

class CatalogueSource : public PictureSource {
  public:
    std::optional<PictureSize> picture(int32_t id) const override {
        if (id == missing) return std::nullopt;
        const PictureUse* use = findPictureUse(id);
        if (!use) return std::nullopt;
        return use->size;
    }
    int32_t missing = -1;
};

class DisplayFixture : public ::testing::Test {
  protected:
    DisplayFixture() : store(std::make_unique<RadioStateStore>()) {
        InitRadioState(*store, [](RadioStateStore&) {});
        InitPanelState(*store);
        LoadPanelBitmaps(pictures, source);
        display = std::make_unique<PanelDisplay>(canvas, pictures, *store, timers);
    }

    // The state element e was drawn in last at the place of its record `record` (the first
    // record of the group with that place and picture), or -1 when nothing was drawn there.
    int stateOf(PanelElement e, size_t record = 0) const {
        const SpriteGroup g = pictures.group(e);
        const int32_t drawn = canvas.lastAt(g[record].rect());
        for (size_t k = 0; k < g.size(); ++k) {
            if (g[k].rect() == g[record].rect() && g[k].picture == drawn)
                return static_cast<int>(k);
        }
        return -1;
    }
    // For multi-part indicators: whether part p (of n) shows lit.
    bool partLit(PanelElement e, int p, int n, bool litFirst = false) const {
        const int s = stateOf(e, static_cast<size_t>(p));
        return litFirst ? s == p : s == n + p;
    }

    CatalogueSource source;
    PanelPictures pictures;
    RecordingCanvas canvas;
    FakeWindowHost timers;
    std::unique_ptr<RadioStateStore> store;
    std::unique_ptr<PanelDisplay> display;
};

}  // namespace velmora::test
