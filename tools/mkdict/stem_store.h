// Lays out the stem and ending store of son.dic: places stems into blocks of
// the prefix-record tree so that the engine's walk (deepest block on the path
// gets the full search, shallower blocks the letterless one) finds every form,
// packs the records and encodes the front-coded stem blocks.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct StemRef {
  std::string stem;  // letter codes (small letters and hyphen)
  uint32_t set = 0;  // index into the ending sets
};

struct StemStoreOptions {
  size_t block_target = 4096;              // wanted block size in bytes (grown to fit 4095 records)
  std::vector<std::string> forced_blocks;  // record paths that must own a block
};

struct StemStoreStats {
  size_t records = 0;
  size_t blocks = 0;
  size_t letterless_moves = 0;  // stems stored at their own record to stay reachable
  size_t largest_block = 0;
  size_t block_target = 0;
  size_t bytes = 0;
};

class StemStoreBuilder {
 public:
  // `sets[i]` lists the endings (letter codes, "" = empty ending) of
  // paradigm i / 255 + 1, variant i % 255 + 1.
  StemStoreBuilder(std::vector<StemRef> stems, const std::vector<std::vector<std::string>>* sets,
                   StemStoreOptions options);
  // Builds the data part for a container whose data part starts at absolute
  // offset `data_offset`. False with *error when a limit would be broken.
  bool Build(uint32_t data_offset, std::vector<uint8_t>* out, std::string* error);
  const StemStoreStats& stats() const { return stats_; }

 private:
  struct Record {
    uint8_t letter = 0;
    uint32_t parent = 0;
    uint32_t depth = 0;
    int32_t children[36];  // by letter - 92, -1 = none
    bool has_block = false;
    std::vector<uint32_t> stems;  // indices into stems_
    uint32_t index = 0;           // slot in the record table
    uint32_t child_base = 0;
    Record() { std::fill(std::begin(children), std::end(children), -1); }
  };
  uint32_t Child(uint32_t record, uint8_t letter);  // created when missing
  void Split(uint32_t record, size_t lo, size_t hi, size_t target);
  uint32_t DeepestBlock(const std::string& word) const;
  uint32_t RecordOf(const std::string& path) const;  // 0 (the root) when absent
  bool Place(std::string* error);
  size_t EncodedSize(size_t lo, size_t hi, size_t depth) const;
  bool PackRecords(std::string* error);

  std::vector<StemRef> stems_;
  const std::vector<std::vector<std::string>>* sets_;
  StemStoreOptions options_;
  std::vector<Record> records_;  // records_[0] is the root (no slot of its own)
  std::vector<uint8_t> letterless_;
  StemStoreStats stats_;
  uint32_t table_size_ = 0;
};
