// The engine's state record and the lock that keeps a block in place while
// it is read. Internal to the engine's files.
#pragma once

#include <cstdint>

#include "container/block.h"

// Trie node and operation, converted to host order when the engine opens.
struct HyphNode {
  uint16_t base;  // children at base + code
  uint16_t op;    // first operation, 0 = none
  uint8_t code;   // the code that leads here
  uint8_t unused;
};
static_assert(sizeof(HyphNode) == 6);

struct HyphOp {
  uint16_t next;  // 0 ends the chain
  uint8_t distance;
  uint8_t value;
};
static_assert(sizeof(HyphOp) == 4);

inline constexpr size_t kHyphPathSize = 512;

// The state of one open engine, in the block a HyphHandle names.
struct HyphEngine {
  EngHandle trie;
  EngHandle ops;
  EngHandle builtin_exc;
  EngHandle user_exc;  // block size == list length, terminator included
  // The read-only tables stay locked from open to close, so that a query
  // takes no lock on them; null until the engine has opened.
  const HyphNode* nodes;
  const HyphOp* op_table;
  const uint8_t* builtin_list;
  int32_t enum_cursor;
  uint32_t node_count;
  uint32_t op_count;
  char user_path[kHyphPathSize];  // "" = no user file attached
};

// Locks a block for the lifetime of the object.
class BlockLock {
 public:
  explicit BlockLock(EngHandle block) : block_(block), bytes_(eng_block_lock(block)) {}
  ~BlockLock() { eng_block_unlock(block_); }
  BlockLock(const BlockLock&) = delete;
  BlockLock& operator=(const BlockLock&) = delete;
  uint8_t* bytes() const { return bytes_; }
  template <typename T>
  T* as() const { return reinterpret_cast<T*>(bytes_); }

 private:
  EngHandle block_;
  uint8_t* bytes_;
};

// Writes the user list to the state's user path; a result code of hyph.h.
int exc_list_save(const HyphEngine& state);
// Takes the list on disk at the user path in place of the one in memory when
// it loads whole (another process may have changed it); otherwise keeps the
// list in memory.
void hyph_reload_user_list(HyphEngine& state);
