// Stem placement, record packing and block encoding of the stem store.
#include "tools/mkdict/stem_store.h"

#include <algorithm>
#include <deque>

#include "spell/engine/letters.h"

namespace {

constexpr uint32_t kMaxRecords = 4095;
constexpr size_t kMaxBlock = 65535;
constexpr size_t kRecordBytes = 16;

size_t CommonPrefix(const std::string& a, const std::string& b) {
  size_t n = 0;
  while (n < a.size() && n < b.size() && a[n] == b[n]) ++n;
  return n;
}

void PutBe16(std::vector<uint8_t>& out, size_t at, uint32_t v) {
  out[at] = uint8_t(v >> 8);
  out[at + 1] = uint8_t(v);
}
void PutBe32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + i] = uint8_t(v >> (24 - 8 * i));
}

}  // namespace

StemStoreBuilder::StemStoreBuilder(std::vector<StemRef> stems,
                                   const std::vector<std::vector<std::string>>* sets,
                                   StemStoreOptions options)
    : stems_(std::move(stems)), sets_(sets), options_(std::move(options)) {
  std::sort(stems_.begin(), stems_.end(), [](const StemRef& a, const StemRef& b) {
    return a.stem != b.stem ? a.stem < b.stem : a.set < b.set;
  });
  stems_.erase(std::unique(stems_.begin(), stems_.end(),
                           [](const StemRef& a, const StemRef& b) {
                             return a.stem == b.stem && a.set == b.set;
                           }),
               stems_.end());
}

uint32_t StemStoreBuilder::Child(uint32_t record, uint8_t letter) {
  int32_t& slot = records_[record].children[letter - kFirstSmall];
  if (slot < 0) {
    Record child;
    child.letter = letter;
    child.parent = record;
    child.depth = records_[record].depth + 1;
    slot = int32_t(records_.size());
    records_.push_back(child);
  }
  return uint32_t(records_[record].children[letter - kFirstSmall]);
}

size_t StemStoreBuilder::EncodedSize(size_t lo, size_t hi, size_t depth) const {
  size_t size = 2;
  for (size_t i = lo; i < hi; ++i) {
    size_t rest = stems_[i].stem.size() - depth;
    size_t shared =
        i == lo ? 0
                : std::min<size_t>(255, CommonPrefix(stems_[i].stem, stems_[i - 1].stem) - depth);
    size += 1 + (rest - shared) + 2;
  }
  return size;
}

void StemStoreBuilder::Split(uint32_t record, size_t lo, size_t hi, size_t target) {
  const size_t depth = records_[record].depth;
  if (depth >= 1 && EncodedSize(lo, hi, depth) <= target) {
    records_[record].has_block = true;
    return;
  }
  size_t i = lo;
  while (i < hi && stems_[i].stem.size() == depth) ++i;
  if (i > lo) records_[record].has_block = true;
  while (i < hi) {
    uint8_t letter = uint8_t(stems_[i].stem[depth]);
    size_t j = i;
    while (j < hi && uint8_t(stems_[j].stem[depth]) == letter) ++j;
    uint32_t child = Child(record, letter);
    Split(child, i, j, target);
    i = j;
  }
}

uint32_t StemStoreBuilder::DeepestBlock(const std::string& word) const {
  uint32_t at = 0, deepest = 0;
  for (char c : word) {
    int32_t next = records_[at].children[uint8_t(c) - kFirstSmall];
    if (next < 0) break;
    at = uint32_t(next);
    if (records_[at].has_block) deepest = at;
  }
  return deepest;
}

uint32_t StemStoreBuilder::RecordOf(const std::string& path) const {
  uint32_t at = 0;
  for (char c : path) {
    int32_t next = records_[at].children[uint8_t(c) - kFirstSmall];
    if (next < 0) return 0;
    at = uint32_t(next);
  }
  return at;
}

// Moves every stem that some of its forms would not reach to a block at its
// own record (where the letterless search finds it), until nothing changes.
bool StemStoreBuilder::Place(std::string* error) {
  letterless_.assign(stems_.size(), 0);
  bool changed = true;
  std::string form;
  while (changed) {
    changed = false;
    for (size_t i = 0; i < stems_.size(); ++i) {
      if (letterless_[i]) continue;
      const std::string& stem = stems_[i].stem;
      uint32_t block = DeepestBlock(stem);
      if (block == 0) {
        *error = "a stem has no block";
        return false;
      }
      if (records_[block].depth == stem.size()) continue;
      for (const std::string& ending : (*sets_)[stems_[i].set]) {
        form = stem + ending;
        if (DeepestBlock(form) == block) continue;
        uint32_t own = RecordOf(stem);
        if (own == 0) {
          *error = "a stem cannot be placed";
          return false;
        }
        records_[own].has_block = true;
        letterless_[i] = 1;
        ++stats_.letterless_moves;
        changed = true;
        break;
      }
    }
  }
  for (size_t i = 0; i < stems_.size(); ++i) {
    uint32_t block = letterless_[i] ? RecordOf(stems_[i].stem) : DeepestBlock(stems_[i].stem);
    records_[block].stems.push_back(uint32_t(i));
  }
  return true;
}

