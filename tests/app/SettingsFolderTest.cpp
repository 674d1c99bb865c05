// Where the settings live: --config-dir, an existing ./CommoFiles, XDG_CONFIG_HOME, the home
// folder; the folder made on first use; a folder that cannot be written named in one clear line
// and no settings file lost.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "app/SettingsFolder.h"
#include "serial/CommSettingFile.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

fs::path freshFolder(const std::string& stem) {
    const fs::path dir = fs::temp_directory_path() / (stem + "-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

std::string contents(const fs::path& file) {
    std::ifstream in(file);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string readAll(std::FILE* f) {
    std::rewind(f);
    std::string text;
    for (int c; (c = std::fgetc(f)) != EOF;) text += static_cast<char>(c);
    return text;
}

TEST(SettingsFolder, FirstMatchingRuleChoosesTheFolder) {
    struct Row {
        const char* why;
        const char* configDir;
        bool commoFilesHere;
        const char* xdg;
        const char* home;
        const char* expected;
    };
    const Row rows[] = {
        {"the option beats everything", "/srv/radio", true, "/x", "/home/op", "/srv/radio"},
        {"a relative option lies below the current folder", "radio/", false, "", "/home/op",
         "/work/here/radio"},
        {"an existing ./CommoFiles beats the config folder", "", true, "/x", "/home/op",
         "/work/here"},
        {"XDG_CONFIG_HOME set", "", false, "/x/cfg/", "/home/op", "/x/cfg/velmora"},
        {"XDG_CONFIG_HOME unset", "", false, "", "/home/op", "/home/op/.config/velmora"},
        {"a relative XDG_CONFIG_HOME is ignored", "", false, "cfg", "/home/op",
         "/home/op/.config/velmora"},
        {"no home at all", "", false, "", "", "/work/here"},
    };
    for (const Row& r : rows) {
        SettingsFolderInputs in;
        in.configDirOption = r.configDir;
        in.currentDirectory = "/work/here";
        in.currentHasCommoFiles = r.commoFilesHere;
        in.xdgConfigHome = r.xdg;
        in.home = r.home;
        EXPECT_EQ(chooseSettingsFolder(in), r.expected) << r.why;
    }
}

TEST(SettingsFolder, TheProcessInputsComeFromItsEnvironmentAndCurrentFolder) {
    const fs::path dir = freshFolder("velmora-settings-env");
    const fs::path before = fs::current_path();
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const std::string savedXdg = xdg ? xdg : "";
    setenv("XDG_CONFIG_HOME", (dir / "cfg").c_str(), 1);
    fs::current_path(dir);
    const SettingsFolderInputs without = currentSettingsFolderInputs("");
    fs::create_directory(dir / "CommoFiles");
    const SettingsFolderInputs with = currentSettingsFolderInputs("");
    fs::current_path(before);
    if (xdg) setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1);
    if (!xdg) unsetenv("XDG_CONFIG_HOME");

    EXPECT_EQ(chooseSettingsFolder(without), (dir / "cfg" / "velmora").string());
    EXPECT_EQ(chooseSettingsFolder(with), dir.string());
    fs::remove_all(dir);
}

TEST(SettingsFolder, FirstUseMakesTheFolderAndSaysNothing) {
    const fs::path dir = freshFolder("velmora-settings-new");
    std::FILE* err = std::tmpfile();
    EXPECT_TRUE(prepareSettingsFolder((dir / "a" / "velmora").string(), err));
    EXPECT_TRUE(fs::is_directory(dir / "a" / "velmora" / "CommoFiles"));
    EXPECT_EQ(readAll(err), "");
    std::fclose(err);
    fs::remove_all(dir);
}

// The settings folder lies below a plain file: it cannot be made, and the one line says which
// folder and why. Writing the settings then fails without touching the file in the way.
TEST(SettingsFolder, AFolderThatCannotBeWrittenIsNamedInFullAndNothingIsLost) {
    const fs::path dir = freshFolder("velmora-settings-blocked");
    std::ofstream(dir / "velmora") << "keep me\n";
    const std::string folder = (dir / "velmora").string();
    std::FILE* err = std::tmpfile();
    EXPECT_FALSE(prepareSettingsFolder(folder, err));
    const std::string message = readAll(err);
    std::fclose(err);
    EXPECT_NE(message.find(commoFolderPath(folder) + " cannot be written"), std::string::npos)
        << message;
    EXPECT_NE(message.find("--config-dir"), std::string::npos) << message;
    EXPECT_FALSE(writeCommSetting(folder, 3, 9600, 0));
    EXPECT_EQ(contents(dir / "velmora"), "keep me\n");
    fs::remove_all(dir);
}

TEST(SettingsFolder, AFailedSaveKeepsTheOldSettings) {
    const fs::path dir = freshFolder("velmora-settings-keep");
    ASSERT_TRUE(writeCommSetting(dir.string(), 3, 9600, 0));
    fs::create_directory(commSettingPath(dir.string()) + ".new");  // where the new line would go
    EXPECT_FALSE(writeCommSetting(dir.string(), 5, 19200, 0));
    EXPECT_EQ(contents(commSettingPath(dir.string())), "3,9600,0\n");
    fs::remove_all(dir);
}

}  // namespace
}  // namespace velmora
