#pragma once
// A ring of 2048 slots of up to 511 bytes between producer threads and one consumer: complete
// commands to the send thread (SendRing) and complete answers to the analysis (RecvRing).
//
// Differences from a bare ring that the link relies on:
// - Put is serialised: the send ring has two producers (GUI and command thread).
// - A Put that would overwrite an unread entry is refused and counted (droppedCount) instead of
//   destroying what the reader has not seen.
// - Get on an empty ring blocks on a condition variable instead of polling, and wake() or
//   shutdown() release it with kWoken so that its thread can end.
// The slots are a member array (1 MiB): allocate the owner once, on the heap.
#include <array>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>

namespace velmora {

class CommRing {
  public:
    static constexpr int kSlots = 2048;
    static constexpr int kSlotSize = 512;
    static constexpr uint16_t kNullDestination = 0xFFFE;  // Get without a buffer
    static constexpr uint16_t kWoken = 0xFFFF;            // Get released by wake()/shutdown()
    static constexpr uint16_t kEmpty = 0xFFFD;            // tryGet found nothing unread

    CommRing();
    CommRing(const CommRing&) = delete;
    CommRing& operator=(const CommRing&) = delete;

    // Empties the ring: write and read index -1, same-lap flag 1, slots zeroed, shutdown lifted.
    void Reset();
    // Stores length bytes as one entry and returns length. Returns 0 and stores nothing for a
    // length of 512 or more, and when every slot holds an unread entry (counted as dropped).
    uint16_t Put(size_t length, const void* bytes);
    // Copies the oldest entry into out (512 bytes), zeroes its slot and returns its length.
    // Waits while the ring is empty; returns kWoken when released by wake() or shutdown().
    uint16_t Get(uint8_t* out);
    // As Get, but returns kEmpty at once instead of waiting.
    uint16_t tryGet(uint8_t* out);

    // Releases one Get that waits now, or the next one that would wait.
    void wake();
    // Releases every waiting Get and makes later ones on an empty ring return kWoken at once.
    void shutdown();

    uint64_t droppedCount() const;
    int unreadCount() const;
    int writeIndex() const;
    int readIndex() const;
    bool sameLap() const;

  private:
    int unreadLocked() const;
    uint16_t takeLocked(uint8_t* out);

    mutable std::mutex mutex_;    // guards every field below
    std::condition_variable cv_;  // signalled by Put, wake and shutdown
    int16_t write_ = -1;          // slot last written
    int16_t read_ = -1;           // next slot to read
    bool sameLap_ = true;         // reader and writer in the same pass over the slots
    // Entries written and not yet read. The indices and the same-lap flag alone cannot tell an
    // empty ring from a full one when the reader wraps before the writer does.
    int unread_ = 0;
    int wakeRequests_ = 0;
    bool shutdown_ = false;
    uint64_t dropped_ = 0;
    std::array<uint16_t, kSlots> lengths_{};
    std::array<std::array<uint8_t, kSlotSize>, kSlots> slots_{};
};

// The two rings are one type; the names say which way the entries travel.
using SendRing = CommRing;
using RecvRing = CommRing;

}  // namespace velmora
