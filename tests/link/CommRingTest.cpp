#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "link/CommRing.h"
#include "support/TestSupport.h"

namespace velmora {
namespace {

using Buffer = std::array<uint8_t, CommRing::kSlotSize>;

uint16_t putText(CommRing& ring, const std::string& s) {
    return ring.Put(s.size(), s.data());
}

std::string takeText(CommRing& ring, uint16_t* length = nullptr) {
    Buffer out;
    out.fill(0xAA);
    const uint16_t n = ring.tryGet(out.data());
    if (length) *length = n;
    if (n >= CommRing::kSlotSize) return "<none>";
    // The rest of the slot arrives zeroed.
    EXPECT_TRUE(std::all_of(out.begin() + n, out.end(), [](uint8_t b) { return b == 0; }));
    return std::string(reinterpret_cast<const char*>(out.data()), n);
}

class CommRingTest : public ::testing::Test {
  protected:
    std::unique_ptr<CommRing> ring = std::make_unique<CommRing>();
};

TEST_F(CommRingTest, StartsAndResetsEmptyWithBothIndicesUnset) {
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(ring->writeIndex(), -1);
        EXPECT_EQ(ring->readIndex(), -1);
        EXPECT_EQ(ring->unreadCount(), 0);
        EXPECT_TRUE(ring->sameLap());
        EXPECT_EQ(takeText(*ring), "<none>");
        putText(*ring, "RM1123");
        ring->Reset();
    }
}

TEST_F(CommRingTest, EntriesComeOutInOrderAndSlotsAreZeroedWhenRead) {
    EXPECT_EQ(putText(*ring, "FA14195000"), 10);
    EXPECT_EQ(ring->readIndex(), 0);
    EXPECT_EQ(ring->writeIndex(), 0);
    EXPECT_EQ(putText(*ring, "MD02"), 4);
    EXPECT_EQ(takeText(*ring), "FA14195000");
    EXPECT_EQ(takeText(*ring), "MD02");
    EXPECT_EQ(takeText(*ring), "<none>");
    // A shorter entry in a reused slot carries nothing of the longer one before it.
    for (int i = 0; i < CommRing::kSlots - 2; ++i) putText(*ring, "X");
    for (int i = 0; i < CommRing::kSlots - 2; ++i) takeText(*ring);
    EXPECT_EQ(putText(*ring, "AB"), 2);
    EXPECT_EQ(ring->writeIndex(), 0);
    EXPECT_EQ(takeText(*ring), "AB");
}

TEST_F(CommRingTest, RefusesEntriesOf512BytesOrMore) {
    const std::string big(512, 'A'), most(511, 'B');
    EXPECT_EQ(putText(*ring, big), 0);
    EXPECT_EQ(ring->writeIndex(), -1);
    EXPECT_EQ(putText(*ring, most), 511);
    EXPECT_EQ(takeText(*ring), most);
    EXPECT_EQ(ring->Put(5, nullptr), 0);
}

TEST_F(CommRingTest, GetWithoutDestinationReturnsFFFE) {
    putText(*ring, "AI1");
    EXPECT_EQ(ring->Get(nullptr), 0xFFFE);
    EXPECT_EQ(ring->tryGet(nullptr), 0xFFFE);
    EXPECT_EQ(ring->unreadCount(), 1);
}

TEST_F(CommRingTest, WriterWrappingAheadOfTheReaderLosesNothing) {
    // The reader stays behind while the writer wraps to slot 0: everything unread still comes out.
    for (int i = 0; i < 2000; ++i) putText(*ring, std::to_string(i));
    for (int i = 0; i < 1990; ++i) ASSERT_EQ(takeText(*ring), std::to_string(i));
    for (int i = 2000; i < 2100; ++i) putText(*ring, std::to_string(i));
    EXPECT_FALSE(ring->sameLap());
    EXPECT_EQ(ring->unreadCount(), 110);
    for (int i = 1990; i < 2100; ++i) ASSERT_EQ(takeText(*ring), std::to_string(i));
    EXPECT_TRUE(ring->sameLap());
    EXPECT_EQ(takeText(*ring), "<none>");
}

TEST_F(CommRingTest, FullRingRefusesAndCountsInsteadOfOverwriting) {
    for (int i = 0; i < CommRing::kSlots; ++i)
        ASSERT_EQ(putText(*ring, std::to_string(i)), std::to_string(i).size());
    EXPECT_EQ(putText(*ring, "lost"), 0);
    EXPECT_EQ(putText(*ring, "lost"), 0);
    EXPECT_EQ(ring->droppedCount(), 2u);
    EXPECT_EQ(takeText(*ring), "0");
    EXPECT_EQ(putText(*ring, "fits"), 4);
    for (int i = 1; i < CommRing::kSlots; ++i) ASSERT_EQ(takeText(*ring), std::to_string(i));
    EXPECT_EQ(takeText(*ring), "fits");
}

TEST_F(CommRingTest, ReaderWrappingRightBehindTheWriterSeesAnEmptyRing) {
    // Reader and writer both end a lap at slot 2047; the reader wraps first. That ring is empty,
    // not full, and no phantom entry comes out of slot 0.
    for (int i = 0; i < CommRing::kSlots; ++i) putText(*ring, "X");
    for (int i = 0; i < CommRing::kSlots; ++i) takeText(*ring);
    EXPECT_EQ(ring->readIndex(), 0);
    EXPECT_EQ(ring->writeIndex(), CommRing::kSlots - 1);
    EXPECT_EQ(ring->unreadCount(), 0);
    EXPECT_EQ(takeText(*ring), "<none>");
    EXPECT_EQ(putText(*ring, "Y"), 1);
    EXPECT_EQ(takeText(*ring), "Y");
}

TEST_F(CommRingTest, BlockedGetIsReleasedByAPutOrByWake) {
    std::atomic<int> result{-1};
    Buffer out{};
    std::thread consumer([&] { result = ring->Get(out.data()); });
    putText(*ring, "PS1");
    ASSERT_TRUE(test::waitFor([&] { return result.load() >= 0; }));
    consumer.join();
    EXPECT_EQ(result.load(), 3);

    result = -1;
    std::thread waiter([&] { result = ring->Get(out.data()); });
    ring->wake();
    ASSERT_TRUE(test::waitFor([&] { return result.load() >= 0; }));
    waiter.join();
    EXPECT_EQ(result.load(), CommRing::kWoken);
}

TEST_F(CommRingTest, ShutdownReleasesEveryWaiterAndLaterGets) {
    std::atomic<int> released{0};
    std::vector<std::thread> waiters;
    for (int i = 0; i < 3; ++i) {
        waiters.emplace_back([&] {
            Buffer out{};
            if (ring->Get(out.data()) == CommRing::kWoken) ++released;
        });
    }
    ring->shutdown();
    for (auto& t : waiters) t.join();
    EXPECT_EQ(released.load(), 3);
    Buffer out{};
    EXPECT_EQ(ring->Get(out.data()), CommRing::kWoken);
    // Entries still come out after shutdown.
    putText(*ring, "ID0362");
    EXPECT_EQ(ring->Get(out.data()), 6);
}

// Several producers, one consumer, sequence numbers per producer: nothing lost, duplicated or
// torn, and what is refused on a full ring is counted.
TEST(CommRingStress, ProducersAndOneConsumerKeepEveryEntryWhole) {
    constexpr int kProducers = 4, kPerProducer = 20000;
    auto ring = std::make_unique<CommRing>();
    std::atomic<uint64_t> refused{0};
    std::vector<std::thread> producers;
    for (int p = 0; p < kProducers; ++p) {
        producers.emplace_back([&, p] {
            char entry[64];
            for (int seq = 0; seq < kPerProducer; ++seq) {
                // Producer, sequence, and a length that varies with the sequence.
                const int n = std::snprintf(entry, sizeof entry, "P%d:%07d:", p, seq);
                const int pad = seq % 40;
                std::memset(entry + n, 'a' + p, pad);
                while (ring->Put(n + pad, entry) == 0) {
                    ++refused;
                    std::this_thread::yield();
                }
            }
        });
    }
    std::vector<int> next(kProducers, 0);
    int received = 0;
    bool ok = true;
    Buffer out{};
    while (received < kProducers * kPerProducer && ok) {
        const uint16_t len = ring->Get(out.data());
        ASSERT_LT(len, CommRing::kSlotSize);
        int p = -1, seq = -1;
        ASSERT_EQ(std::sscanf(reinterpret_cast<const char*>(out.data()), "P%d:%d:", &p, &seq), 2);
        ASSERT_GE(p, 0);
        ASSERT_LT(p, kProducers);
        ok = seq == next[p];
        EXPECT_EQ(seq, next[p]) << "producer " << p;
        const int header = 11;
        EXPECT_EQ(len, header + seq % 40);
        for (int i = header; i < len; ++i) ASSERT_EQ(out[i], 'a' + p);
        ++next[p];
        ++received;
    }
    for (auto& t : producers) t.join();
    EXPECT_EQ(received, kProducers * kPerProducer);
    EXPECT_EQ(ring->droppedCount(), refused.load());
    EXPECT_EQ(ring->unreadCount(), 0);
}

}  // namespace
}  // namespace velmora
