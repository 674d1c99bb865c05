#include "link/CommRing.h"

#include <cstring>

namespace velmora {

CommRing::CommRing() {
    Reset();
}

void CommRing::Reset() {
    std::lock_guard lock(mutex_);
    write_ = -1;
    read_ = -1;
    sameLap_ = true;
    unread_ = 0;
    wakeRequests_ = 0;
    shutdown_ = false;
    dropped_ = 0;
    lengths_.fill(0);
    for (auto& slot : slots_) slot.fill(0);
}

int CommRing::unreadLocked() const {
    return unread_;
}

uint16_t CommRing::Put(size_t length, const void* bytes) {
    if (length >= kSlotSize || (length > 0 && !bytes)) return 0;
    {
        std::lock_guard lock(mutex_);
        if (unreadLocked() == kSlots) {
            ++dropped_;
            return 0;
        }
        // The writer moves on a lap when it wraps; the reader catches up when it wraps too.
        int next = write_ + 1;
        if (next >= kSlots) {
            next = 0;
            sameLap_ = false;
        }
        write_ = static_cast<int16_t>(next);
        if (read_ < 0) read_ = 0;
        ++unread_;
        lengths_[next] = static_cast<uint16_t>(length);
        std::memset(slots_[next].data(), 0, length);
        if (length > 0) std::memcpy(slots_[next].data(), bytes, length);
    }
    cv_.notify_one();
    return static_cast<uint16_t>(length);
}

uint16_t CommRing::takeLocked(uint8_t* out) {
    auto& slot = slots_[read_];
    const uint16_t length = lengths_[read_];
    std::memcpy(out, slot.data(), kSlotSize);
    slot.fill(0);
    lengths_[read_] = 0;
    --unread_;
    if (++read_ >= kSlots) {
        read_ = 0;
        sameLap_ = true;
    }
    return length;
}

uint16_t CommRing::Get(uint8_t* out) {
    if (!out) return kNullDestination;
    std::unique_lock lock(mutex_);
    cv_.wait(lock, [this] { return unreadLocked() > 0 || wakeRequests_ > 0 || shutdown_; });
    if (unreadLocked() > 0) return takeLocked(out);
    if (wakeRequests_ > 0) --wakeRequests_;
    return kWoken;
}

uint16_t CommRing::tryGet(uint8_t* out) {
    if (!out) return kNullDestination;
    std::lock_guard lock(mutex_);
    if (unreadLocked() == 0) return kEmpty;
    return takeLocked(out);
}

void CommRing::wake() {
    {
        std::lock_guard lock(mutex_);
        ++wakeRequests_;
    }
    cv_.notify_all();
}

void CommRing::shutdown() {
    {
        std::lock_guard lock(mutex_);
        shutdown_ = true;
    }
    cv_.notify_all();
}

uint64_t CommRing::droppedCount() const {
    std::lock_guard lock(mutex_);
    return dropped_;
}

int CommRing::unreadCount() const {
    std::lock_guard lock(mutex_);
    return unreadLocked();
}

int CommRing::writeIndex() const {
    std::lock_guard lock(mutex_);
    return write_;
}

int CommRing::readIndex() const {
    std::lock_guard lock(mutex_);
    return read_;
}

bool CommRing::sameLap() const {
    std::lock_guard lock(mutex_);
    return sameLap_;
}

}  // namespace velmora
