#pragma once

// Counts the heap allocations of the whole benchmark program: malloc,
// calloc, realloc and the aligned allocators are replaced by counting
// versions that hand over to the C library's own (operator new reaches them
// through malloc). Under AddressSanitizer, which brings its own allocator,
// nothing is replaced and nothing is counted.
class AllocationCounter {
  public:
    // False when allocations are not being counted.
    static bool counting();
    // Allocations made by the program so far.
    static long count();
};
