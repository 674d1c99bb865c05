#include "gui/ConnectionNotice.h"

#include <QLabel>
#include <QVBoxLayout>

#include "gui/StringText.h"

namespace velmora::gui {

ConnectionNotice::ConnectionNotice(QWidget* parent) : PanelWindowWidget(parent) {
    setObjectName("902");
    setWindowTitle(parent ? parent->windowTitle() : QString());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(stringQText(string_id::kConnectingPort), this));
}

}  // namespace velmora::gui
