#include "gui/PanelWindowWidget.h"

// The class is all in its header; this file gives moc a place to put its meta-object.
