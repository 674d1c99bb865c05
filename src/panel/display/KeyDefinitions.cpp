#include "panel/display/KeyDefinitions.h"

#include <optional>
#include <utility>

#include "link/MessageIds.h"
#include "link/RadioStateStore.h"
#include "panel/display/KeySlotTable.h"

namespace velmora {

namespace {

constexpr int kMsPerCharacter = 2;

// Alt with Ctrl is not a system key: it goes by Shift and Ctrl like any other press.
KeyTable tableOf(const KeyPress& press) {
    if (press.alt && !press.ctrl) return KeyTable::Alt;
    if (press.shift) return KeyTable::Shift;
    if (press.ctrl) return KeyTable::Ctrl;
    return KeyTable::Plain;
}

}  // namespace

KeyDefinitions::KeyDefinitions(RadioStateStore& store, WindowHost& window, std::string path,
                               std::function<void()> openVersion)
    : store_(store),
      window_(window),
      path_(std::move(path)),
      openVersion_(std::move(openVersion)) {}

bool KeyDefinitions::onKey(const KeyPress& press, bool panelIdle) {
    const KeyTable table = tableOf(press);
    if (table == KeyTable::Plain && press.key == Key::F1) {
        if (panelIdle && !press.autoRepeat && openVersion_) openVersion_();
        return true;
    }
    const std::optional<int> line = keySlotLine(table, press.key);
    if (!line) return false;
    // A held key repeats: the line went out once on its first press.
    if (press.autoRepeat || running_) return bound(*line);
    return startLine(*line);
}

bool KeyDefinitions::startLine(int line) {
    std::optional<KeyDefinitionLines> read = readKeyDefinitions(path_);
    if (!read) return false;
    lines_ = std::move(*read);
    if (!bound(line)) return false;
    sequence_ = lines_[static_cast<size_t>(line)];
    position_ = 0;
    running_ = true;
    step();
    return true;
}

bool KeyDefinitions::bound(int line) const {
    return lines_[static_cast<size_t>(line)].find(';') != std::string::npos;
}

void KeyDefinitions::step() {
    window_.killTimer(timer::KEY_SEQUENCE);
    if (!running_) return;
    const size_t end = sequence_.find(';', position_);
    if (end == std::string::npos) {
        // What follows the last ";" is not a command.
        running_ = false;
        sequence_.clear();
        return;
    }
    const std::string command = sequence_.substr(position_, end + 1 - position_);
    position_ = end + 1;
    sendCommand(command);
    window_.setTimer(timer::KEY_SEQUENCE, kMsPerCharacter * static_cast<int>(command.size()));
}

void KeyDefinitions::sendCommand(const std::string& command) {
    if (store_.sendRing.Put(command.size(), command.data()) == 0) return;
    store_.mailbox.post(Thread::Anl_Send_Thread, req::SEND_QUEUED);
}

}  // namespace velmora
