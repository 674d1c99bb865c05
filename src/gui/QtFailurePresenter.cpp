#include "gui/QtFailurePresenter.h"

#include <QMessageBox>
#include <QPointer>
#include <cstdio>

#include "gui/MainWindow.h"

namespace velmora::gui {

void QtFailurePresenter::showFailure(int stringId, std::string_view text) {
    ++shown_count_;
    if (unattended_) {
        std::fprintf(stderr, "velmora: %.*s\n", static_cast<int>(text.size()), text.data());
        if (shown_) shown_(stringId);
        return;
    }
    QPointer<QWidget> parent(parent_);
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(MainWindow::kTitle),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                    QMessageBox::Ok, parent.data());
    box.setObjectName(QString::number(stringId));
    box.exec();
    if (shown_) shown_(stringId);
}

}  // namespace velmora::gui
