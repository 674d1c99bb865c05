#include "gui/MenuPositionsDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/DialogButtons.h"

namespace velmora::gui {

namespace {
constexpr int kBoxColumns = 2;
}

MenuPositionsDialog::MenuPositionsDialog(QWidget* parent, const MenuItemDef& def)
    : QDialog(parent), boxes_(menuPositionBoxes(def)) {
    const MenuSettingDialog kind = menuSettingDialog(def);
    setObjectName(QString::number(menuSettingDialogId(kind)));
    setWindowTitle("MENU LIST SETTING");
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QString::fromStdString(menuSettingTitle(def, kind)), this);
    title->setObjectName("1004");
    layout->addWidget(title);
    auto* grid = new QGridLayout;
    int shown = 0;
    for (const MenuPositionBox& b : boxes_) {
        auto* check = new QCheckBox(QString::fromStdString(b.label), this);
        check->setObjectName(QString::number(b.controlId));
        check->setChecked(b.checked);
        // A hidden box still holds its position's bit, so that OK keeps it as it was.
        check->setVisible(b.visible);
        if (b.visible) {
            grid->addWidget(check, shown / kBoxColumns, shown % kBoxColumns);
            ++shown;
        }
        checks_.push_back(check);
    }
    layout->addLayout(grid);
    auto* buttons = okCancelButtons(*this);
    layout->addWidget(buttons);
}

std::vector<MenuPositionBox> MenuPositionsDialog::boxes() const {
    std::vector<MenuPositionBox> out = boxes_;
    for (size_t i = 0; i < out.size(); ++i) out[i].checked = checks_[i]->isChecked();
    return out;
}

}  // namespace velmora::gui
