#include "app/RigctldSetting.h"

#include <filesystem>
#include <fstream>

#include "rigctl/ListenAddress.h"
#include "serial/CommSettingFile.h"

namespace velmora {

std::string rigctldSettingPath(const std::string& baseDirectory) {
    return commoFolderPath(baseDirectory) + "/Rigctld.csv";
}

RigctldSetting readRigctldSetting(const std::string& baseDirectory) {
    RigctldSetting setting;
    std::ifstream in(rigctldSettingPath(baseDirectory));
    std::string line;
    if (!std::getline(in, line)) return setting;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const size_t comma = line.find(',');
    if (comma == std::string::npos) return setting;
    const std::string flag = line.substr(0, comma), address = line.substr(comma + 1);
    if ((flag != "0" && flag != "1") || !rigctl::parseListenAddress(address)) return setting;
    return {flag == "1", address};
}

bool writeRigctldSetting(const std::string& baseDirectory, const RigctldSetting& setting) {
    const std::string path = rigctldSettingPath(baseDirectory);
    const std::string fresh = path + ".new";
    std::error_code ec;
    std::filesystem::create_directories(commoFolderPath(baseDirectory), ec);
    {
        std::ofstream out(fresh, std::ios::trunc);
        out << (setting.on ? "1," : "0,") << setting.address << "\r\n";
        if (!out.flush()) return false;
    }
    std::filesystem::rename(fresh, path, ec);
    return !ec;
}

}  // namespace velmora
