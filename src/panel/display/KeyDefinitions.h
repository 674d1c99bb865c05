#pragma once
// The function keys bound to CAT command lines. The main window hands it every key press first;
// a press of a bound key sends its line's commands one after another: the first at once, each
// next one when timer 30 (timer::KEY_SEQUENCE) fires, 2 ms per character of the command before
// it, so the radio has taken one command before the next goes out. The line is read from the key
// file at each press, so edits count at once.
//
// A key is consumed only when its line holds a command (ends with ";"): the file does not exist
// by default and other windows route their keys through here, so an unbound key must reach
// them. F1 alone is the version window's key. GUI thread only.
#include <functional>
#include <string>

#include "panel/display/KeyDefinitionFile.h"
#include "panel/display/KeyPress.h"

namespace velmora {

class RadioStateStore;
class WindowHost;

class KeyDefinitions {
  public:
    // path: keyDefinitionPath(<the program's folder>). openVersion opens the version window.
    KeyDefinitions(RadioStateStore& store, WindowHost& window, std::string path,
                   std::function<void()> openVersion);

    // Whether the key is consumed. panelIdle: the panel input is not in the middle of a gesture
    // (only then may F1 open a window).
    bool onKey(const KeyPress& press, bool panelIdle);
    // Sends the running line's next command; the handler of timer 30.
    void step();

    bool running() const { return running_; }

  private:
    bool startLine(int line);
    bool bound(int line) const;
    void sendCommand(const std::string& command);

    RadioStateStore& store_;
    WindowHost& window_;
    std::string path_;
    std::function<void()> openVersion_;
    KeyDefinitionLines lines_;  // as last read
    std::string sequence_;      // the running line
    size_t position_ = 0;
    bool running_ = false;
};

}  // namespace velmora
