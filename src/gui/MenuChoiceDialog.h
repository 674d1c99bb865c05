#pragma once
// MENU LIST SETTING with a list (dialog 717): the item's title and its entries, the shown value
// preselected. Lists of a few hundred entries or more (delays, frequencies, beacon times) get a
// spin box instead of a drop-down: it steps entry by entry and snaps a typed value to the
// nearest entry.
#include <QDialog>

#include "windows/MenuSettingChoice.h"

class QComboBox;
class QSpinBox;

namespace velmora::gui {

class MenuChoiceDialog : public QDialog {
    Q_OBJECT
  public:
    MenuChoiceDialog(QWidget* parent, const MenuItemDef& def);
    const MenuChoiceList& list() const { return list_; }
    // The entry chosen, -1 when none.
    int chosenIndex();

  private:
    MenuChoiceList list_;
    QComboBox* combo_ = nullptr;
    QSpinBox* spin_ = nullptr;
};

}  // namespace velmora::gui
