#pragma once
// The --log file: one line per command written, "<ms> TX <text>", and one per answer received,
// "<ms> RX <text>" with its ";"; milliseconds on the monotonic clock since the log began, bytes
// outside printable ASCII as \xNN. Received bytes are cut into answers at each ";"; bytes left
// when the port closes are written as they are.
#include <chrono>
#include <cstdio>
#include <mutex>
#include <string>

#include "serial/ObservedSerialDevice.h"

namespace velmora {

class TrafficLog : public SerialTrafficObserver {
  public:
    TrafficLog() = default;
    ~TrafficLog() override;
    TrafficLog(const TrafficLog&) = delete;
    TrafficLog& operator=(const TrafficLog&) = delete;

    // Truncates path; false if it cannot be opened.
    bool open(const std::string& path);

    void bytesWritten(std::string_view bytes) override;
    void bytesRead(std::string_view bytes) override;
    void deviceClosed() override;

    // Why the first write that failed failed (a full disk); empty while every write succeeded.
    // The log stops at the first failure.
    std::string writeError() const;

  private:
    void write(const char* direction, std::string_view bytes);

    const std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    mutable std::mutex mutex_;  // guards file_, pendingRx_ and error_
    std::FILE* file_ = nullptr;
    std::string pendingRx_;  // received bytes of an answer not yet ended by ";"
    std::string error_;
};

}  // namespace velmora
