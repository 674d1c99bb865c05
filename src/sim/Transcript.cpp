#include "sim/Transcript.h"

#include <chrono>
#include <cstdio>

#include "files/EscapedBytes.h"

namespace velmora::sim {

namespace {
int64_t steadyMicros() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
}  // namespace

Transcript::Transcript(bool keepInMemory) : keep_(keepInMemory), startMicros_(steadyMicros()) {}

bool Transcript::openFile(const std::string& path) {
    std::lock_guard lock(mutex_);
    file_.open(path, std::ios::out | std::ios::trunc);
    return file_.is_open();
}

void Transcript::record(char direction, std::string_view bytes) {
    TranscriptEntry e{static_cast<double>(steadyMicros() - startMicros_) / 1000.0, direction,
                      std::string(bytes)};
    std::lock_guard lock(mutex_);
    if (file_.is_open()) {
        file_ << formatLine(e) << '\n';
        file_.flush();
    }
    if (keep_ && entries_.size() < kMaxEntries) entries_.push_back(std::move(e));
}

std::vector<TranscriptEntry> Transcript::entries() const {
    std::lock_guard lock(mutex_);
    return entries_;
}

std::string Transcript::joined(char direction) const {
    std::lock_guard lock(mutex_);
    std::string out;
    for (const TranscriptEntry& e : entries_)
        if (e.direction == direction) out += e.bytes;
    return out;
}

std::string Transcript::formatLine(const TranscriptEntry& e) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%.3f %c ", e.millis, e.direction);
    return stamp + escapedBytes(e.bytes);
}

}  // namespace velmora::sim
