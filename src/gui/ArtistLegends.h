#pragma once
// What the panel prints for each element, and what kind of thing each element is to the artist.
#include <QColor>
#include <QString>
#include <QStringList>

#include "panel/display/PanelElement.h"

namespace velmora::gui {

enum class ElementKind { DisplayWord, MultiPart, Glyph, Key, Lamp };

ElementKind kindOf(PanelElement e);
// The text of a word, key legend or lamp label; for multi-part indicators the part names.
QStringList legendOf(PanelElement e);
// Multi-part indicators: number of parts and whether the first lighting is the lit one.
int partsOf(PanelElement e);
bool litFirst(PanelElement e);
// Keys whose picture other keys share carry their legend on the panel, not on the cap.
bool legendOnPanel(PanelElement e);
// The lamp colour of a key or lamp in a lit state (state 2 and up; 4 and up is the second colour).
QColor lampColour(PanelElement e, int state);

}  // namespace velmora::gui
