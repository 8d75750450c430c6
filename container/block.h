// Movable memory blocks: every resource and word list an engine loads lives in
// one. Code locks a block only while it reads or writes it; a pointer into a
// block is never kept across an unlock. Discardable blocks may be dropped while
// unlocked (eng_block_discard_all) and must then be read again by their owner.
#pragma once

#include <cstddef>
#include <cstdint>

struct EngBlock;
using EngHandle = EngBlock*;

enum EngBlockFlags : uint32_t {
  kBlockMovable = 0,
  kBlockZeroInit = 1u << 0,     // contents start as zero bytes
  kBlockDiscardable = 1u << 1,  // may be dropped while unlocked
};

// Largest block the layer hands out; bigger requests fail as "no memory".
inline constexpr size_t kEngBlockMaxSize = size_t{256} << 20;

// A new unlocked block of `size` bytes (size 0 is allowed), or null when there
// is no memory.
EngHandle eng_block_alloc(size_t size, uint32_t flags);
// Frees the block; null is accepted and ignored.
void eng_block_free(EngHandle block);
// The block's bytes, valid until the matching unlock; null when the block was
// discarded (or is null). Locks nest.
uint8_t* eng_block_lock(EngHandle block);
// The bytes of a block that the caller keeps locked, without taking the
// lock again: for a query that must not wait. Null for a null block.
uint8_t* eng_block_pinned(EngHandle block);
void eng_block_unlock(EngHandle block);
// Current size in bytes (0 for a discarded or null block).
size_t eng_block_size(EngHandle block);
// Changes the size, keeping the common prefix; new bytes are zero for a
// zero-initialised block. A discarded block is given fresh memory. On failure
// (no memory, or the block is locked) the block is unchanged and false is
// returned.
bool eng_block_resize(EngHandle block, size_t size);

// Drops the memory of every unlocked discardable block, as the system does
// under memory pressure; returns how many were dropped.
size_t eng_block_discard_all();
// Makes the allocation (or growth) after the next `successes` ones fail, to
// exercise the "no memory" paths; a negative value turns this off.
void eng_block_fail_after(long successes);
// Number of live blocks, to find leaks.
size_t eng_block_live_count();
