#include "app/ConsoleReporter.h"

#include <cstdio>
#include <string>

#include "link/ReadLedger.h"

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
    line("port opened: " + std::string(description));
}

void ConsoleReporter::portOpenFailed(std::string_view why) {
    if (!why.empty()) line("port not opened: " + std::string(why));
}

void ConsoleReporter::radioIdentified(int value) {
    char text[64];
    std::snprintf(text, sizeof text, "radio identified: %04d%s", value,
                  value == 362 ? "" : " (not the radio this program controls)");
    line(text);
}

void ConsoleReporter::autoInformationOn() {
    line("auto-information on");
}

void ConsoleReporter::autoInformationOff() {
    line("auto-information off");
}

void ConsoleReporter::portClosed() {
    line("port closed");
}

void ConsoleReporter::radioSilent(std::string_view text) {
    line(std::string(text));
}

void ConsoleReporter::initialReadProgress(int steps, int total) {
    line("initial read: " + std::to_string(steps) + " of " + std::to_string(total) + " steps");
}

void ConsoleReporter::menuReadStarted() {
    line("initial read complete; menu read started");
}

void ConsoleReporter::linkLost(std::string_view why) {
    line("link lost: " + std::string(why) + "; connecting again when the radio is back");
}

void ConsoleReporter::linkRestored() {
    line("link up again");
}

void ConsoleReporter::menuReadComplete() {
    line("menu read complete");
}

void ConsoleReporter::menuReadIncomplete(const std::vector<std::string>& missing) {
    line(incompleteReadText(missing));
}

std::string ConsoleReporter::incompleteReadText(const std::vector<std::string>& missing) {
    return "menu read incomplete: " + std::to_string(missing.size()) +
           " answers missing: " + missingList(missing);
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
