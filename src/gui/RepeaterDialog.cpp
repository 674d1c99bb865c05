#include "gui/RepeaterDialog.h"

#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/OptionDisplay.h"
#include "gui/ToneListDialog.h"
#include "link/MessageIds.h"

namespace velmora::gui {

RepeaterDialog::RepeaterDialog(QWidget* parent, WindowHost& mainWindow, RadioStateStore& store)
    : OptionWindow(parent, mainWindow, notice::REPEATER_CLOSED), logic_(store) {
    setObjectName("898");
    setWindowTitle("Repeater");
    runToneList = [this](int32_t stored) {
        ToneListDialog list(this, stored);
        list.exec();
        return list.chosenTone();
    };
    auto* layout = new QVBoxLayout(this);
    target_ = new QLabel(this);
    target_->setObjectName("1042");
    layout->addWidget(target_);
    auto* grid = new QGridLayout;
    const char* titles[] = {"CTCSS MODE", "CTCSS TONE FREQUENCY", "REPEATER SHIFT DIRECTION"};
    QLabel** displays[] = {&mode_, &tone_, &shift_};
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(new QLabel(titles[i], this), 2 * i, 0, 1, 3);
        *displays[i] = makeOptionDisplay(this, 1043 + i);
        grid->addWidget(*displays[i], 2 * i + 1, 0);
    }
    using K = RepeaterKey;
    addKey(grid, "OFF", 1026, 1, 1, [this] { logic_.press(K::Off); });
    addKey(grid, "ENC", 1027, 1, 2, [this] { logic_.press(K::Enc); });
    addKey(grid, "SQL", 1028, 1, 3, [this] { logic_.press(K::Sql); });
    addKey(grid, "Freq", 1029, 3, 1, [this] { chooseTone(); });
    addKey(grid, "S", 1030, 5, 1, [this] { logic_.press(K::Simplex); });
    addKey(grid, "-", 1031, 5, 2, [this] { logic_.press(K::Minus); });
    addKey(grid, "+", 1032, 5, 3, [this] { logic_.press(K::Plus); });
    grid->setColumnStretch(0, 1);
    layout->addLayout(grid);
    showTexts();
    logic_.open();
}

void RepeaterDialog::addKey(QGridLayout* grid, const char* label, int control, int row, int column,
                            std::function<void()> act) {
    auto* b = new QPushButton(label, this);
    b->setObjectName(QString::number(control));
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, std::move(act));
    grid->addWidget(b, row, column);
}

void RepeaterDialog::showTexts() {
    const RepeaterTexts t = logic_.texts();
    target_->setText(QString::fromStdString(t.target));
    showOnDisplay(mode_, QString::fromStdString(t.mode), window_colour::kBlack);
    showOnDisplay(tone_, QString::fromStdString(t.tone), window_colour::kBlack);
    showOnDisplay(shift_, QString::fromStdString(t.shift), window_colour::kBlack);
}

void RepeaterDialog::chooseTone() {
    if (const std::optional<int32_t> tone = runToneList(logic_.storedTone()))
        logic_.chooseTone(*tone);
}

void RepeaterDialog::relay(uint32_t id, uintptr_t, intptr_t) {
    if (logic_.onNotification(id)) showTexts();
}

}  // namespace velmora::gui
