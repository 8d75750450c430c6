// Movable memory blocks of the host: a handle stays put while the bytes behind
// it move on every resize, so a pointer kept past its unlock is caught.
#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_set>

#include "xtapi/xtapi.h"

class MemoryBlocks {
 public:
  // Host memory error numbers, as last_error reports them.
  static constexpr int16_t kNoError = 0;
  static constexpr int16_t kMemoryFull = -108;   // the request cannot be met
  static constexpr int16_t kBadHandle = -109;    // null or not a live block
  static constexpr int16_t kBlockLocked = -117;  // a locked block cannot move
  // Larger requests fail as kMemoryFull instead of exhausting the machine.
  static constexpr size_t kLargestBlock = size_t{1} << 30;

  MemoryBlocks() = default;
  MemoryBlocks(const MemoryBlocks&) = delete;
  MemoryBlocks& operator=(const MemoryBlocks&) = delete;
  ~MemoryBlocks();

  xt_handle Allocate(size_t size);  // zero-filled; null on failure
  void Release(xt_handle block);
  size_t Size(xt_handle block);
  // Moves the bytes to a new place (kept up to the smaller size, the rest
  // zero); refused while the block is locked.
  xt_status Resize(xt_handle block, size_t size);
  void* Lock(xt_handle block);  // nestable; null for a bad handle
  void Unlock(xt_handle block);
  int16_t LastError() const { return last_error_; }
  size_t LiveBlocks() const { return live_.size(); }
  bool IsLive(xt_handle block) const { return block && live_.count(block) != 0; }

 private:
  bool Check(xt_handle block);
  std::unordered_set<xt_handle> live_;
  int16_t last_error_ = kNoError;
};

// The blocks handed to the plug-ins of this process.
MemoryBlocks& HostMemory();
