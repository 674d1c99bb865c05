#include "gui/LinkStateTitle.h"

#include <QLabel>
#include <QMetaObject>
#include <QStatusBar>

#include "app/LinkEventTexts.h"
#include "gui/MainWindow.h"

namespace velmora::gui {

namespace {
QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

LinkStateTitle::LinkStateTitle(QWidget& window, QStatusBar& statusBar)
    : window_(window), statusBar_(statusBar), line_(new QLabel(&statusBar)) {
    line_->setObjectName("linkState");
    line_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    statusBar_.addWidget(line_, 1);
}

QString LinkStateTitle::line() const {
    return line_->text();
}

void LinkStateTitle::portOpened(std::string_view description) {
    showLineLater(link_text::portOpened(description));
}

void LinkStateTitle::portOpenFailed(std::string_view why) {
    if (!why.empty()) showLine(link_text::portNotOpened(why));
}

void LinkStateTitle::portClosed() {
    showLineLater(link_text::portClosed());
}

void LinkStateTitle::radioIdentified(int value) {
    showLine(link_text::radioIdentified(value));
    showTrouble({});
}

void LinkStateTitle::autoInformationOn() {
    showLine(link_text::autoInformation(true));
}

void LinkStateTitle::autoInformationOff() {
    showLine(link_text::autoInformation(false));
}

void LinkStateTitle::radioSilent(std::string_view text) {
    showLine(std::string(text));
    showTrouble(fromView(text));
}

void LinkStateTitle::initialReadProgress(int steps, int total) {
    showLine(link_text::initialReadProgress(steps, total));
}

void LinkStateTitle::menuReadStarted() {
    showLine(link_text::menuReadStarted());
}

void LinkStateTitle::linkLost(std::string_view why) {
    const std::string text = link_text::linkLost(why);
    showLine(text);
    showTrouble(QString::fromStdString(text));
}

void LinkStateTitle::linkRestored() {
    showLine(link_text::linkRestored());
    showTrouble({});
}

void LinkStateTitle::menuReadComplete() {
    showLine(link_text::menuReadComplete());
    showTrouble({});
}

void LinkStateTitle::menuReadIncomplete(const std::vector<std::string>& missing) {
    const std::string text = link_text::menuReadIncomplete(missing);
    showLine(text);
    showTrouble(QString::fromStdString(text));
}

void LinkStateTitle::commSettingSetAside(std::string_view path, std::string_view setAside) {
    // Over the link's line for a while: the port switch that caused it brings more link lines
    // at once, which would hide it.
    statusBar_.showMessage(QString::fromStdString(link_text::commSettingSetAside(path, setAside)),
                           kNewsMs);
}

void LinkStateTitle::showTrouble(const QString& state) {
    const QString title = QString::fromUtf8(MainWindow::kTitle);
    window_.setWindowTitle(state.isEmpty() ? title : title + QStringLiteral(" \u2014 ") + state);
}

void LinkStateTitle::showLine(const std::string& text) {
    line_->setText(QString::fromStdString(text));
}

void LinkStateTitle::showLineLater(const std::string& text) {
    // The label, not this, is the context: a call still queued when the window has gone is
    // dropped with the label.
    QLabel* label = line_;
    QMetaObject::invokeMethod(
        label, [label, t = QString::fromStdString(text)] { label->setText(t); },
        Qt::QueuedConnection);
}

}  // namespace velmora::gui
