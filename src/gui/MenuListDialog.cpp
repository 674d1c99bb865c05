#include "gui/MenuListDialog.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "gui/MenuChoiceDialog.h"
#include "gui/MenuPositionsDialog.h"
#include "link/MessageIds.h"
#include "link/RadioStateStore.h"
#include "serial/SerialPort.h"

namespace velmora::gui {

namespace {

enum Column { kNumber, kName, kRange, kSetting, kColumnCount };
constexpr int kTypeAheadMs = 1000;
constexpr int kMaxTypedNumber = 999;
constexpr int kFirstWidthChars = 120, kFirstHeightRows = 30;

// Courier New as the list was laid out for, or the system's fixed-pitch font where it is missing.
QFont listFont() {
    QFont f("Courier New");
    f.setStyleHint(QFont::TypeWriter);
    if (QFontInfo(f).fixedPitch()) return f;
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

}  // namespace

MenuListDialog::MenuListDialog(QWidget* parent, MenuListModel& model, MenuListMemory& memory,
                               RadioStateStore& store, SerialPort& port,
                               std::function<void()> closed)
    : PanelWindowWidget(parent),
      model_(model),
      memory_(memory),
      store_(store),
      closed_(std::move(closed)),
      rateSwitch_(store, port) {
    setObjectName("716");
    setWindowTitle("MENU LIST");
    auto* layout = new QVBoxLayout(this);
    filter_ = new QLineEdit(this);
    filter_->setObjectName("filter");
    filter_->setPlaceholderText("Filter by number or name");
    filter_->setClearButtonEnabled(true);
    list_ = new QTreeWidget(this);
    list_->setObjectName("1001");
    list_->setFont(listFont());
    list_->setColumnCount(kColumnCount);
    list_->setHeaderLabels({"NO", "USER NAME", "SETTING RANGE", "SETTING"});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->header()->setStretchLastSection(true);
    list_->installEventFilter(this);
    count_ = new QLabel(this);
    count_->setObjectName("changed");
    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    ok_->setObjectName("1");
    cancel_ = buttons->addButton("CANCEL", QDialogButtonBox::RejectRole);
    cancel_->setObjectName("2");
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(count_, 1);
    bottom->addWidget(buttons);
    layout->addWidget(filter_);
    layout->addWidget(list_, 1);
    layout->addLayout(bottom);

    connect(buttons, &QDialogButtonBox::accepted, this, &MenuListDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &MenuListDialog::reject);
    connect(filter_, &QLineEdit::textChanged, this, &MenuListDialog::applyFilter);
    // Double click only: a style where one click activates would open a dialog per click.
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { editSelected(); });
    connect(list_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item) model_.select(list_->indexOfTopLevelItem(item));
    });
    rateTimer_.setInterval(MenuRateSwitch::kPollMs);
    connect(&rateTimer_, &QTimer::timeout, this, &MenuListDialog::pollRateSwitch);

    model_.fill(store_.menus);
    fillList();
    if (memory_.size.isValid()) {
        resize(memory_.size);
    } else {
        // At first wide enough for a whole line and tall enough for a good part of the list, in
        // the font's own measure so that it scales with the screen.
        const QFontMetrics fm(list_->font());
        resize(sizeHint().expandedTo(
            QSize(kFirstWidthChars * fm.horizontalAdvance('0'), kFirstHeightRows * fm.height())));
    }
    setFocusProxy(list_);
}

MenuListDialog::~MenuListDialog() = default;

void MenuListDialog::fillList() {
    QList<QTreeWidgetItem*> items;
    items.reserve(model_.count());
    for (int row = 0; row < model_.count(); ++row) items.append(new QTreeWidgetItem);
    list_->addTopLevelItems(items);
    for (int row = 0; row < model_.count(); ++row) updateRow(row);
    // Widths from the fixed pitch: the columns of the list as it was laid out, in characters.
    const int ch = QFontMetrics(list_->font()).horizontalAdvance('0');
    const int widths[] = {6, 22, 60};
    for (int c = 0; c < 3; ++c) list_->setColumnWidth(c, widths[c] * ch);
    selectRow(model_.selected());
    updateCount();
}

void MenuListDialog::updateRow(int row) {
    QTreeWidgetItem* item = list_->topLevelItem(row);
    if (!item) return;
    const MenuListLine line = model_.columns(row);
    const bool pending = model_.pending(row);
    // A pending line is marked in its number column and in bold, so it shows without colour.
    item->setText(kNumber, QString::fromStdString(line.number) + (pending ? " *" : ""));
    item->setText(kName, QString::fromStdString(line.name));
    item->setText(kRange, QString::fromStdString(line.range));
    item->setText(kSetting, QString::fromStdString(line.setting));
    item->setToolTip(kRange, QString::fromStdString(line.range));
    QFont f = list_->font();
    f.setBold(pending);
    for (int c = 0; c < kColumnCount; ++c) item->setFont(c, f);
}

void MenuListDialog::updateCount() {
    const int n = model_.pendingCount();
    count_->setText(n == 0 ? QString() : QString("%1 changed").arg(n));
}

