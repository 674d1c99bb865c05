#include "gui/ChoiceDialog.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "gui/DialogButtons.h"
#include "gui/StringText.h"
#include "link/MessageIds.h"
#include "link/WindowHost.h"
#include "resources/StringTable.h"

namespace velmora::gui {

ChoiceDialog::ChoiceDialog(QWidget* parent, ChoiceList::Kind kind, SerialPort& port,
                           const PortDirectory& ports, RadioStateStore& store, WindowHost& host)
    : PanelWindowWidget(parent), list_(kind, port, ports), port_(port), store_(store), host_(host) {
    const bool isPort = kind == ChoiceList::Kind::Port;
    setObjectName(isPort ? "599" : "589");
    setWindowTitle(isPort ? "COM Select" : "Baud rate");
    auto* layout = new QVBoxLayout(this);
    combo_ = new QComboBox(this);
    combo_->setObjectName("1019");
    for (const ChoiceRow& row : list_.rows()) {
        combo_->addItem(QString::fromStdString(row.text), row.value);
        if (row.current) {
            combo_->setItemData(combo_->count() - 1, kCurrentColour, Qt::ForegroundRole);
        }
    }
    combo_->setCurrentIndex(std::max(0, list_.currentRow()));
    // Only the operator's pick counts: until then OK changes nothing.
    connect(combo_, &QComboBox::activated, this, [this](int row) { list_.pick(row); });
    status_ = new QLabel(this);
    status_->setObjectName("status");
    status_->setStyleSheet("color: rgb(200, 0, 0)");
    buttons_ = okCancelButtons(*this);
    layout->addWidget(combo_);
    layout->addWidget(status_);
    layout->addWidget(buttons_);
}

void ChoiceDialog::accept() {
    if (busy_) return;
    setBusy(true);
    status_->clear();
    const bool done = list_.apply(port_, store_);
    setBusy(false);
    if (!done) status_->setText(stringQText(string_id::kProbeFailed));
}

void ChoiceDialog::reject() {
    if (busy_) return;
    host_.send(list_.kind() == ChoiceList::Kind::Port ? notice::COM_SELECT_CLOSED
                                                      : notice::BAUD_RATE_CLOSED,
               0, 0);
}

void ChoiceDialog::setBusy(bool busy) {
    busy_ = busy;
    combo_->setEnabled(!busy);
    buttons_->setEnabled(!busy);
}

}  // namespace velmora::gui
