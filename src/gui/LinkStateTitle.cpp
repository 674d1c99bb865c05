#include "gui/LinkStateTitle.h"

#include <QLabel>
#include <QMenuBar>
#include <QMetaObject>
#include <QTimer>

#include "app/LinkEventTexts.h"
#include "gui/MainWindow.h"

namespace velmora::gui {

namespace {
QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

LinkStateTitle::LinkStateTitle(QWidget& window, QMenuBar& menuBar)
    : window_(window), line_(new QLabel(&menuBar)), newsTimer_(new QTimer(line_)) {
    // In the menu bar's free right-hand end, so the panel keeps its size and place.
    line_->setObjectName("linkState");
    line_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    line_->setContentsMargins(8, 0, 8, 0);
    line_->setMaximumWidth(640);  // the menus keep their room; the whole text is the tooltip
    menuBar.setCornerWidget(line_, Qt::TopRightCorner);
    newsTimer_->setSingleShot(true);
    QObject::connect(newsTimer_, &QTimer::timeout, line_, [this] { setText(state_); });
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
    setText(QString::fromStdString(link_text::commSettingSetAside(path, setAside)));
    newsTimer_->start(kNewsMs);
}

void LinkStateTitle::showTrouble(const QString& state) {
    const QString title = QString::fromUtf8(MainWindow::kTitle);
    window_.setWindowTitle(state.isEmpty() ? title : title + QStringLiteral(" \u2014 ") + state);
}

void LinkStateTitle::showLine(const std::string& text) {
    showState(QString::fromStdString(text));
}

void LinkStateTitle::showState(const QString& text) {
    state_ = text;
    if (!newsTimer_->isActive()) setText(state_);
}

void LinkStateTitle::setText(const QString& text) {
    line_->setText(text);
    line_->setToolTip(text);
}

void LinkStateTitle::showLineLater(const std::string& text) {
    // The label, not this, is the context: a call still queued when the window has gone is
    // dropped with the label.
    QMetaObject::invokeMethod(
        line_, [this, t = QString::fromStdString(text)] { showState(t); }, Qt::QueuedConnection);
}

}  // namespace velmora::gui
