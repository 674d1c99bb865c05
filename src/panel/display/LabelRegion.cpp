#include "panel/display/LabelRegion.h"

namespace velmora {

// Entry = the value knob's highlight id. Labels sit above their knob: inner value left, outer
// value right. Entries 9 to 12, 17 and 18 name no knob value; they are the panel's group titles.
// clang-format off
const std::array<LabelRegion, kLabelRegionCount> kLabelRegions = {{
    /*  0 */ {{176, 182, 17, 5}, {}, "MONI", nullptr},
    /*  1 */ {{203, 182, 17, 5}, {}, "PROC", nullptr},
    /*  2 */ {{ 93, 250, 21, 5}, {}, "SPEED", nullptr},
    /*  3 */ {{118, 250, 21, 5}, {}, "PITCH", nullptr},
    /*  4 */ {{324, 182, 9, 5},  {}, "NB", nullptr},
    /*  5 */ {{344, 182, 13, 5}, {}, "SQL", nullptr},
    /*  6 */ {{ 27, 250, 13, 5}, {}, "MIC", nullptr},
    /*  7 */ {{164, 250, 13, 5}, {}, "VOX", nullptr},
    /*  8 */ {{184, 250, 21, 5}, {}, "DELAY", nullptr},
    /*  9 */ {{987, 16, 28, 9},  {960, 7, 38, 9}, "SPOT", "CW KEY"},
    /* 10 */ {{918, 16, 28, 9},  {904, 7, 38, 9}, "NB", "NOISE"},
    /* 11 */ {{114, 184, 21, 5}, {}, "METER", nullptr},
    /* 12 */ {{ 98, 314, 37, 5}, {}, "CW KEYER", nullptr},
    /* 13 */ {{238, 250, 9, 5},  {}, "AF", nullptr},
    /* 14 */ {{273, 250, 9, 5},  {}, "RF", nullptr},
    /* 15 */ {{316, 250, 9, 5},  {}, "AF", nullptr},
    /* 16 */ {{351, 250, 9, 5},  {}, "RF", nullptr},
    /* 17 */ {{253, 243, 13, 5}, {}, "SUB", nullptr},
    /* 18 */ {{329, 243, 17, 5}, {}, "MAIN", nullptr},
    /* 19 */ {{ 43, 250, 25, 5}, {}, "RF PWR", nullptr},
    /* 20 */ {{254, 182, 9, 5},  {}, "NB", nullptr},
    /* 21 */ {{274, 182, 13, 5}, {}, "SQL", nullptr},
}};
// clang-format on

void DrawLabelRegion(Canvas& canvas, bool lit, int index) {
    if (index < 0 || index >= kLabelRegionCount) return;
    const int32_t picture = lit ? kLitPanelPicture : kPlainPanelPicture;
    const LabelRegion& r = kLabelRegions[static_cast<size_t>(index)];
    canvas.drawPicture(picture, r.first, r.first);
    if (!r.second.empty()) canvas.drawPicture(picture, r.second, r.second);
}

}  // namespace velmora
