#pragma once
// A scriptable serial device for tests of the port logic and the receive and send threads.
// Each read hands out at most one scripted chunk (the driver's "bytes per read"); status()
// reports the scripted error word once (clear on read, like the real one) and the scripted line
// flags until they are changed. Everything written, every RTS change and every open and close is
// logged. Thread-safe: the receive and send threads may share one fake.
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "serial/SerialDevice.h"

namespace velmora::test {

class FakeSerialDevice final : public SerialDevice {
  public:
    struct OpenCall {
        std::string path;
        int baud;
    };

    // --- scripting ---
    void setOpenSucceeds(bool ok) {
        locked([&] { openSucceeds_ = ok; });
    }
    // Opens fail as a device owned by a group the user is not in.
    void setOpenDenied(bool denied) {
        locked([&] { openSucceeds_ = !(denied_ = denied); });
    }
    // One chunk per read (a read smaller than the chunk leaves the rest at the front).
    void queueRead(const std::string& bytes) {
        locked([&] { chunks_.push_back(bytes); });
        changed_.notify_all();
    }
    // The next status() reports these error bits (added to any not yet reported).
    void queueErrors(uint32_t errorWord) {
        locked([&] { pendingErrors_ |= errorWord; });
    }
    void setLineFlags(uint32_t flags) {
        locked([&] { lineFlags_ = flags; });
    }
    void setOutQueue(uint32_t count) {
        locked([&] { outQueue_ = count; });
    }
    // The device goes away: reads, writes and waits report LineLost, status kLineLost|kRlsdHold.
    void loseLine() {
        locked([&] { lost_ = true; });
        changed_.notify_all();
    }

    // --- what happened ---
    std::vector<OpenCall> opens() const {
        return locked([&] { return opens_; });
    }
    int closeCount() const {
        return locked([&] { return closes_; });
    }
    // The current RTS level, unknown before the first open.
    std::optional<bool> rts() const {
        return locked([&] { return rts_; });
    }
    std::vector<std::string> writes() const {
        return locked([&] { return writes_; });
    }
    std::string written() const {
        std::string all;
        for (const auto& w : writes()) all += w;
        return all;
    }
    int statusCalls() const {
        return locked([&] { return statusCalls_; });
    }
    int readCalls() const {
        return locked([&] { return readCalls_; });
    }

    // --- SerialDevice ---
    bool open(const std::string& path, const SerialSettings& settings) override {
        const bool opened = locked([&] {
            opens_.push_back({path, settings.baud});
            if (open_ || !openSucceeds_ || !isSupportedBaudRate(settings.baud)) return false;
            open_ = wakePending_ = true;
            lost_ = false;
            rts_ = false;  // the real device opens with RTS low
            return true;
        });
        if (opened) changed_.notify_all();
        return opened;
    }
    bool close() override {
        return locked([&] {
            if (!open_) return false;
            open_ = lost_ = false;
            ++closes_;
            return true;
        });
    }
    bool openDenied() const override {
        return locked([&] { return denied_; });
    }
    bool isOpen() const override {
        return locked([&] { return open_; });
    }
    IoResult read(uint8_t* buf, size_t max) override {
        return locked([&]() -> IoResult {
            ++readCalls_;
            if (!open_) return {0, IoStatus::NotOpen};
            if (lost_) return {0, IoStatus::LineLost};
            if (chunks_.empty() || max == 0) return {0, IoStatus::Ok};
            std::string& front = chunks_.front();
            const size_t n = std::min(max, front.size());
            std::memcpy(buf, front.data(), n);
            front.erase(0, n);
            if (front.empty()) chunks_.pop_front();
            return {n, IoStatus::Ok};
        });
    }
    IoResult write(const uint8_t* data, size_t n) override {
        return locked([&]() -> IoResult {
            if (!open_) return {0, IoStatus::NotOpen};
            if (lost_) return {0, IoStatus::LineLost};
            writes_.emplace_back(reinterpret_cast<const char*>(data), n);
            return {n, IoStatus::Ok};
        });
    }
    std::optional<SerialStatus> status() override {
        return locked([&]() -> std::optional<SerialStatus> {
            ++statusCalls_;
            if (!open_) return std::nullopt;
            SerialStatus s;
            s.errors = std::exchange(pendingErrors_, 0);
            s.lineFlags =
                lineFlags_ | (lost_ ? line_status::kLineLost | line_status::kRlsdHold : 0);
            s.inQueue = chunks_.empty() ? 0u : static_cast<uint32_t>(chunks_.front().size());
            s.outQueue = outQueue_;
            return s;
        });
    }
    void setRts(bool on) override {
        locked([&] {
            if (open_) rts_ = on;
        });
    }
    WaitResult waitReadable(int timeoutMs) override {
        std::unique_lock lock(mutex_);
        const auto ready = [this] {
            return wakePending_ || (open_ && (lost_ || !chunks_.empty()));
        };
        if (!changed_.wait_for(lock, std::chrono::milliseconds(std::max(timeoutMs, 0)), ready)) {
            return WaitResult::TimedOut;
        }
        if (std::exchange(wakePending_, false)) return WaitResult::Woken;
        return lost_ ? WaitResult::LineLost : WaitResult::Readable;
    }
    void wake() override {
        locked([&] { wakePending_ = true; });
        changed_.notify_all();
    }

  private:
    template <class F>
    auto locked(F f) const -> decltype(f()) {
        std::lock_guard lock(mutex_);
        return f();
    }

    mutable std::mutex mutex_;         // guards every member below
    std::condition_variable changed_;  // a chunk was queued, the line lost or wake() called
    bool openSucceeds_ = true, open_ = false, lost_ = false, wakePending_ = false, denied_ = false;
    std::deque<std::string> chunks_;
    uint32_t pendingErrors_ = 0, lineFlags_ = 0, outQueue_ = 0;
    std::optional<bool> rts_;
    std::vector<OpenCall> opens_;
    std::vector<std::string> writes_;
    int closes_ = 0, statusCalls_ = 0, readCalls_ = 0;
};

}  // namespace velmora::test
