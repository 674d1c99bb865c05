#include "windows/CwMemoryWindow.h"

#include <array>

#include "link/MessageIds.h"
#include "link/PanelActionTable.h"
#include "link/RadioStateStore.h"

namespace velmora {

namespace {

constexpr int kFirstPlayAction = 129;   // Message Play Ch-1; Text Play Ch-5 is 138
constexpr int kMemoryReadAction = 147;  // KM1; to KM5;, 30 ms apart
constexpr int kPlayChannels = 10;

bool allowed(char c) {
    return (c >= 0x20 && c <= 0x5F && c != ';') || c == '}';
}

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

CwMemoryWindow::CwMemoryWindow(RadioStateStore& store, WindowHost& timers, CwMemoryView& view)
    : store_(store), timers_(timers), view_(view) {}

void CwMemoryWindow::open() {
    PostPanelAction(store_.mailbox, kMemoryReadAction, false, false, false, 0);
    view_.setEditable(false);
    textsRead_ = 0;
    timers_.setTimer(timer::CW_TEXTS_LATE, kTextsLateMs);
}

void CwMemoryWindow::onTextArrived() {
    if (textsRead_ < kFields) {
        // The opening read asks for the memories in order, so the n-th answer is memory n.
        ++textsRead_;
        showStored(textsRead_);
        if (textsRead_ == kFields) unlock();
        return;
    }
    showStored(store_.records.kmSelected.get());
}

bool CwMemoryWindow::onTimer(int id) {
    if (id != timer::CW_TEXTS_LATE) return false;
    for (int k = 1; k <= kFields; ++k) showStored(k);
    unlock();
    return true;
}

void CwMemoryWindow::close() {
    timers_.killTimer(timer::CW_TEXTS_LATE);
}

void CwMemoryWindow::unlock() {
    timers_.killTimer(timer::CW_TEXTS_LATE);
    textsRead_ = kFields;
    view_.setEditable(true);
    view_.focusFirstPlayButton();
}

void CwMemoryWindow::showStored(int memory) {
    if (memory < 1 || memory > kFields) return;
    // What the operator is typing stays until written; the radio's copy would undo it.
    if (editable() && view_.fieldBeingEdited(memory)) return;
    view_.showText(memory, storedText(store_, memory));
}

void CwMemoryWindow::play(int channel) {
    if (channel < 1 || channel > kPlayChannels || !editable()) return;
    PostPanelAction(store_.mailbox, kFirstPlayAction + channel - 1, false, false, false, 0);
}

bool CwMemoryWindow::write(int field, std::string_view text) {
    if (!editable()) return false;
    const std::optional<std::string> command = writeCommand(field, text);
    if (!command) return false;
    if (store_.sendRing.Put(command->size(), command->data()) == 0) return false;
    store_.mailbox.post(Thread::Anl_Send_Thread, req::SEND_QUEUED);
    return true;
}

std::optional<char> CwMemoryWindow::typedChar(char c) {
    c = upper(c);
    if (!allowed(c)) return std::nullopt;
    return c;
}

std::string CwMemoryWindow::acceptedText(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (const std::optional<char> t = typedChar(c)) out += *t;
    }
    return out.substr(0, kMaxText);
}

std::optional<std::string> CwMemoryWindow::writeCommand(int field, std::string_view text) {
    if (field < 1 || field > kFields || text.empty() || text.size() > kMaxText) return std::nullopt;
    for (const char c : text) {
        if (!allowed(c)) return std::nullopt;
    }
    return "KM" + std::to_string(field) + std::string(text) + ";";
}

std::string CwMemoryWindow::storedText(const RadioStateStore& store, int memory) {
    std::array<char, BoundedText::kCapacity> buffer{};
    std::string text(store.records.kmText[static_cast<size_t>(memory - 1)].copyInto(buffer));
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

}  // namespace velmora
