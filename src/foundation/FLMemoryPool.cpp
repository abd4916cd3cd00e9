#include "foundation/FLMemoryPool.h"

#include <new>

namespace {

struct FreeStack {
  uint16_t count;
  void* blocks[FLMemoryPool::kBlocksPerClass];
};

FreeStack freeStacks[FLMemoryPool::kClasses];

}  // namespace

size_t FLMemoryPool::sizeClass(size_t size) {
  if (size == 0) size = 1;  // a zero-byte request is served as one byte
  return (size + 1) / 2 - 1;
}

size_t FLMemoryPool::blockSize(size_t size) {
  if (size == 0) size = 1;
  return (size + 1) & ~static_cast<size_t>(1);
}

uint16_t FLMemoryPool::freeBlocks(size_t cls) { return cls < kClasses ? freeStacks[cls].count : 0; }

void* FLMemoryPool::allocate(size_t size) {
  const size_t cls = sizeClass(size);
  if (cls < kClasses && freeStacks[cls].count > 0) {
    FreeStack& stack = freeStacks[cls];
    return stack.blocks[--stack.count];
  }
  return ::operator new(blockSize(size));
}

void FLMemoryPool::deallocate(void* block, size_t size) {
  if (!block) return;
  const size_t cls = sizeClass(size);
  if (cls < kClasses && freeStacks[cls].count < kBlocksPerClass) {
    FreeStack& stack = freeStacks[cls];
    stack.blocks[stack.count++] = block;
    return;
  }
  ::operator delete(block);
}
