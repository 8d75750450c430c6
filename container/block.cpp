// Movable memory blocks on the plain heap. Every block is on one list so that
// the discardable ones can be dropped together; one mutex guards the list and
// every block's lock count, so engines on several threads may share blocks.
#include "container/block.h"

#include <cstdlib>
#include <cstring>
#include <mutex>

struct EngBlock {
  uint8_t* data;
  size_t size;
  uint32_t flags;
  int locks;
  bool discarded;
  EngBlock* prev;
  EngBlock* next;
};

namespace {

std::mutex g_mutex;
EngBlock* g_blocks = nullptr;
size_t g_live = 0;
long g_fail_after = -1;

// Decides whether the next allocation may proceed (failure injection and the
// size cap).
bool AllocationAllowed(size_t size) {
  if (size > kEngBlockMaxSize) return false;
  if (g_fail_after < 0) return true;
  if (g_fail_after == 0) {
    g_fail_after = -1;
    return false;
  }
  --g_fail_after;
  return true;
}

// Memory for `size` bytes; malloc(0) may give null, so at least one byte.
uint8_t* AllocBytes(size_t size, bool zero) {
  void* p = zero ? std::calloc(size ? size : 1, 1) : std::malloc(size ? size : 1);
  return static_cast<uint8_t*>(p);
}

}  // namespace

EngHandle eng_block_alloc(size_t size, uint32_t flags) {
  const std::lock_guard<std::mutex> guard(g_mutex);
  if (!AllocationAllowed(size)) return nullptr;
  auto* block = static_cast<EngBlock*>(std::malloc(sizeof(EngBlock)));
  if (!block) return nullptr;
  block->data = AllocBytes(size, flags & kBlockZeroInit);
  if (!block->data) {
    std::free(block);
    return nullptr;
  }
  block->size = size;
  block->flags = flags;
  block->locks = 0;
  block->discarded = false;
  block->prev = nullptr;
  block->next = g_blocks;
  if (g_blocks) g_blocks->prev = block;
  g_blocks = block;
  ++g_live;
  return block;
}

void eng_block_free(EngHandle block) {
  if (!block) return;
  const std::lock_guard<std::mutex> guard(g_mutex);
  if (block->prev) block->prev->next = block->next;
  else g_blocks = block->next;
  if (block->next) block->next->prev = block->prev;
  std::free(block->data);
  std::free(block);
  --g_live;
}

uint8_t* eng_block_lock(EngHandle block) {
  const std::lock_guard<std::mutex> guard(g_mutex);
  if (!block || block->discarded) return nullptr;
  ++block->locks;
  return block->data;
}

uint8_t* eng_block_pinned(EngHandle block) {
  // A locked block is neither moved nor dropped, so its data pointer does not
  // change while the caller's lock lasts.
  return block ? block->data : nullptr;
}

void eng_block_unlock(EngHandle block) {
  const std::lock_guard<std::mutex> guard(g_mutex);
  if (block && block->locks > 0) --block->locks;
}

size_t eng_block_size(EngHandle block) {
  const std::lock_guard<std::mutex> guard(g_mutex);
  return block && !block->discarded ? block->size : 0;
}

bool eng_block_resize(EngHandle block, size_t size) {
  const std::lock_guard<std::mutex> guard(g_mutex);
  if (!block || block->locks > 0 || !AllocationAllowed(size)) return false;
  const bool zero = block->flags & kBlockZeroInit;
  if (block->discarded) {
    uint8_t* fresh = AllocBytes(size, zero);
    if (!fresh) return false;
    block->data = fresh;
    block->size = size;
    block->discarded = false;
    return true;
  }
  auto* grown = static_cast<uint8_t*>(std::realloc(block->data, size ? size : 1));
  if (!grown) return false;
  if (zero && size > block->size) std::memset(grown + block->size, 0, size - block->size);
  block->data = grown;
  block->size = size;
  return true;
}

size_t eng_block_discard_all() {
  const std::lock_guard<std::mutex> guard(g_mutex);
  size_t dropped = 0;
  for (EngBlock* b = g_blocks; b; b = b->next) {
    if (!(b->flags & kBlockDiscardable) || b->discarded || b->locks > 0) continue;
    std::free(b->data);
    b->data = nullptr;
    b->size = 0;
    b->discarded = true;
    ++dropped;
  }
  return dropped;
}

void eng_block_fail_after(long successes) {
  const std::lock_guard<std::mutex> guard(g_mutex);
  g_fail_after = successes;
}

size_t eng_block_live_count() {
  const std::lock_guard<std::mutex> guard(g_mutex);
  return g_live;
}
