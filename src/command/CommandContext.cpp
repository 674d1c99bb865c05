#include "command/CommandContext.h"

#include <utility>

#include "link/MessageIds.h"
#include "link/RadioStateStore.h"

namespace velmora {

CommandContext::CommandContext(RadioStateStore& store, Sleeper sleeper, PortOpener openSerialPort)
    : store_(store), sleeper_(std::move(sleeper)), openPort_(std::move(openSerialPort)) {}

void CommandContext::send(const CommandBuffer& command) {
    if (command.length() == 0) return;
    if (noteQueries_) store_.readLedger.expect(command.view().substr(0, command.length() - 1));
    store_.sendRing.Put(static_cast<size_t>(command.length()), command.data());
    store_.mailbox.post(Thread::Sio_Send_Thread, msg::WM_SEND_NEXT);
}

void CommandContext::sendSet(std::string_view code, std::string_view params) {
    if (!buffer_.beginSet(code)) return;
    buffer_.text(2, params);
    send(buffer_);
}

void CommandContext::sendQuery(std::string_view code, std::string_view params) {
    if (!buffer_.beginQuery(code)) return;
    buffer_.text(2, params);
    send(buffer_);
}

bool CommandContext::pause(int ms) {
    return sleeper_ ? sleeper_(ms) : true;
}

bool CommandContext::openSerialPort() {
    return openPort_ ? openPort_() : false;
}

void CommandContext::setTimer(int id, int ms) {
    if (WindowHost* w = store_.mainWindow.load(std::memory_order_acquire)) w->setTimer(id, ms);
}

void CommandContext::killTimer(int id) {
    if (WindowHost* w = store_.mainWindow.load(std::memory_order_acquire)) w->killTimer(id);
}

const ThreadMailbox& CommandContext::mailbox() const {
    return store_.mailbox;
}

}  // namespace velmora
