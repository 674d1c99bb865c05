#pragma once
// CommoFiles/Rigctld.csv: whether the window starts the rigctld server, and where it listens, as
// "on,[ADDR:]PORT" on one line ("1,4532"). The menu entry writes it; --rigctld overrides it.
#include <string>

namespace velmora {

struct RigctldSetting {
    bool on = false;
    std::string address = "4532";
};

std::string rigctldSettingPath(const std::string& baseDirectory);
// The defaults when the file is missing or its line is not understood.
RigctldSetting readRigctldSetting(const std::string& baseDirectory);
// Written beside the old file first, then in its place. False when it cannot be written.
bool writeRigctldSetting(const std::string& baseDirectory, const RigctldSetting& setting);

}  // namespace velmora
