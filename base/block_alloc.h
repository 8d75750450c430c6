// Relocatable memory blocks for the containers of base/. base/ knows no host:
// the allocator is a table of plain functions, the heap by default; the shell
// installs one over the host's memory suite once the suites are bound.
#pragma once

#include <cstddef>
#include <cstdint>
#include <exception>

// An opaque block; its address may change between lock and unlock pairs.
using MemBlock = void*;

struct BlockAllocator {
  MemBlock (*allocate)(size_t size);           // a new block of `size` bytes; null on failure
  void (*release)(MemBlock block);             // frees the block (null is ignored)
  int32_t (*resize)(MemBlock block, size_t size);  // 0 on success; the contents are kept
  void* (*lock)(MemBlock block);               // the block's bytes, valid until unlock
  void (*unlock)(MemBlock block);              // ends one lock
  int16_t (*last_error)();                  // error number of the last failed call
};

// Error number for failures the allocator did not name (host "memory full").
inline constexpr int16_t kBlockErrorNoMemory = -108;

// The plain heap allocator (malloc/realloc; locking is a no-op).
const BlockAllocator& HeapBlockAllocator();

// The allocator new containers take; the heap one until another is installed.
const BlockAllocator& CurrentBlockAllocator();

// Installs `allocator` for containers created from now on (null restores the
// heap). The table must outlive every container created with it.
void SetBlockAllocator(const BlockAllocator* allocator);

// Thrown when a block cannot be had; carries the allocator's error number
// (kBlockErrorNoMemory when it gave 0).
class BlockError : public std::exception {
 public:
  explicit BlockError(long error) : error_(error ? error : kBlockErrorNoMemory) {}
  long error() const noexcept { return error_; }
  const char* what() const noexcept override { return "memory block unavailable"; }

 private:
  long error_;
};
