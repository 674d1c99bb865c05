#include "app/TrafficLog.h"

#include <cerrno>
#include <cstring>

#include "files/EscapedBytes.h"

namespace velmora {

TrafficLog::~TrafficLog() {
    std::lock_guard lock(mutex_);
    if (!file_) return;
    if (!pendingRx_.empty()) write("RX", pendingRx_);
    std::fclose(file_);
}

bool TrafficLog::open(const std::string& path) {
    std::lock_guard lock(mutex_);
    if (file_) std::fclose(file_);
    file_ = std::fopen(path.c_str(), "w");
    return file_ != nullptr;
}

void TrafficLog::write(const char* direction, std::string_view bytes) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - start_)
                        .count();
    if (!error_.empty()) return;
    const bool ok = std::fprintf(file_, "%lld %s %s\n", static_cast<long long>(ms), direction,
                                 escapedBytes(bytes).c_str()) > 0 &&
                    std::fflush(file_) == 0;
    if (!ok) error_ = std::strerror(errno);
}

std::string TrafficLog::writeError() const {
    std::lock_guard lock(mutex_);
    return error_;
}

void TrafficLog::bytesWritten(std::string_view bytes) {
    std::lock_guard lock(mutex_);
    if (file_) write("TX", bytes);
}

void TrafficLog::bytesRead(std::string_view bytes) {
    std::lock_guard lock(mutex_);
    if (!file_) return;
    for (char c : bytes) {
        pendingRx_ += c;
        if (c != ';') continue;
        write("RX", pendingRx_);
        pendingRx_.clear();
    }
}

void TrafficLog::deviceClosed() {
    std::lock_guard lock(mutex_);
    if (file_ && !pendingRx_.empty()) write("RX", pendingRx_);
    pendingRx_.clear();
}

}  // namespace velmora
