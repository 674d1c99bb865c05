#include "gui/WaitWindow.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/LinkEventTexts.h"
#include "gui/StringText.h"
#include "link/ReadLedger.h"
#include "resources/StringTable.h"

namespace velmora::gui {

WaitWindow::WaitWindow(QWidget* parent, MainWindowFlags& flags, const ReadLedger& ledger,
                       std::function<QString()> progress)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      logic_(flags, ledger),
      ledger_(ledger),
      progress_(std::move(progress)) {
    setObjectName("901");
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(stringQText(string_id::kReadingMenu), this);
    text->setObjectName("1054");
    layout->addWidget(text);
    progressLine_ = new QLabel(this);
    progressLine_->setObjectName("progress");
    progressLine_->setWordWrap(true);
    layout->addWidget(progressLine_);
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons_->hide();
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons_);
    timeout_.setSingleShot(true);
    timeout_.setInterval(WaitWindowLogic::kTimeoutMs);
    connect(&timeout_, &QTimer::timeout, this, [this] { follow(logic_.timeout()); });
    pause_.setSingleShot(true);
    pause_.setInterval(WaitWindowLogic::kClosePauseMs);
    connect(&pause_, &QTimer::timeout, this, &QDialog::accept);
    progressTimer_.setInterval(kProgressMs);
    connect(&progressTimer_, &QTimer::timeout, this, &WaitWindow::showProgress);
}

void WaitWindow::run() {
    showProgress();
    follow(logic_.open());
    exec();
}

void WaitWindow::readFinished() {
    follow(logic_.readFinished());
}

void WaitWindow::reject() {
    // Only a finished read's report may be dismissed; the wait itself waits for the read.
    if (incomplete_) QDialog::reject();
}

void WaitWindow::follow(WaitWindowLogic::Step step) {
    if (step == WaitWindowLogic::Step::Wait) {
        timeout_.start();
        progressTimer_.start();
    } else if (step == WaitWindowLogic::Step::CloseSoon) {
        timeout_.stop();
        pause_.start();
    } else if (step == WaitWindowLogic::Step::ShowIncomplete) {
        showIncomplete();
    }
}

void WaitWindow::showProgress() {
    if (progress_) progressLine_->setText(progress_());
}

void WaitWindow::showIncomplete() {
    timeout_.stop();
    progressTimer_.stop();
    incomplete_ = true;
    progressLine_->setText(
        QString::fromStdString(link_text::menuReadIncomplete(ledger_.missing())));
    buttons_->show();
    buttons_->button(QDialogButtonBox::Ok)->setFocus();
}

}  // namespace velmora::gui
