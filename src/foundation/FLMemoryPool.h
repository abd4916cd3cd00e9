// A small-block cache for the library's links: five size classes (1-2, 3-4, 5-6, 7-8 and
// 9-10 bytes), each keeping up to five freed blocks for reuse. Larger blocks go straight
// to the general allocator. Classes derived from FLMemoryPool take their storage here.
#pragma once

#include <cstddef>
#include <cstdint>

class FLMemoryPool {
 public:
  static constexpr size_t kClasses = 5;
  static constexpr uint16_t kBlocksPerClass = 5;

  static void* allocate(size_t size);
  static void deallocate(void* block, size_t size);

  // The size class of a request (kClasses and above are not pooled).
  static size_t sizeClass(size_t size);
  // The number of bytes a request of `size` actually gets: the size rounded up to even.
  static size_t blockSize(size_t size);
  // The number of free blocks the pool holds for a size class.
  static uint16_t freeBlocks(size_t sizeClass);

  static void* operator new(size_t size) { return allocate(size); }
  static void operator delete(void* block, size_t size) { deallocate(block, size); }
};
