#include "gui/LinkStateTitle.h"

#include "app/ConsoleReporter.h"
#include "gui/MainWindow.h"

namespace velmora::gui {

namespace {
QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

void LinkStateTitle::radioSilent(std::string_view text) {
    show(fromView(text));
}

void LinkStateTitle::radioIdentified(int) {
    show({});
}

void LinkStateTitle::linkLost(std::string_view why) {
    show(fromView(why) + QStringLiteral("; connecting again when the radio is back"));
}

void LinkStateTitle::linkRestored() {
    show({});
}

void LinkStateTitle::menuReadComplete() {
    show({});
}

void LinkStateTitle::menuReadIncomplete(const std::vector<std::string>& missing) {
    show(QString::fromStdString(ConsoleReporter::incompleteReadText(missing)));
}

void LinkStateTitle::show(const QString& state) {
    const QString title = QString::fromUtf8(MainWindow::kTitle);
    window_.setWindowTitle(state.isEmpty() ? title : title + QStringLiteral(" \u2014 ") + state);
}

}  // namespace velmora::gui
