#include "app/ConsoleReporter.h"

#include <cstdio>
#include <string>

#include "app/LinkEventTexts.h"

namespace velmora {

std::string ConsoleReporter::oneLine(std::string_view text) {
    std::string s;
    for (char c : text) {
        if (c == '\n') {
            s += " / ";
        } else {
            s += c;
        }
    }
    return s;
}

void ConsoleReporter::line(const std::string& text) {
    std::lock_guard lock(mutex_);
    if (closed_) return;
    // A failing radio repeats itself many times a second: one line, and the count once it stops.
    if (text == last_) {
        ++repeats_;
        return;
    }
    writeRepeats();
    last_ = text;
    write(text);
}

void ConsoleReporter::flush() {
    std::lock_guard lock(mutex_);
    if (closed_) return;
    writeRepeats();
    last_.clear();
}

void ConsoleReporter::writeRepeats() {
    if (repeats_ == 0) return;
    const uint64_t n = repeats_;
    repeats_ = 0;
    write("\u2026 repeated " + std::to_string(n) + (n == 1 ? " time" : " times"));
}

void ConsoleReporter::write(const std::string& text) {
    std::fputs(text.c_str(), out_);
    std::fputc('\n', out_);
    // A reader that has gone (a pipe into head) takes no more lines; the run goes on.
    if (std::fflush(out_) != 0) closed_ = true;
}

void ConsoleReporter::portOpened(std::string_view description) {
    line(link_text::portOpened(description));
}

void ConsoleReporter::portOpenFailed(std::string_view why) {
    if (!why.empty()) line(link_text::portNotOpened(why));
}

void ConsoleReporter::radioIdentified(int value) {
    line(link_text::radioIdentified(value));
}

void ConsoleReporter::autoInformationOn() {
    line(link_text::autoInformation(true));
}

void ConsoleReporter::autoInformationOff() {
    line(link_text::autoInformation(false));
}

void ConsoleReporter::portClosed() {
    line(link_text::portClosed());
}

void ConsoleReporter::radioSilent(std::string_view text) {
    line(std::string(text));
}

void ConsoleReporter::initialReadProgress(int steps, int total) {
    line(link_text::initialReadProgress(steps, total));
}

void ConsoleReporter::menuReadStarted() {
    line(link_text::menuReadStarted());
}

void ConsoleReporter::linkLost(std::string_view why) {
    line(link_text::linkLost(why));
}

void ConsoleReporter::linkRestored() {
    line(link_text::linkRestored());
}

void ConsoleReporter::menuReadComplete() {
    line(link_text::menuReadComplete());
}

void ConsoleReporter::menuReadIncomplete(const std::vector<std::string>& missing) {
    line(link_text::menuReadIncomplete(missing));
}

void ConsoleReporter::commSettingSetAside(std::string_view path, std::string_view setAside) {
    line(link_text::commSettingSetAside(path, setAside));
}

void ConsoleReporter::notification(uint32_t id, std::string_view code,
                                   const std::vector<RecordChange>& changes) {
    if (!notifications_) return;
    char head[32];
    std::snprintf(head, sizeof head, "0x%04X", static_cast<unsigned>(id));
    std::string text = head;
    if (!code.empty()) text += " " + std::string(code);
    for (const auto& c : changes) text += " " + c.key + "=" + c.after;
    line(text);
}

void ConsoleReporter::showFailure(int stringId, std::string_view text) {
    line("failure " + std::to_string(stringId) + ": " + oneLine(text));
}

}  // namespace velmora
