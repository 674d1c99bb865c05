#include "panel/display/PanelPictures.h"

#include "panel/display/PanelLayout.h"

namespace velmora {

namespace {

PanelSprite makeSprite(int32_t id, const SpriteLayout& l, const PictureSource& source) {
    PanelSprite s;
    if (const auto size = source.picture(id)) {
        s.picture = id;
        s.pictureWidth = size->width;
        s.pictureHeight = size->height;
    }
    s.x = l.x;
    s.y = l.y;
    s.width = l.width;
    s.height = l.height;
    s.spare1 = l.spare1;
    s.spare2 = l.spare2;
    return s;
}

void loadRow(PanelPictures& pictures, const LayoutRow& row, const PictureSource& source) {
    auto& out = pictures.records(row.element);
    out.clear();
    if (row.layouts.empty()) return;
    if (row.form == LayoutForm::Crossed) {
        for (const SpriteLayout& place : row.layouts) {
            for (int32_t id : row.ids) out.push_back(makeSprite(id, place, source));
        }
        return;
    }
    for (size_t k = 0; k < row.ids.size(); ++k) {
        out.push_back(makeSprite(row.ids[k], row.layouts[k % row.layouts.size()], source));
    }
}

}  // namespace

void LoadPanelBitmaps(PanelPictures& pictures, const PictureSource& source) {
    for (const LayoutRow& row : elementLayoutTable()) loadRow(pictures, row, source);
    for (const LayoutRow& row : glyphLayoutTable()) loadRow(pictures, row, source);
}

}  // namespace velmora
