#pragma once
// A Canvas that records what the display draws, for tests of the display rules.
#include <cstdint>
#include <vector>

#include "panel/display/Canvas.h"

namespace velmora::test {

struct PictureDraw {
    int32_t picture;
    PanelRect source, dest;
};

struct LineDraw {
    PanelPoint from, to;
    Rgb colour;
    int width;
};

class RecordingCanvas : public Canvas {
  public:
    void drawPicture(int32_t pictureId, PanelRect source, PanelRect dest) override {
        pictures.push_back({pictureId, source, dest});
    }
    void drawLine(PanelPoint from, PanelPoint to, Rgb colour, int width) override {
        lines.push_back({from, to, colour, width});
        ++shapes;
    }
    void drawPolyline(std::span<const PanelPoint>, Rgb, int) override { ++shapes; }
    void fillPolygon(std::span<const PanelPoint>, Rgb) override { ++shapes; }
    void drawRoundedRect(PanelRect, int, Rgb, const Rgb*) override { ++shapes; }
    void fillRect(PanelRect rect, Rgb) override {
        fills.push_back(rect);
        ++shapes;
    }

    // The picture drawn last into dest, or 0 when nothing was drawn there.
    int32_t lastAt(PanelRect dest) const {
        for (auto it = pictures.rbegin(); it != pictures.rend(); ++it) {
            if (it->dest == dest) return it->picture;
        }
        return 0;
    }
    void clear() {
        pictures.clear();
        lines.clear();
        fills.clear();
        shapes = 0;
    }

    std::vector<PictureDraw> pictures;
    std::vector<LineDraw> lines;
    std::vector<PanelRect> fills;
    int shapes = 0;
};

}  // namespace velmora::test
