// The first start, with no CommSetting.csv yet: against the simulated radio no COM port is in
// use, so no box appears and the file is written with the defaults; with a real port the box
// says the file could not be read and names it in full.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "WindowFixture.h"
#include "serial/CommSettingFile.h"

namespace velmora::gui::test {
namespace {

TEST(FirstRun, OnlyARealPortAsksAboutTheMissingSettingsFile) {
    struct Row {
        bool simulated;
        int boxes;
        bool fileWritten;
    };
    const Row rows[] = {{true, 0, true}, {false, 1, false}};
    application();
    for (const Row& r : rows) {
        SCOPED_TRACE(r.simulated ? "simulated radio" : "real port");
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const std::string folder = (dir.path() + "/velmora").toStdString();
        QtWindowHost host;
        QtFailurePresenter presenter;
        LinkApplicationConfig config;
        config.baseDirectory = folder;
        config.simulated = r.simulated;
        config.portOverride = "/nonexistent/velmora-first-run";
        config.scanPorts = false;
        LinkApplication app(host, presenter, config);
        MainWindow window(app, host, MainWindowOptions{{}, false});
        presenter.setParent(&window);
        window.startUp();
        BoxCloser closer;  // a box waits in its own event loop, where the closer's timer runs
        ASSERT_TRUE(app.start());
        EXPECT_EQ(closer.closed, r.boxes);
        EXPECT_EQ(presenter.shown(), r.boxes);
        const std::string path = commSettingPath(folder);
        // The box names the file in full, on the line after the text.
        EXPECT_EQ(closer.lastText.endsWith("\n" + QString::fromStdString(path)), r.boxes == 1)
            << closer.lastText.toStdString();
        QFile file(QString::fromStdString(path));
        ASSERT_EQ(file.open(QIODevice::ReadOnly), r.fileWritten);
        EXPECT_EQ(r.fileWritten ? file.readAll() : QByteArray("1,4800,0\n"), "1,4800,0\n");
        host.stopWaiting();
        app.shutdown();
    }
}

}  // namespace
}  // namespace velmora::gui::test
