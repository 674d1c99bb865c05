#include "gui/VfoSetDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "gui/StringText.h"
#include "resources/StringTable.h"

namespace velmora::gui {

VfoSetDialog::VfoSetDialog(QWidget* parent, std::function<void()> enter,
                           std::function<void()> cancel)
    : PanelWindowWidget(parent), enter_(std::move(enter)), cancel_(std::move(cancel)) {
    setObjectName("456");
    setWindowTitle("VFO SET");
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(stringQText(string_id::kEnterFrequency), this);
    prompt->setObjectName("1050");
    auto* range = new QLabel(stringQText(string_id::kFrequencyRange), this);
    range->setObjectName("1051");
    field_ = new QLineEdit(this);
    field_->setObjectName("1000");
    field_->setMaxLength(kMaxDigits);
    field_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), field_));
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton("OK", QDialogButtonBox::AcceptRole)->setObjectName("1");
    buttons->addButton("CANCEL", QDialogButtonBox::RejectRole)->setObjectName("2");
    connect(buttons, &QDialogButtonBox::accepted, this, &VfoSetDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &VfoSetDialog::reject);
    layout->addWidget(prompt);
    layout->addWidget(range);
    layout->addWidget(field_);
    layout->addWidget(buttons);
    setFocusProxy(field_);
}

void VfoSetDialog::appendDigit(int digit) {
    if (field_->text().size() >= kMaxDigits) return;
    field_->setText(field_->text() + QChar('0' + digit));
    field_->end(false);
}

void VfoSetDialog::accept() {
    // The entry decides: a refused number keeps the window open for correction.
    enter_();
}

void VfoSetDialog::reject() {
    cancel_();
}

void VfoSetDialog::focusInEvent(QFocusEvent* e) {
    PanelWindowWidget::focusInEvent(e);
    field_->setFocus();
    field_->end(false);
}

}  // namespace velmora::gui
