#pragma once
// The sprite groups of every panel element, filled once at start-up by LoadPanelBitmaps and only
// read afterwards (on the GUI thread).
#include <array>
#include <vector>

#include "panel/display/PanelElement.h"
#include "panel/display/PanelSprite.h"
#include "panel/display/PictureSource.h"

namespace velmora {

class PanelPictures {
  public:
    SpriteGroup group(PanelElement e) const { return groups_[static_cast<size_t>(e)]; }
    std::vector<PanelSprite>& records(PanelElement e) { return groups_[static_cast<size_t>(e)]; }

  private:
    std::array<std::vector<PanelSprite>, kPanelElementCount> groups_;
};

// Fills every group from the layout tables: a picture the source does not have leaves its record
// empty (it draws nothing) but keeps its place. Reserved groups stay empty.
void LoadPanelBitmaps(PanelPictures& pictures, const PictureSource& source);

}  // namespace velmora
