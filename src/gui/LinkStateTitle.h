#pragma once
// The link's state where the operator sees it without a console. The status line under the panel
// carries the console's line for each link event ("no answer from the radio on ...", "link lost
// ...", "menu read incomplete: 3 answers missing: ..."), and the window title carries what is
// wrong with the link until it is right again, so it shows in the task bar too.
#include <QString>
#include <QWidget>

#include "app/LinkEvents.h"

class QLabel;
class QMenuBar;
class QTimer;

namespace velmora::gui {

class LinkStateTitle : public LinkEvents {
  public:
    // How long the news that the settings file was set aside stays over the link's state.
    static constexpr int kNewsMs = 20000;

    LinkStateTitle(QWidget& window, QMenuBar& menuBar);

    // The line's text now.
    QString line() const;

    // portOpened and portClosed come on worker threads; the rest on the main thread.
    void portOpened(std::string_view description) override;
    void portOpenFailed(std::string_view why) override;
    void portClosed() override;
    void radioIdentified(int value) override;
    void autoInformationOn() override;
    void autoInformationOff() override;
    void radioSilent(std::string_view text) override;
    void initialReadProgress(int steps, int total) override;
    void menuReadStarted() override;
    void linkLost(std::string_view why) override;
    void linkRestored() override;
    void menuReadComplete() override;
    void menuReadIncomplete(const std::vector<std::string>& missing) override;
    void commSettingSetAside(std::string_view path, std::string_view setAside) override;

  private:
    void showTrouble(const QString& state);
    void showLine(const std::string& text);
    // The link's state, shown unless news is being shown over it.
    void showState(const QString& text);
    void setText(const QString& text);
    // From a worker thread: the line changes on the main thread.
    void showLineLater(const std::string& text);

    QWidget& window_;
    // Lives as long as the window, which outlives this; read on worker threads, never changed.
    QLabel* const line_;
    QTimer* const newsTimer_;  // runs while news is shown over the state
    QString state_;            // main thread only
};

}  // namespace velmora::gui
