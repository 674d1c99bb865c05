#include "gui/OptionDisplay.h"

namespace velmora::gui {

namespace {
constexpr int kDisplayPixels = 50;
}

QLabel* makeOptionDisplay(QWidget* parent, int control) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::number(control));
    QFont font("Arial");
    font.setPixelSize(kDisplayPixels);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, Qt::white);
    label->setPalette(pal);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    return label;
}

void showOnDisplay(QLabel* display, const QString& text, Rgb colour) {
    QPalette pal = display->palette();
    pal.setColor(QPalette::WindowText, QColor(colour.r, colour.g, colour.b));
    display->setPalette(pal);
    display->setText(text);
}

}  // namespace velmora::gui
