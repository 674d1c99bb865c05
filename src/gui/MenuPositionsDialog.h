#pragma once
// MENU LIST SETTING with check boxes: MY BAND's bands (dialog 869) and LEVEL INDICATOR's
// indicators (dialog 922), one box per position, checked for the positions set in the shown
// value.
#include <QDialog>
#include <vector>

#include "windows/MenuSettingChoice.h"

class QCheckBox;

namespace velmora::gui {

class MenuPositionsDialog : public QDialog {
    Q_OBJECT
  public:
    MenuPositionsDialog(QWidget* parent, const MenuItemDef& def);
    // The boxes as the operator left them.
    std::vector<MenuPositionBox> boxes() const;

  private:
    std::vector<MenuPositionBox> boxes_;
    std::vector<QCheckBox*> checks_;
};

}  // namespace velmora::gui
