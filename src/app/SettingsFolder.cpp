#include "app/SettingsFolder.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "serial/CommSettingFile.h"

namespace velmora {

namespace {

namespace fs = std::filesystem;

constexpr const char* kProgramFolder = "velmora";

std::string absoluteFrom(const std::string& base, const std::string& path) {
    const fs::path p(path);
    return (p.is_absolute() ? p : fs::path(base) / p).lexically_normal().string();
}

std::string withoutTrailingSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string passwordHome() {
    const passwd* entry = getpwuid(getuid());
    return entry && entry->pw_dir ? entry->pw_dir : "";
}

}  // namespace

std::string chooseSettingsFolder(const SettingsFolderInputs& in) {
    const std::string& cwd = in.currentDirectory;
    if (!in.configDirOption.empty())
        return withoutTrailingSlash(absoluteFrom(cwd, in.configDirOption));
    if (in.currentHasCommoFiles) return withoutTrailingSlash(cwd);
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the base-directory rules say.
    if (fs::path(in.xdgConfigHome).is_absolute())
        return withoutTrailingSlash((fs::path(in.xdgConfigHome) / kProgramFolder).string());
    if (fs::path(in.home).is_absolute())
        return withoutTrailingSlash((fs::path(in.home) / ".config" / kProgramFolder).string());
    return withoutTrailingSlash(cwd);
}

SettingsFolderInputs currentSettingsFolderInputs(const std::string& configDirOption) {
    SettingsFolderInputs in;
    in.configDirOption = configDirOption;
    std::error_code ec;
    const fs::path cwd = fs::current_path(ec);
    in.currentDirectory = ec ? fs::path("/").string() : cwd.string();
    in.currentHasCommoFiles = fs::is_directory(fs::path(in.currentDirectory) / kCommoFolder, ec);
    in.xdgConfigHome = environment("XDG_CONFIG_HOME");
    in.home = environment("HOME");
    if (in.home.empty()) in.home = passwordHome();
    return in;
}

bool prepareSettingsFolder(const std::string& folder, std::FILE* err) {
    const std::string commo = commoFolderPath(folder);
    std::error_code ec;
    fs::create_directories(commo, ec);
    int reason = ec ? ec.value() : 0;
    if (!reason && !fs::is_directory(commo)) reason = ENOTDIR;
    if (!reason && access(commo.c_str(), W_OK) != 0) reason = errno;
    if (!reason) return true;
    if (err) {
        std::fprintf(err,
                     "velmora: the settings folder %s cannot be written (%s); settings are read "
                     "where possible but not saved this run (choose another with --config-dir "
                     "DIR)\n",
                     commo.c_str(), std::strerror(reason));
    }
    return false;
}

std::string openSettingsFolder(const std::string& configDirOption, std::FILE* err) {
    const std::string folder = chooseSettingsFolder(currentSettingsFolderInputs(configDirOption));
    prepareSettingsFolder(folder, err);
    return folder;
}

}  // namespace velmora
