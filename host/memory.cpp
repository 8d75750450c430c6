// Movable memory blocks over the C heap.
#include "host/memory.h"

#include <cstdlib>
#include <cstring>

struct xt_block_s {
  unsigned char* bytes;
  size_t size;
  int32_t locks;
};

MemoryBlocks::~MemoryBlocks() {
  for (xt_handle block : live_) {
    std::free(block->bytes);
    delete block;
  }
}

bool MemoryBlocks::Check(xt_handle block) {
  if (IsLive(block)) return true;
  last_error_ = kBadHandle;
  return false;
}

xt_handle MemoryBlocks::Allocate(size_t size) {
  if (size > kLargestBlock) {
    last_error_ = kMemoryFull;
    return nullptr;
  }
  auto* bytes = static_cast<unsigned char*>(std::calloc(size == 0 ? 1 : size, 1));
  if (!bytes) {
    last_error_ = kMemoryFull;
    return nullptr;
  }
  auto* block = new xt_block_s{bytes, size, 0};
  live_.insert(block);
  last_error_ = kNoError;
  return block;
}

void MemoryBlocks::Release(xt_handle block) {
  if (!Check(block)) return;
  live_.erase(block);
  std::free(block->bytes);
  delete block;
  last_error_ = kNoError;
}

size_t MemoryBlocks::Size(xt_handle block) {
  if (!Check(block)) return 0;
  last_error_ = kNoError;
  return block->size;
}

xt_status MemoryBlocks::Resize(xt_handle block, size_t size) {
  if (!Check(block)) return kBadHandle;
  if (block->locks > 0) return last_error_ = kBlockLocked;
  if (size > kLargestBlock) return last_error_ = kMemoryFull;
  auto* bytes = static_cast<unsigned char*>(std::calloc(size == 0 ? 1 : size, 1));
  if (!bytes) return last_error_ = kMemoryFull;
  std::memcpy(bytes, block->bytes, size < block->size ? size : block->size);
  std::free(block->bytes);
  block->bytes = bytes;
  block->size = size;
  return last_error_ = kNoError;
}

void* MemoryBlocks::Lock(xt_handle block) {
  if (!Check(block)) return nullptr;
  ++block->locks;
  last_error_ = kNoError;
  return block->bytes;
}

void MemoryBlocks::Unlock(xt_handle block) {
  if (!Check(block)) return;
  if (block->locks > 0) --block->locks;
  last_error_ = kNoError;
}

MemoryBlocks& HostMemory() {
  static MemoryBlocks blocks;
  return blocks;
}
