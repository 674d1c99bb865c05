#include "gui/RigctldMenuEntry.h"

#include <QAction>
#include <QMenu>
#include <cstdio>

#include "app/RigctlService.h"
#include "app/RigctldSetting.h"

namespace velmora::gui {

namespace {

QMenu* setupMenu(QMenuBar& bar) {
    for (QAction* a : bar.actions())
        if (a->menu() && a->text() == QLatin1String("Setup")) return a->menu();
    return bar.addMenu(QStringLiteral("Setup"));
}

}  // namespace

void addRigctldMenuEntry(QMenuBar& bar, RigctlService& service, std::string baseDirectory,
                         std::string address) {
    QMenu* menu = setupMenu(bar);
    menu->addSeparator();
    QAction* a =
        menu->addAction(QStringLiteral("rigctld server (%1)").arg(QString::fromStdString(address)));
    a->setObjectName(QStringLiteral("rigctldServer"));
    a->setCheckable(true);
    a->setChecked(service.running());
    QObject::connect(a, &QAction::toggled, a, [&service, a, baseDirectory, address](bool on) {
        if (on == service.running()) return;
        if (on && !service.start(address, stderr)) {
            a->setChecked(false);
            return;
        }
        if (!on) service.stop();
        if (!writeRigctldSetting(baseDirectory, {on, address}))
            std::fprintf(stderr, "velmora: cannot write %s\n",
                         rigctldSettingPath(baseDirectory).c_str());
    });
}

}  // namespace velmora::gui
