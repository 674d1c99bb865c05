#pragma once
// What the display logic draws on. The Qt window implements it on its back buffer; tests record
// the calls. Coordinates are panel pixels, origin top left.
#include <cstdint>
#include <span>

namespace velmora {

struct PanelRect {
    int32_t x = 0, y = 0, width = 0, height = 0;
    bool empty() const { return width <= 0 || height <= 0; }
    bool operator==(const PanelRect&) const = default;
};

struct PanelPoint {
    int32_t x = 0, y = 0;
    bool operator==(const PanelPoint&) const = default;
};

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// The colour that lets the background show through a picture.
inline constexpr Rgb kTransparentColour{0, 255, 0};

// The panel picture's size: the window's back buffer and every full-panel picture.
inline constexpr int32_t kPanelWidth = 1024, kPanelHeight = 322;
inline constexpr PanelRect kPanelArea{0, 0, kPanelWidth, kPanelHeight};

class Canvas {
  public:
    virtual ~Canvas() = default;
    // Copies the source rectangle of picture id to dest, leaving pixels of the transparent colour
    // out; a dest larger than the source stretches. An unknown picture draws nothing.
    virtual void drawPicture(int32_t pictureId, PanelRect source, PanelRect dest) = 0;
    virtual void drawLine(PanelPoint from, PanelPoint to, Rgb colour, int width) = 0;
    virtual void drawPolyline(std::span<const PanelPoint> points, Rgb colour, int width) = 0;
    virtual void fillPolygon(std::span<const PanelPoint> points, Rgb colour) = 0;
    // A frame of the given colour with rounded corners; filled with fill when it is given.
    virtual void drawRoundedRect(PanelRect rect, int radius, Rgb frame, const Rgb* fill) = 0;
    virtual void fillRect(PanelRect rect, Rgb colour) = 0;
};

}  // namespace velmora
