#pragma once
// Counts heap allocations by replacing the global operator new, so a benchmark can report
// allocations per operation in steady state. Include it in exactly one file of a benchmark
// program: it defines the replaced operators.
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>

// The replaced operators pair malloc with free on purpose; GCC sees the inlined operator new
// and operator delete and takes them for a mismatch.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

namespace velmora::bench {
inline std::atomic<uint64_t> gAllocations{0};
inline uint64_t allocationCount() {
    return gAllocations.load(std::memory_order_relaxed);
}
}  // namespace velmora::bench

void* operator new(std::size_t size) {
    velmora::bench::gAllocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
