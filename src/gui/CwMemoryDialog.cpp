#include "gui/CwMemoryDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <QValidator>

#include "link/MessageIds.h"

namespace velmora::gui {

namespace {

constexpr int kMessagePlayControl = 1055;  // Ch-1; Text Play's Ch-1 is 1060
constexpr int kFieldControl = 1041;
constexpr int kWriteControl = 1065;

// Typed and pasted text alike: letters upper-cased, refused characters dropped.
class MemoryTextValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override {
        const std::string before = input.left(pos).toStdString();
        const std::string kept = CwMemoryWindow::acceptedText(input.toStdString());
        pos = static_cast<int>(CwMemoryWindow::acceptedText(before).size());
        input = QString::fromStdString(kept);
        return Acceptable;
    }
};

}  // namespace

CwMemoryDialog::CwMemoryDialog(QWidget* parent, WindowHost& mainWindow, RadioStateStore& store,
                               KeyHandler keys)
    : OptionWindow(parent, mainWindow, notice::CW_CLOSED),
      logic_(store, timers(), *this),
      keys_(std::move(keys)) {
    setObjectName("897");
    setWindowTitle("CW");
    auto* layout = new QVBoxLayout(this);
    const char* groups[] = {"Message Play", "Text Play"};
    for (int g = 0; g < 2; ++g) {
        auto* box = new QGroupBox(groups[g], this);
        auto* row = new QHBoxLayout(box);
        for (int k = 1; k <= CwMemoryWindow::kFields; ++k) {
            const int channel = g * CwMemoryWindow::kFields + k;
            QPushButton* b = addButton(QString("Ch-%1").arg(k), kMessagePlayControl + channel - 1);
            connect(b, &QPushButton::clicked, this, [this, channel] { logic_.play(channel); });
            row->addWidget(b);
        }
        layout->addWidget(box);
    }
    auto* texts = new QGridLayout;
    for (int k = 1; k <= CwMemoryWindow::kFields; ++k) {
        const size_t i = static_cast<size_t>(k - 1);
        auto* field = new QLineEdit(this);
        field->setObjectName(QString::number(kFieldControl + k - 1));
        field->setMaxLength(CwMemoryWindow::kMaxText);
        field->setValidator(new MemoryTextValidator(field));
        field->setMinimumWidth(field->fontMetrics().horizontalAdvance('W') * 30);
        field->installEventFilter(this);
        fields_[i] = field;
        counters_[i] = new QLabel(this);
        counters_[i]->setObjectName(QString("count%1").arg(k));
        QPushButton* wr = addButton(QString("Ch-%1 WR").arg(k), kWriteControl + k - 1);
        connect(wr, &QPushButton::clicked, this, [this, k] { writeField(k); });
        connect(field, &QLineEdit::returnPressed, this, [this, k] { writeField(k); });
        connect(field, &QLineEdit::textEdited, this, [this, k, i] {
            edited_[i] = true;
            showCount(k);
        });
        texts->addWidget(new QLabel(QString("Text Ch-%1").arg(k), this), k, 0);
        texts->addWidget(field, k, 1);
        texts->addWidget(counters_[i], k, 2);
        texts->addWidget(wr, k, 3);
        showCount(k);
    }
    layout->addLayout(texts);
    logic_.open();
}

QPushButton* CwMemoryDialog::addButton(const QString& label, int control) {
    auto* b = new QPushButton(label, this);
    b->setObjectName(QString::number(control));
    b->setAutoDefault(false);
    b->installEventFilter(this);
    buttons_.push_back(b);
    return b;
}

void CwMemoryDialog::writeField(int field) {
    const size_t i = static_cast<size_t>(field - 1);
    if (logic_.write(field, fields_[i]->text().toStdString())) edited_[i] = false;
}

void CwMemoryDialog::showCount(int field) {
    const size_t i = static_cast<size_t>(field - 1);
    counters_[i]->setText(
        QString("%1/%2").arg(fields_[i]->text().size()).arg(CwMemoryWindow::kMaxText));
}

void CwMemoryDialog::showText(int field, const std::string& text) {
    const size_t i = static_cast<size_t>(field - 1);
    fields_[i]->setText(QString::fromStdString(text));
    edited_[i] = false;
    showCount(field);
}

void CwMemoryDialog::setEditable(bool editable) {
    for (QLineEdit* f : fields_) f->setReadOnly(!editable);
    for (QPushButton* b : buttons_) b->setEnabled(editable);
}

void CwMemoryDialog::focusFirstPlayButton() {
    buttons_.front()->setFocus();
}

bool CwMemoryDialog::fieldBeingEdited(int field) const {
    return edited_[static_cast<size_t>(field - 1)];
}

void CwMemoryDialog::relay(uint32_t id, uintptr_t, intptr_t) {
    if (id == notify::KM) logic_.onTextArrived();
}

void CwMemoryDialog::aboutToClose() {
    logic_.close();
}

void CwMemoryDialog::onTimer(int id) {
    logic_.onTimer(id);
}

bool CwMemoryDialog::eventFilter(QObject* watched, QEvent* event) {
    // The main window's key definitions see a key before the field or key that has the focus.
    if (event->type() == QEvent::KeyPress && logic_.editable() && keys_ &&
        keys_(*static_cast<QKeyEvent*>(event)))
        return true;
    return OptionWindow::eventFilter(watched, event);
}

}  // namespace velmora::gui
