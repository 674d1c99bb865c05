#pragma once
// The words for each link event, one function per event: the console prints them as its lines
// and the window shows the same words in its status line, so an operator reads the same thing
// in both.
#include <string>
#include <string_view>
#include <vector>

namespace velmora::link_text {

std::string portOpened(std::string_view description);
std::string portNotOpened(std::string_view why);
std::string portClosed();
std::string radioIdentified(int value);
std::string autoInformation(bool on);
std::string initialReadProgress(int steps, int total);
std::string menuReadStarted();
// "menu read: 40 of 177 items"; past the last item the read asks again for what is missing.
std::string menuReadProgress(int steps, int items);
std::string linkLost(std::string_view why);
std::string linkRestored();
std::string menuReadComplete();
// "menu read incomplete: 3 answers missing: FA EX032 EX100".
std::string menuReadIncomplete(const std::vector<std::string>& missing);
// The settings file could not be read at start; the operator has since chosen a port or speed,
// so it was kept under setAside and the choice written in its place.
std::string commSettingSetAside(std::string_view path, std::string_view setAside);

}  // namespace velmora::link_text
