// The opened main dictionary son.dic: letter trees of three kinds, the ending
// tree, and the stem store (prefix records over stem blocks that are read on
// demand into discardable blocks). Internal to the spelling engine.
#pragma once

#include <cstddef>
#include <cstdint>

#include "container/block.h"
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

struct TreePair {
  EngHandle links = nullptr;
  EngHandle letters = nullptr;
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
  bool StemStoreHolds(const uint8_t* codes);

  int TreeCount(TreeKind kind) const { return tree_count_[int(kind)]; }
  uint32_t RecordCount() const { return record_count_; }

 private:
  int OpenStemStore(const char* path);
  int OpenTrees(TreeKind kind, const char* link_type, const char* letter_type);
  const uint8_t* LockBlock(StemRecord& record);
  bool EndingAllowed(uint8_t paradigm, uint8_t variant, const uint8_t* ending) const;
  bool FullSearch(const uint8_t* block, size_t size, const uint8_t* rest) const;
  bool LetterlessSearch(const uint8_t* block, size_t size, const uint8_t* rest) const;

  bool open_ = false;
  int container_ = -1;
  uint16_t file_ = 0;
  StemRecord* records_ = nullptr;
  uint32_t record_count_ = 0;
  EngHandle ending_links_ = nullptr;
  EngHandle ending_letters_ = nullptr;
  TreeView ending_tree_;
  TreePair trees_[3][kMaxTreesPerKind];
  int tree_count_[3] = {0, 0, 0};
};