bool StemStoreBuilder::PackRecords(std::string* error) {
  std::vector<uint8_t> taken(kMaxRecords + 256, 0);
  std::vector<uint8_t> base_used(kMaxRecords + 256, 0);
  std::deque<uint32_t> queue{0};
  uint32_t table = 0;
  while (!queue.empty()) {
    uint32_t r = queue.front();
    queue.pop_front();
    std::vector<uint8_t> letters;
    for (int c = 0; c < 36; ++c) {
      if (records_[r].children[c] >= 0) letters.push_back(uint8_t(kFirstSmall + c));
    }
    if (letters.empty()) continue;
    uint32_t base = 0;
    if (r != 0) {
      for (base = 1;; ++base) {
        if (base + letters.back() >= taken.size()) {
          *error = "more than 4095 prefix records";
          return false;
        }
        if (base_used[base]) continue;
        bool fits = true;
        for (uint8_t letter : letters) fits = fits && !taken[base + letter];
        if (fits) break;
      }
      base_used[base] = 1;
    }
    records_[r].child_base = base;
    for (uint8_t letter : letters) {
      uint32_t child = uint32_t(records_[r].children[letter - kFirstSmall]);
      taken[base + letter] = 1;
      records_[child].index = base + letter;
      table = std::max(table, base + letter + 1);
      queue.push_back(child);
    }
  }
  if (table > kMaxRecords) {
    *error = "more than 4095 prefix records";
    return false;
  }
  table_size_ = table;
  // A record without children points its child base past the table.
  for (size_t r = 1; r < records_.size(); ++r) {
    bool leaf = std::all_of(std::begin(records_[r].children), std::end(records_[r].children),
                            [](int32_t c) { return c < 0; });
    if (leaf) records_[r].child_base = table;
  }
  return true;
}

bool StemStoreBuilder::Build(uint32_t data_offset, std::vector<uint8_t>* out, std::string* error) {
  for (size_t target = options_.block_target;; target = std::min(kMaxBlock - 1, target * 2)) {
    records_.assign(1, Record());
    if (!stems_.empty()) Split(0, 0, stems_.size(), target);
    for (const std::string& path : options_.forced_blocks) {
      uint32_t at = 0;
      for (char c : path) at = Child(at, uint8_t(c));
      if (at != 0) records_[at].has_block = true;
    }
    stats_.block_target = target;
    stats_.letterless_moves = 0;
    if (!Place(error)) return false;
    if (PackRecords(error)) break;
    if (target >= kMaxBlock - 1) return false;
  }

  const size_t header = 8 + size_t(table_size_) * kRecordBytes;
  out->assign(header, 0);
  PutBe32(*out, 4, table_size_);
  std::string previous;
  for (Record& record : records_) {
    if (&record == &records_[0]) continue;
    size_t at = 8 + size_t(record.index) * kRecordBytes;
    PutBe16(*out, at, record.child_base);
    (*out)[at + 14] = record.letter;
    stats_.records++;
    if (!record.has_block) continue;
    std::sort(record.stems.begin(), record.stems.end(), [&](uint32_t a, uint32_t b) {
      int order = stems_[a].stem.compare(record.depth, std::string::npos, stems_[b].stem,
                                         record.depth, std::string::npos);
      return order != 0 ? order < 0 : stems_[a].set < stems_[b].set;
    });
    size_t start = out->size();
    previous.clear();
    bool first = true;
    for (uint32_t s : record.stems) {
      std::string rest = stems_[s].stem.substr(record.depth);
      size_t shared = first ? 0 : std::min<size_t>(255, CommonPrefix(rest, previous));
      out->push_back(uint8_t(shared));
      out->insert(out->end(), rest.begin() + long(shared), rest.end());
      uint32_t set = stems_[s].set;
      out->push_back(uint8_t(set / 255 + 1));
      out->push_back(uint8_t(set % 255 + 1));
      previous = rest;
      first = false;
    }
    out->push_back(0);
    out->push_back(0);
    size_t size = out->size() - start;
    if (size > kMaxBlock) {
      *error = "a stem block is larger than 65535 bytes";
      return false;
    }
    PutBe32(*out, at + 2, uint32_t(data_offset + start));
    PutBe32(*out, at + 6, uint32_t(size));
    stats_.blocks++;
    stats_.largest_block = std::max(stats_.largest_block, size);
  }
  stats_.bytes = out->size();
  return true;
}
