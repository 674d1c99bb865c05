#include "app/ConsoleReporter.h"

#include <cstdio>
#include <string>

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
    std::fputs(text.c_str(), out_);
    std::fputc('\n', out_);
    std::fflush(out_);
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

void ConsoleReporter::initialReadProgress(int steps, int total) {
    line("initial read: " + std::to_string(steps) + " of " + std::to_string(total) + " steps");
}

void ConsoleReporter::menuReadStarted() {
    line("initial read complete; menu read started");
}

void ConsoleReporter::menuReadComplete() {
    line("menu read complete");
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
