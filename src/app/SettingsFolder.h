#pragma once
// Where the settings live: the folder that holds CommoFiles/ (CommSetting.csv, PortMap.csv,
// VLMKSDEF.txt). Chosen once at start, first match wins:
//   1. --config-dir DIR;
//   2. the current directory, when a CommoFiles folder is already there (how the program ran
//      before it had a settings folder of its own);
//   3. $XDG_CONFIG_HOME/velmora, when that variable holds an absolute path;
//   4. $HOME/.config/velmora;
//   5. the current directory, when there is no home at all.
// The result is always absolute, so every message that names a settings file names it fully.
#include <cstdio>
#include <string>

namespace velmora {

struct SettingsFolderInputs {
    std::string configDirOption;   // --config-dir, empty when not given
    std::string currentDirectory;  // absolute
    bool currentHasCommoFiles = false;
    std::string xdgConfigHome;  // the variable's value, empty when unset
    std::string home;           // $HOME, or the password entry's home when unset
};

std::string chooseSettingsFolder(const SettingsFolderInputs& in);

// The inputs as this process sees them.
SettingsFolderInputs currentSettingsFolderInputs(const std::string& configDirOption);

// Creates folder/CommoFiles when missing and checks that it can be written. On failure writes
// one line to err naming the folder and the reason and returns false: the run goes on with what
// can be read, and no settings file is replaced.
bool prepareSettingsFolder(const std::string& folder, std::FILE* err);

// The three steps above: the folder a run of velmora uses.
std::string openSettingsFolder(const std::string& configDirOption, std::FILE* err);

}  // namespace velmora
