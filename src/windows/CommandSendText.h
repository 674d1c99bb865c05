#pragma once
// Command Send (dialog 591): the operator's text goes to the radio exactly as typed, as one
// entry of SendRing. Only printable ASCII is taken (the radio's commands are nothing else, and a
// character of another script would count as several bytes on the line), at most 500 bytes; a
// text that cannot be queued keeps the window open with the reason, so nothing is lost silently.
// GUI thread only.
#include <cstdint>
#include <string_view>

namespace velmora {

class RadioStateStore;

enum class CommandSendOutcome : uint8_t {
    Sent,          // queued, the command thread woken: the window closes
    Empty,         // nothing to send: the window closes
    TooLong,       // more than 500 bytes
    NotPrintable,  // a byte outside 0x20..0x7E
    QueueFull,     // SendRing refused the entry
};

class CommandSendText {
  public:
    static constexpr size_t kMaxBytes = 500;

    // What sending text would come to, without sending (Sent for a text that may go).
    static CommandSendOutcome check(std::string_view text);
    // Checks, then puts the text into SendRing and asks the command thread to wake the send
    // thread.
    static CommandSendOutcome send(RadioStateStore& store, std::string_view text);
    // Whether the window closes after outcome.
    static bool closes(CommandSendOutcome outcome);
    // The line the window shows when it stays open; empty for outcomes that close it.
    static std::string_view refusalText(CommandSendOutcome outcome);
};

}  // namespace velmora
