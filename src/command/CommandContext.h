#pragma once
// What the command thread's handlers reach outside themselves: the store, the send path to
// Sio_Send_Thread, the main window's timers and messages, the thread's own pauses and the
// opening of the port. Tests give it a recording sleeper and a fake window; the thread gives it
// its interruptible sleep.
#include <cstdint>
#include <functional>
#include <string_view>

#include "command/CommandBuffer.h"

namespace velmora {

class RadioStateStore;
class ThreadMailbox;

// Pauses the calling thread ms milliseconds; false when the pause was cut short because the
// thread is being ended (the handler then gives up what it had still to send).
using Sleeper = std::function<bool(int ms)>;
// Opens the serial port if it is closed; false when it cannot be opened.
using PortOpener = std::function<bool()>;

// One request as the handlers see it: only bit 0 of wParam (the sub receiver) and lParam.
struct Request {
    uint32_t id = 0;
    bool sub = false;
    int64_t value = 0;

    char target() const { return sub ? '1' : '0'; }
    int receiver() const { return sub ? 1 : 0; }
};

class CommandContext {
  public:
    CommandContext(RadioStateStore& store, Sleeper sleeper, PortOpener openSerialPort);

    RadioStateStore& store() { return store_; }

    // SendRing.Put of the command, then WM_SEND_NEXT to Sio_Send_Thread. An empty command
    // (length 0) is not sent.
    void send(const CommandBuffer& command);
    // The command that is a code and its parameter characters, with the length of the code's
    // set-table record.
    void sendSet(std::string_view code, std::string_view params);
    // A query of the read table: the code, its parameter characters, the read record's length.
    void sendQuery(std::string_view code, std::string_view params = {});

    // While on, every command sent is noted in the store's read ledger as a query awaiting its
    // answer (the reads turn it on around their queries).
    void noteQueries(bool on) { noteQueries_ = on; }

    bool pause(int ms);
    bool openSerialPort();

    // The main window's timers; nothing when there is no window.
    void setTimer(int id, int ms);
    void killTimer(int id);
    // Posts to the main window and to the threads, this one included (queued behind what waits
    // there already).
    const ThreadMailbox& mailbox() const;

  private:
    RadioStateStore& store_;
    Sleeper sleeper_;
    PortOpener openPort_;
    CommandBuffer buffer_;  // used by sendSet and sendQuery; one handler runs at a time
    bool noteQueries_ = false;
};

}  // namespace velmora
