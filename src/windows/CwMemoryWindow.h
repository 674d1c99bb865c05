#pragma once
// The CW window's logic (dialog 897): the five keyer memory texts read at opening, the ten play
// buttons and the five WR buttons. The window stays read-only until the fifth text has arrived
// or timer 26 gives up waiting; afterwards each KM answer refreshes the memory it carried. The
// view is the toolkit's window; GUI thread only.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

class RadioStateStore;
class WindowHost;

class CwMemoryView {
  public:
    virtual ~CwMemoryView() = default;
    // Field 1..5 shows text (trailing spaces already cut).
    virtual void showText(int field, const std::string& text) = 0;
    // The fifteen buttons enabled and the five fields editable, or neither.
    virtual void setEditable(bool editable) = 0;
    virtual void focusFirstPlayButton() = 0;
    // True while the operator has changed field 1..5 and not yet written it.
    virtual bool fieldBeingEdited(int field) const = 0;
};

class CwMemoryWindow {
  public:
    static constexpr int kFields = 5;
    static constexpr int kMaxText = 50;
    static constexpr int kTextsLateMs = 5000;

    // timers: the window's own timers (timer 26).
    CwMemoryWindow(RadioStateStore& store, WindowHost& timers, CwMemoryView& view);

    void open();
    void onTextArrived();  // the KM notification
    bool onTimer(int id);
    void close();

    // Message Play Ch-1..5 (channel 1..5) and Text Play Ch-1..5 (channel 6..10).
    void play(int channel);
    // WR of field 1..5 with the field's text; false when it sent nothing.
    bool write(int field, std::string_view text);

    int textsRead() const { return textsRead_; }
    bool editable() const { return textsRead_ == kFields; }

    // What a keystroke puts into a field: letters upper-cased, nullopt for a refused character.
    static std::optional<char> typedChar(char c);
    // A pasted text as the field takes it: letters upper-cased, refused characters dropped.
    static std::string acceptedText(std::string_view text);
    // The command WR sends, or nullopt when the text is empty, too long or holds a character
    // the radio's memory does not take (";" above all: it would end the command early).
    static std::optional<std::string> writeCommand(int field, std::string_view text);
    // The stored text of memory 1..5 without its trailing spaces.
    static std::string storedText(const RadioStateStore& store, int memory);

  private:
    void showStored(int memory);
    void unlock();

    RadioStateStore& store_;
    WindowHost& timers_;
    CwMemoryView& view_;
    int textsRead_ = 0;
};

}  // namespace velmora
