#include "support/FakeSerialDevice.h"

#include <algorithm>
#include <chrono>
#include <cstring>

namespace velmora::test {

void FakeSerialDevice::setOpenSucceeds(bool ok) {
    std::lock_guard lock(mutex_);
    openSucceeds_ = ok;
}

void FakeSerialDevice::queueRead(const std::string& bytes) {
    {
        std::lock_guard lock(mutex_);
        chunks_.push_back(bytes);
    }
    changed_.notify_all();
}

void FakeSerialDevice::queueErrors(uint32_t errorWord) {
    std::lock_guard lock(mutex_);
    pendingErrors_ |= errorWord;
}

void FakeSerialDevice::setLineFlags(uint32_t flags) {
    std::lock_guard lock(mutex_);
    lineFlags_ = flags;
}

void FakeSerialDevice::setModemLines(uint32_t lines, bool known) {
    std::lock_guard lock(mutex_);
    modemLines_ = lines;
    modemLinesKnown_ = known;
}

void FakeSerialDevice::setInQueue(std::optional<uint32_t> count) {
    std::lock_guard lock(mutex_);
    inQueue_ = count;
}

void FakeSerialDevice::setOutQueue(uint32_t count) {
    std::lock_guard lock(mutex_);
    outQueue_ = count;
}

void FakeSerialDevice::loseLine() {
    {
        std::lock_guard lock(mutex_);
        lost_ = true;
    }
    changed_.notify_all();
}

void FakeSerialDevice::setWriteResult(IoStatus status) {
    std::lock_guard lock(mutex_);
    writeResult_ = status;
}

std::vector<FakeSerialDevice::OpenCall> FakeSerialDevice::opens() const {
    std::lock_guard lock(mutex_);
    return opens_;
}

int FakeSerialDevice::closeCount() const {
    std::lock_guard lock(mutex_);
    return closes_;
}

std::vector<bool> FakeSerialDevice::rtsHistory() const {
    std::lock_guard lock(mutex_);
    return rtsHistory_;
}

std::optional<bool> FakeSerialDevice::rts() const {
    std::lock_guard lock(mutex_);
    if (rtsHistory_.empty()) return std::nullopt;
    return rtsHistory_.back();
}

std::vector<std::string> FakeSerialDevice::writes() const {
    std::lock_guard lock(mutex_);
    return writes_;
}

std::string FakeSerialDevice::written() const {
    std::lock_guard lock(mutex_);
    std::string all;
    for (const auto& w : writes_) all += w;
    return all;
}

int FakeSerialDevice::statusCalls() const {
    std::lock_guard lock(mutex_);
    return statusCalls_;
}

int FakeSerialDevice::readCalls() const {
    std::lock_guard lock(mutex_);
    return readCalls_;
}

bool FakeSerialDevice::open(const std::string& path, const SerialSettings& settings) {
    {
        std::lock_guard lock(mutex_);
        opens_.push_back({path, settings.baud});
        if (open_ || !openSucceeds_ || !isSupportedBaudRate(settings.baud)) return false;
        open_ = true;
        lost_ = false;
        rtsHistory_.push_back(false);  // the real device opens with RTS low
        wakePending_ = true;
    }
    changed_.notify_all();
    return true;
}

bool FakeSerialDevice::close() {
    std::lock_guard lock(mutex_);
    if (!open_) return false;
    open_ = false;
    lost_ = false;
    ++closes_;
    return true;
}

bool FakeSerialDevice::isOpen() const {
    std::lock_guard lock(mutex_);
    return open_;
}

IoResult FakeSerialDevice::read(uint8_t* buf, size_t max) {
    std::lock_guard lock(mutex_);
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
}

IoResult FakeSerialDevice::write(const uint8_t* data, size_t n) {
    std::lock_guard lock(mutex_);
    if (!open_) return {0, IoStatus::NotOpen};
    if (lost_) return {0, IoStatus::LineLost};
    if (writeResult_ != IoStatus::Ok) return {0, writeResult_};
    writes_.emplace_back(reinterpret_cast<const char*>(data), n);
    return {n, IoStatus::Ok};
}

std::optional<SerialStatus> FakeSerialDevice::status() {
    std::lock_guard lock(mutex_);
    ++statusCalls_;
    if (!open_) return std::nullopt;
    SerialStatus s;
    s.errors = pendingErrors_;
    pendingErrors_ = 0;
    s.lineFlags = lineFlags_;
    if (lost_) s.lineFlags |= line_status::kLineLost | line_status::kRlsdHold;
    s.inQueue = inQueue_ ? *inQueue_
                         : (chunks_.empty() ? 0u : static_cast<uint32_t>(chunks_.front().size()));
    s.outQueue = outQueue_;
    s.modemLines = modemLines_;
    s.modemLinesKnown = modemLinesKnown_;
    return s;
}

void FakeSerialDevice::setRts(bool on) {
    std::lock_guard lock(mutex_);
    if (open_) rtsHistory_.push_back(on);
}

WaitResult FakeSerialDevice::waitReadable(int timeoutMs) {
    std::unique_lock lock(mutex_);
    const auto ready = [this] { return wakePending_ || (open_ && (lost_ || !chunks_.empty())); };
    if (!changed_.wait_for(lock, std::chrono::milliseconds(std::max(timeoutMs, 0)), ready)) {
        return WaitResult::TimedOut;
    }
    if (wakePending_) {
        wakePending_ = false;
        return WaitResult::Woken;
    }
    return lost_ ? WaitResult::LineLost : WaitResult::Readable;
}

void FakeSerialDevice::wake() {
    {
        std::lock_guard lock(mutex_);
        wakePending_ = true;
    }
    changed_.notify_all();
}

}  // namespace velmora::test
