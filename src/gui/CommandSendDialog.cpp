#include "gui/CommandSendDialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/DialogButtons.h"
#include "gui/StringText.h"
#include "link/MessageIds.h"
#include "link/WindowHost.h"
#include "resources/StringTable.h"
#include "windows/CommandHistory.h"
#include "windows/CommandSendText.h"

namespace velmora::gui {

CommandSendDialog::CommandSendDialog(QWidget* parent, WindowHost& host, RadioStateStore& store,
                                     CommandHistory& history)
    : PanelWindowWidget(parent), host_(host), store_(store), history_(history) {
    setObjectName("591");
    setWindowTitle("Command Send");
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(stringQText(string_id::kEnterCommand), this);
    prompt->setObjectName("1052");
    auto* hint = new QLabel("A command ends with \";\", for example FA014195000;", this);
    hint->setObjectName("hint");
    field_ = new QLineEdit(this);
    field_->setObjectName("1002");
    field_->setMaxLength(static_cast<int>(CommandSendText::kMaxBytes));
    field_->setPlaceholderText("FA014195000;");
    status_ = new QLabel(this);
    status_->setObjectName("status");
    status_->setStyleSheet("color: rgb(200, 0, 0)");
    status_->setWordWrap(true);
    historyList_ = new QListWidget(this);
    historyList_->setObjectName("history");
    for (const std::string& sent : history_.entries()) {
        historyList_->addItem(QString::fromStdString(sent));
    }
    connect(historyList_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { field_->setText(item->text()); });
    connect(historyList_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        field_->setText(item->text());
        accept();
    });
    auto* buttons = okCancelButtons(*this);
    layout->addWidget(prompt);
    layout->addWidget(hint);
    layout->addWidget(field_);
    layout->addWidget(status_);
    layout->addWidget(new QLabel("Sent in this run:", this));
    layout->addWidget(historyList_);
    layout->addWidget(buttons);
    setFocusProxy(field_);
}

void CommandSendDialog::accept() {
    const std::string text = field_->text().toStdString();
    const CommandSendOutcome outcome = CommandSendText::send(store_, text);
    if (!CommandSendText::closes(outcome)) {
        const std::string_view why = CommandSendText::refusalText(outcome);
        status_->setText(QString::fromUtf8(why.data(), static_cast<qsizetype>(why.size())));
        field_->setFocus();
        return;
    }
    if (outcome == CommandSendOutcome::Sent) history_.add(text);
    host_.send(notice::COMMAND_SEND_CLOSED, 0, 0);
}

void CommandSendDialog::reject() {
    host_.send(notice::COMMAND_SEND_CLOSED, 0, 0);
}

void CommandSendDialog::focusInEvent(QFocusEvent* e) {
    PanelWindowWidget::focusInEvent(e);
    field_->setFocus();
    field_->end(false);
}

}  // namespace velmora::gui
