#pragma once
// The link's state where the operator sees it without a console: the window title carries what
// is wrong with the link ("link lost, connecting again when the radio is back", "no answer from
// the radio on ...", "menu read incomplete: ...") until it is right again.
#include <QString>
#include <QWidget>

#include "app/LinkEvents.h"

namespace velmora::gui {

class LinkStateTitle : public LinkEvents {
  public:
    explicit LinkStateTitle(QWidget& window) : window_(window) {}

    // All on the main thread.
    void radioSilent(std::string_view text) override;
    void radioIdentified(int value) override;
    void linkLost(std::string_view why) override;
    void linkRestored() override;
    void menuReadComplete() override;
    void menuReadIncomplete(const std::vector<std::string>& missing) override;

  private:
    void show(const QString& state);

    QWidget& window_;
};

}  // namespace velmora::gui
