#include "gui/WaitWindow.h"

#include <QLabel>
#include <QVBoxLayout>

#include "gui/StringText.h"
#include "resources/StringTable.h"

namespace velmora::gui {

WaitWindow::WaitWindow(QWidget* parent, MainWindowFlags& flags)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), logic_(flags) {
    setObjectName("901");
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(stringQText(string_id::kReadingMenu), this);
    text->setObjectName("1054");
    layout->addWidget(text);
    timeout_.setSingleShot(true);
    timeout_.setInterval(WaitWindowLogic::kTimeoutMs);
    connect(&timeout_, &QTimer::timeout, this, [this] { follow(logic_.timeout()); });
    pause_.setSingleShot(true);
    pause_.setInterval(WaitWindowLogic::kClosePauseMs);
    connect(&pause_, &QTimer::timeout, this, &QDialog::accept);
}

void WaitWindow::run() {
    follow(logic_.open());
    exec();
}

void WaitWindow::readFinished() {
    follow(logic_.readFinished());
}

void WaitWindow::follow(WaitWindowLogic::Step step) {
    if (step == WaitWindowLogic::Step::Wait) {
        timeout_.start();
    } else if (step == WaitWindowLogic::Step::CloseSoon) {
        timeout_.stop();
        pause_.start();
    }
}

}  // namespace velmora::gui
