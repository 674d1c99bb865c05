#pragma once
// Setup > "rigctld server": a checkable entry that starts and stops the network server for other
// ham programs and keeps the choice in CommoFiles/Rigctld.csv for the next start.
#include <QMenuBar>
#include <string>

namespace velmora {
class RigctlService;
}

namespace velmora::gui {

// Appends the entry to the Setup menu, checked when the service runs. A start that fails
// (the port taken) leaves it unchecked and says why on stderr.
void addRigctldMenuEntry(QMenuBar& bar, RigctlService& service, std::string baseDirectory,
                         std::string address);

}  // namespace velmora::gui
