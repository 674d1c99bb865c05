#include "panel/display/FilterDisplay.h"

#include "panel/display/FilterPage.h"

namespace velmora {

FilterDisplay::FilterDisplay(const DisplayContext& ctx, int side, std::function<bool()> connected)
    : ctx_(ctx), side_(side), connected_(std::move(connected)) {}

FilterInputs FilterDisplay::read() const {
    const RadioRecords& r = ctx_.store.records;
    const auto s = static_cast<size_t>(side_);
    const VfRecords& vf = r.vf[s];
    const auto flag = static_cast<size_t>(vf.flag.get() != 0 ? 1 : 0);
    const int32_t mode = r.md[s].get();
    // The pitch moves a CW passband only; elsewhere its change must not turn the page.
    const bool cw = mode == 3 || mode == 7;
    return {mode,
            r.na[s].get(),
            r.is[s].get(),
            r.sh[s].get(),
            r.coOn[s].get(),
            r.coFirst[s].get(),
            r.coSecond[s].get(),
            r.bpOn[s].get(),
            r.bpLevel[s].get(),
            vf.level[flag].get(),
            vf.flag.get(),
            r.nr[s].get(),
            cw ? cwPitchHz(r.kp.get()) : 0};
}

int FilterDisplay::pageOfChange(const FilterInputs& before, const FilterInputs& now, bool& width) {
    if (now.width != before.width) {
        width = true;
        return kShiftPage;
    }
    const bool pitch = now.pitch != before.pitch && now.mode == before.mode;
    if (now.shift != before.shift || pitch) {
        width = false;
        return kShiftPage;
    }
    if (now.contourOn != before.contourOn || now.contour != before.contour) return kContourPage;
    if (now.apf != before.apf) return kApfPage;
    if (now.notchOn != before.notchOn || now.notch != before.notch) return kNotchPage;
    if (now.level != before.level || now.ftune != before.ftune) return kLevelPage;
    if (now.dnr != before.dnr) return kDnrPage;
    return kNoPage;
}

void FilterDisplay::refresh(bool force) {
    if (!connected_ || !connected_()) return;
    const FilterInputs now = read();
    if (drawn_ && now == last_ && !force) return;
    // The start-up values pick no page: the display opens on the shift page.
    if (drawn_) {
        const int changed = pageOfChange(last_, now, widthTitle_);
        if (changed != kNoPage) page_ = changed;
    }
    last_ = now;
    drawn_ = true;
    DrawFilterPage(ctx_.canvas, side_, page_, widthTitle_, now);
}

}  // namespace velmora
