// The heap block allocator and the process-wide choice of allocator.
#include "base/block_alloc.h"

#include <cstdlib>

namespace {

struct HeapBlock {
  void* data;
  size_t size;
};

int16_t gHeapError = 0;

MemBlock HeapAllocate(size_t size) {
  auto* block = static_cast<HeapBlock*>(malloc(sizeof(HeapBlock)));
  void* data = block ? malloc(size ? size : 1) : nullptr;
  if (!data) {
    free(block);
    gHeapError = kBlockErrorNoMemory;
    return nullptr;
  }
  *block = HeapBlock{data, size};
  return block;
}

void HeapRelease(MemBlock block) {
  if (!block) return;
  free(static_cast<HeapBlock*>(block)->data);
  free(block);
}

int32_t HeapResize(MemBlock block, size_t size) {
  auto* heap = static_cast<HeapBlock*>(block);
  void* data = realloc(heap->data, size ? size : 1);
  if (!data) {
    gHeapError = kBlockErrorNoMemory;
    return kBlockErrorNoMemory;
  }
  heap->data = data;
  heap->size = size;
  return 0;
}

void* HeapLock(MemBlock block) { return static_cast<HeapBlock*>(block)->data; }
void HeapUnlock(MemBlock) {}
int16_t HeapLastError() { return gHeapError; }

constexpr BlockAllocator kHeap = {HeapAllocate, HeapRelease, HeapResize,
                                  HeapLock,     HeapUnlock,  HeapLastError};

const BlockAllocator* gCurrent = &kHeap;

}  // namespace

const BlockAllocator& HeapBlockAllocator() { return kHeap; }
const BlockAllocator& CurrentBlockAllocator() { return *gCurrent; }
void SetBlockAllocator(const BlockAllocator* allocator) { gCurrent = allocator ? allocator : &kHeap; }
