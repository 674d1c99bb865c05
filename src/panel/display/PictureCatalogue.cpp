#include "panel/display/PictureCatalogue.h"

#include <algorithm>
#include <map>

#include "panel/display/PanelLayout.h"

namespace velmora {

namespace {

using namespace picture;
constexpr PanelElement kNone = PanelElement::Count;

// clang-format off
// Pictures outside the element groups: id, width, height.
constexpr struct { int32_t id, width, height; } kOtherPictures[] = {
    {kBackground, 1024, 322}, {kPlainPanel, 1024, 322}, {kLitPanel, 1024, 322},
    {kLogo, 1611, 589},
    {kMainDial, 157, 156}, {kMainDimple, 53, 53}, {kClarKnob, 69, 68}, {kDspKnob, 69, 68},
    {kSmallDimple, 20, 20}, {kSmallKnob, 41, 39}, {kMeterKnob, 41, 39}, {kGainKnob, 52, 50},
    {kMeterFace, 161, 66},
    // Filter displays: blank, digits 0-9, ".", "+", "-", "Hz", "kHz", page titles, DNR, "OFF".
    {kFilterBlank, 96, 27},
    {1186, 5, 7}, {1187, 5, 7}, {1188, 5, 7}, {1190, 5, 7}, {1191, 5, 7}, {1192, 5, 7},
    {1193, 5, 7}, {1194, 5, 7}, {1195, 5, 7}, {1196, 5, 7},
    {1197, 2, 7}, {1199, 5, 7}, {1198, 5, 7}, {1200, 9, 7}, {1189, 13, 7},
    {1182, 23, 10}, {1185, 23, 10}, {1179, 23, 10}, {1178, 23, 10}, {1180, 23, 10},
    {1184, 23, 10}, {1183, 23, 10}, {kFilterDnr, 99, 24}, {1181, 23, 10},
};
// clang-format on

void addRow(std::vector<PictureUse>& out, std::map<int32_t, size_t>& seen, const LayoutRow& row) {
    const size_t places = row.layouts.size();
    if (places == 0) return;
    for (size_t k = 0; k < row.ids.size(); ++k) {
        const int32_t id = row.ids[k];
        const SpriteLayout& l =
            row.form == LayoutForm::Crossed ? row.layouts[0] : row.layouts[k % places];
        if (const auto it = seen.find(id); it != seen.end()) {
            // A key cap shared by places of two sizes is made at the smaller one: the smaller
            // place shows all of it 1:1 and the larger stretches it, where a larger picture
            // would be cut.
            PictureSize& size = out[it->second].size;
            size.width = std::min(size.width, l.width);
            size.height = std::min(size.height, l.height);
            continue;
        }
        seen[id] = out.size();
        out.push_back({id, {l.width, l.height}, row.element, static_cast<int>(k)});
    }
}

std::vector<PictureUse> build() {
    std::vector<PictureUse> out;
    std::map<int32_t, size_t> seen;
    for (const LayoutRow& row : elementLayoutTable()) addRow(out, seen, row);
    for (const LayoutRow& row : glyphLayoutTable()) addRow(out, seen, row);
    for (const auto& p : kOtherPictures) {
        if (!seen.count(p.id)) out.push_back({p.id, {p.width, p.height}, kNone, 0});
    }
    return out;
}

}  // namespace

const std::vector<PictureUse>& panelPictureUses() {
    static const std::vector<PictureUse> uses = build();
    return uses;
}

const PictureUse* findPictureUse(int32_t id) {
    static const std::map<int32_t, size_t> index = [] {
        std::map<int32_t, size_t> m;
        const auto& uses = panelPictureUses();
        for (size_t i = 0; i < uses.size(); ++i) m[uses[i].id] = i;
        return m;
    }();
    const auto it = index.find(id);
    return it == index.end() ? nullptr : &panelPictureUses()[it->second];
}

}  // namespace velmora
