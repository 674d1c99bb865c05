#pragma once
// The connection notice (dialog 902): "Connecting the COM port now." while the COM key's
// connection is being made. It has no buttons; the panel input closes it when the link comes up
// or after 5 s, so closing it by hand changes nothing.
#include "gui/PanelWindowWidget.h"

namespace velmora::gui {

class ConnectionNotice : public PanelWindowWidget {
    Q_OBJECT
  public:
    explicit ConnectionNotice(QWidget* parent);
    void reject() override {}
};

}  // namespace velmora::gui
