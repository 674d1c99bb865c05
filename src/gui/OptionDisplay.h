#pragma once
// The large value displays of the option windows: Arial, 50 pixels high, on white, in the colour
// the logic picks.
#include <QLabel>

#include "windows/WindowColours.h"

namespace velmora::gui {

QLabel* makeOptionDisplay(QWidget* parent, int control);
void showOnDisplay(QLabel* display, const QString& text, Rgb colour);

}  // namespace velmora::gui
