#include "gui/VersionDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "gui/StringText.h"
#include "resources/StringTable.h"

namespace velmora::gui {

VersionDialog::VersionDialog(QWidget* parent, const QIcon& icon) : QDialog(parent) {
    setObjectName("905");
    setWindowTitle(QString::fromUtf8(kTitle));
    auto* layout = new QGridLayout(this);
    auto* picture = new QLabel(this);
    picture->setObjectName("892");
    picture->setPixmap(icon.pixmap(32, 32));
    auto* version = new QLabel(stringQText(string_id::kVersion), this);
    version->setObjectName("1048");
    auto* notice = new QLabel(stringQText(string_id::kVersionNotice), this);
    notice->setObjectName("1049");
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton("OK", QDialogButtonBox::AcceptRole)->setObjectName("1");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(version, 0, 1);
    layout->addWidget(notice, 1, 1);
    layout->addWidget(buttons, 2, 0, 1, 2);
}

}  // namespace velmora::gui
