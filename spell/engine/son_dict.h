// The opened main dictionary son.dic: letter trees of three kinds, the ending
// tree, and the stem store (prefix records over stem blocks that are read on
// demand into discardable blocks). Internal to the spelling engine.
//
// The trees and the ending tree stay locked while the dictionary is open, so
// lookups in them only read; the stem blocks are read and cached under the
// dictionary's own mutex. Every const member may be called from several
// threads at once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>

#include "container/block.h"
#include "container/resource_file.h"
#include "spell/engine/letter_tree.h"

enum class TreeKind : int { kMain = 0, kCapitalised = 1, kAbbreviation = 2 };
inline constexpr int kMaxTreesPerKind = 10;
inline constexpr uint32_t kMaxStemRecords = 4095;
// Deepest record path a lookup follows (the longest word a check reads).
inline constexpr size_t kSpellMaxPath = 280;

struct StemRecord {
  uint16_t child_base = 0;
  uint32_t offset = 0;
  uint32_t size = 0;   // 0: no block
  uint8_t letter = 0;  // 0: unused slot
  EngHandle block = nullptr;
  bool loaded = false;  // block holds the record's bytes (unless discarded)
};

// A loaded tree: its two blocks, locked for the dictionary's life, and the
// view over their bytes.
struct TreePair {
  EngHandle links = nullptr;
  EngHandle letters = nullptr;
  TreeView view;
};

class SonDictionary {
 public:
  // Opens the container at `path` and loads stem store and trees. Returns 0,
  // the container's error, or 1; *detail receives the code inside the opening.
  int Open(const char* path, int* detail);
  void Close();
  bool IsOpen() const { return open_; }

  // Whether a tree of `kind` holds `codes` (closed by the end code).
  bool TreeHolds(TreeKind kind, const uint8_t* codes) const;
  // Whether the stem and ending store holds small-letter `codes`.
  bool StemStoreHolds(const uint8_t* codes) const;

  int TreeCount(TreeKind kind) const { return tree_count_[int(kind)]; }
  // The n-th tree of `kind` (n below TreeCount).
  const TreeView& Tree(TreeKind kind, int n) const { return trees_[int(kind)][n].view; }
  uint32_t RecordCount() const { return record_count_; }

 private:
  int OpenStemStore();
  int OpenTrees(TreeKind kind, const char* link_type, const char* letter_type);
  const uint8_t* LockBlock(StemRecord& record) const;
  bool EndingAllowed(uint8_t paradigm, uint8_t variant, const uint8_t* ending) const;
  bool FullSearch(const uint8_t* block, size_t size, const uint8_t* rest) const;
  bool LetterlessSearch(const uint8_t* block, size_t size, const uint8_t* rest) const;

  bool open_ = false;
  ResContainer* container_ = nullptr;
  uint16_t file_ = 0;
  // Guards the stem blocks and the file position while a block is read.
  mutable std::mutex stem_mutex_;
  StemRecord* records_ = nullptr;
  uint32_t record_count_ = 0;
  EngHandle ending_links_ = nullptr;
  EngHandle ending_letters_ = nullptr;
  TreeView ending_tree_;
  TreePair trees_[3][kMaxTreesPerKind];
  int tree_count_[3] = {0, 0, 0};
};
