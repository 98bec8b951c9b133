#include "AllocationCounter.h"

#include <atomic>
#include <cstddef>

#if defined(__SANITIZE_ADDRESS__)
#define KAVREL_BENCH_NO_COUNTING 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KAVREL_BENCH_NO_COUNTING 1
#endif
#endif

namespace {

// Audio runs on the mixer's own thread, which may allocate too.
std::atomic<long>& allocations() {
    static std::atomic<long> made{0};
    return made;
}

}  // namespace

#ifndef KAVREL_BENCH_NO_COUNTING

extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* block, size_t size);
void* __libc_memalign(size_t alignment, size_t size);
void __libc_free(void* block);

void* malloc(size_t size) {
    allocations().fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(size);
}

void* calloc(size_t count, size_t size) {
    allocations().fetch_add(1, std::memory_order_relaxed);
    return __libc_calloc(count, size);
}

void* realloc(void* block, size_t size) {
    allocations().fetch_add(1, std::memory_order_relaxed);
    return __libc_realloc(block, size);
}

void* memalign(size_t alignment, size_t size) {
    allocations().fetch_add(1, std::memory_order_relaxed);
    return __libc_memalign(alignment, size);
}

void* aligned_alloc(size_t alignment, size_t size) {
    return memalign(alignment, size);
}

int posix_memalign(void** block, size_t alignment, size_t size) {
    *block = memalign(alignment, size);
    return *block || size == 0 ? 0 : 12;  // ENOMEM
}

void free(void* block) {
    __libc_free(block);
}
}

bool AllocationCounter::counting() {
    return true;
}

#else

bool AllocationCounter::counting() {
    return false;
}

#endif

long AllocationCounter::count() {
    return allocations().load(std::memory_order_relaxed);
}