void MenuListDialog::selectRow(int row) {
    QTreeWidgetItem* item = list_->topLevelItem(row);
    if (!item) return;
    list_->setCurrentItem(item);
    list_->scrollToItem(item);
}

void MenuListDialog::applyFilter(const QString& text) {
    const std::vector<int> rows = model_.filter(text.toStdString());
    std::vector<bool> shown(static_cast<size_t>(model_.count()), false);
    for (const int row : rows) shown[static_cast<size_t>(row)] = true;
    // The selection is an item, not a row: it stays where it was while hidden, and comes back.
    const int keep = model_.selected();
    for (int row = 0; row < model_.count(); ++row)
        list_->topLevelItem(row)->setHidden(!shown[static_cast<size_t>(row)]);
    if (shown[static_cast<size_t>(keep)]) {
        selectRow(keep);
    } else if (!rows.empty()) {
        selectRow(rows.front());
    }
}

void MenuListDialog::editSelected() {
    if (model_.count() == 0 || finished_) return;
    const int row = model_.selected();
    MenuItemDef& def = model_.item(row);
    if (menuSettingDialog(def) == MenuSettingDialog::Choice) {
        MenuChoiceDialog dialog(this, def);
        if (dialog.exec() != QDialog::Accepted) return;
        if (!applyMenuChoice(def, dialog.list(), dialog.chosenIndex())) return;
    } else {
        MenuPositionsDialog dialog(this, def);
        if (dialog.exec() != QDialog::Accepted) return;
        applyMenuPositions(def, dialog.boxes());
    }
    updateRow(row);
    updateCount();
    selectRow(row);
}

void MenuListDialog::typeDigit(int digit) {
    if (!typed_.isValid() || typed_.elapsed() > kTypeAheadMs) typedNumber_ = 0;
    typed_.start();
    typedNumber_ = typedNumber_ * 10 + digit;
    if (typedNumber_ > kMaxTypedNumber) typedNumber_ = digit;
    const int row = model_.rowOfNumber(typedNumber_);
    if (row >= 0 && !list_->topLevelItem(row)->isHidden()) selectRow(row);
}

bool MenuListDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched != list_ || event->type() != QEvent::KeyPress) {
        return PanelWindowWidget::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
            // The selection stays; only a bit-string line changes what it shows.
            if (model_.stepShownPosition(key->key() == Qt::Key_Right)) updateRow(model_.selected());
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            editSelected();
            return true;
        default:
            break;
    }
    if (key->key() >= Qt::Key_0 && key->key() <= Qt::Key_9 && key->modifiers() == Qt::NoModifier) {
        typeDigit(key->key() - Qt::Key_0);
        return true;
    }
    return PanelWindowWidget::eventFilter(watched, event);
}

void MenuListDialog::keyPressEvent(QKeyEvent* event) {
    if (keys_ && keys_(*event)) {
        event->accept();
        return;
    }
    PanelWindowWidget::keyPressEvent(event);
}

void MenuListDialog::relay(uint32_t id, uintptr_t, intptr_t) {
    if (id != notify::EX || finished_) return;
    for (const int row : model_.refresh(store_.menus)) updateRow(row);
    updateCount();
}

void MenuListDialog::accept() {
    if (finished_) return;
    const uint32_t before = rateSwitch_.writesSoFar();
    const MenuListCommit commit = model_.commit(store_.menus);
    if (commit.postWrite) store_.mailbox.post(Thread::Anl_Send_Thread, req::MENU_WRITE);
    if (commit.baudRate == 0) {
        finish();
        return;
    }
    // The buttons stay off while the port waits for CAT RATE to leave it.
    finished_ = true;
    ok_->setEnabled(false);
    cancel_->setEnabled(false);
    clock_.start();
    rateSwitch_.start(commit.baudRate, before, clock_.elapsed());
    rateTimer_.start();
}

void MenuListDialog::pollRateSwitch() {
    if (!rateSwitch_.poll(clock_.elapsed())) return;
    rateTimer_.stop();
    finished_ = false;
    finish();
}

void MenuListDialog::reject() {
    if (finished_) return;
    if (!confirmDiscard()) return;
    finish();
}

bool MenuListDialog::confirmDiscard() {
    const int n = model_.pendingCount();
    if (n == 0) return true;
    QMessageBox box(QMessageBox::Question, windowTitle(),
                    QString("Discard %1 changed setting%2?").arg(n).arg(n == 1 ? "" : "s"),
                    QMessageBox::NoButton, this);
    box.setObjectName("confirmDiscard");
    QPushButton* discard = box.addButton("Discard", QMessageBox::DestructiveRole);
    box.addButton("Keep editing", QMessageBox::RejectRole);
    box.exec();
    return box.clickedButton() == discard;
}

void MenuListDialog::finish() {
    if (finished_) return;
    finished_ = true;
    memory_.size = size();
    if (memory_.keep) memory_.keep(memory_.size);
    // The panel input hides the window and deletes it later, never inside this call.
    closed_();
}

}  // namespace velmora::gui
