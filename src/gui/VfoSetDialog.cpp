#include "gui/VfoSetDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "gui/DialogButtons.h"
#include "gui/StringText.h"
#include "link/MessageIds.h"
#include "link/WindowHost.h"
#include "resources/StringTable.h"

namespace velmora::gui {

VfoSetDialog::VfoSetDialog(QWidget* parent, WindowHost& host, uint8_t target)
    : PanelWindowWidget(parent), host_(host), entry_(target) {
    setObjectName("456");
    setWindowTitle("VFO SET");
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(stringQText(string_id::kEnterFrequency), this);
    prompt->setObjectName("1050");
    auto* range = new QLabel(stringQText(string_id::kFrequencyRange), this);
    range->setObjectName("1051");
    auto* targetLabel = new QLabel(QString("VFO: <b>%1</b>").arg(entry_.targetName()), this);
    targetLabel->setObjectName("target");
    field_ = new QLineEdit(this);
    field_->setObjectName("1000");
    field_->setMaxLength(static_cast<int>(VfoSetEntry::kMaxDigits));
    field_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), field_));
    connect(field_, &QLineEdit::textEdited, this, &VfoSetDialog::takeTyped);
    auto* buttons = okCancelButtons(*this);
    layout->addWidget(prompt);
    layout->addWidget(range);
    layout->addWidget(targetLabel);
    layout->addWidget(field_);
    layout->addWidget(buttons);
    setFocusProxy(field_);
}

void VfoSetDialog::takeTyped() {
    entry_.setText(field_->text().toStdString());
}

void VfoSetDialog::appendDigit(int digit) {
    if (!entry_.appendDigit(digit)) return;
    field_->setText(QString::fromStdString(entry_.text()));
    field_->end(false);
}

void VfoSetDialog::accept() {
    takeTyped();
    const VfoSetEntry::Outcome outcome = entry_.enter();
    if (outcome.verdict == VfoSetEntry::Verdict::OutOfRange) {
        // The text stays for correction.
        QMessageBox box(QMessageBox::Warning, windowTitle(),
                        stringQText(string_id::kInputRangeIncorrect), QMessageBox::Ok, this);
        box.setObjectName(QString::number(string_id::kInputRangeIncorrect));
        box.exec();
        field_->setFocus();
        return;
    }
    host_.send(notice::VFO_SET_RESULT, static_cast<uintptr_t>(outcome.hz), 0);
}

void VfoSetDialog::reject() {
    host_.send(notice::VFO_SET_RESULT, 0, 0);
}

void VfoSetDialog::focusInEvent(QFocusEvent* e) {
    PanelWindowWidget::focusInEvent(e);
    field_->setFocus();
    field_->end(false);
}

}  // namespace velmora::gui
