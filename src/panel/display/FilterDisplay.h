#pragma once
// The filter display of one side: a 99 x 24 graphic display showing one of six pages (SFT/WID,
// CTR, APF, NTC, PRESEL/FTUNE, DNR). The page follows the DSP setting of that side that changed
// last; the 30 ms refresh draws only when the page's inputs changed.
#include <cstdint>
#include <functional>

#include "panel/display/DisplayContext.h"

namespace velmora {

// What one side's display shows, read from the store.
struct FilterInputs {
    int32_t mode = 0, nar = 0, shift = 0, width = 0;
    int32_t contourOn = 0, contour = 0, apf = 0;
    int32_t notchOn = 0, notch = 0;
    int32_t level = 0, ftune = 0, dnr = 0;
    int32_t pitch = 0;  // the CW pitch in Hz in a CW mode (the passband's centre), else 0
    bool operator==(const FilterInputs&) const = default;
};

enum FilterPage : int {
    kNoPage = 0,
    kShiftPage = 1,
    kContourPage,
    kApfPage,
    kNotchPage,
    kLevelPage,
    kDnrPage,
};

class FilterDisplay {
  public:
    static constexpr int kSideOffset = 120;

    FilterDisplay(const DisplayContext& ctx, int side, std::function<bool()> connected);

    // The 30 ms refresh: nothing while the port is closed; otherwise draws when the inputs
    // changed since the last draw. The full repaint forces the draw.
    void refresh(bool force = false);

    int page() const { return page_; }
    // The page that the change from `before` to `now` shows (kNoPage when none of a page's
    // inputs changed), and whether the shift page titles WID.
    static int pageOfChange(const FilterInputs& before, const FilterInputs& now, bool& width);
    // The CW pitch in Hz for the pitch setting (0..75, 10 Hz a step from 300 Hz).
    static int32_t cwPitchHz(int32_t setting) { return 300 + 10 * setting; }

  private:
    FilterInputs read() const;

    DisplayContext ctx_;
    int side_;
    std::function<bool()> connected_;
    int page_ = kShiftPage;
    bool widthTitle_ = false, drawn_ = false;
    FilterInputs last_;
};

}  // namespace velmora
