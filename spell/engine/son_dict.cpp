// son.dic in memory: opening, the tree lookups and the stem store search.
// Every read of file bytes is bounded by the array or block it lies in.
#include "spell/engine/son_dict.h"

#include <new>

#include "container/raw_file.h"
#include "container/resource_file.h"
#include "spell/engine/front_coded.h"

namespace {

constexpr size_t kRecordBytes = 16;
constexpr uint8_t kMaxParadigm = 43;
constexpr int kOpenFailed = 1;
constexpr int kNoEndingLinks = 10050;
constexpr int kNoEndingLetters = 10051;

// A byte of a stem entry that is one of its letters; a byte below 44 (or a
// stray byte of 128 and more) is the paradigm that follows them.
inline bool IsEntryLetter(uint8_t b) { return b >= kFirstCapital && b < 128; }

// The container's error for a resource that could not be loaded, or `absent`
// when it simply is not there (a full entry table reports that as 510).
int MissingResourceError(const ResContainer* container, int absent) {
  const int error = res_container_last_error(container);
  return error != 0 && error != kResNotFoundFull ? error : absent;
}

TreeView ViewOf(EngHandle letters, const uint8_t* letter_bytes, EngHandle links,
                const uint8_t* link_bytes) {
  return TreeView(letter_bytes, eng_block_size(letters), link_bytes, eng_block_size(links));
}

}  // namespace

int SonDictionary::Open(const char* path, int* detail) {
  Close();
  container_ = res_container_open(path, detail);
  if (!container_) return *detail;
  open_ = true;
  *detail = OpenStemStore();
  if (*detail == 0) *detail = OpenTrees(TreeKind::kMain, "szli", "szch");
  if (*detail == 0) *detail = OpenTrees(TreeKind::kCapitalised, "wlli", "wlch");
  if (*detail == 0) *detail = OpenTrees(TreeKind::kAbbreviation, "skli", "skch");
  if (*detail != 0) {
    Close();
    return kOpenFailed;
  }
  return 0;
}

int SonDictionary::OpenStemStore() {
  int error = res_container_open_data_part(container_, &file_);
  if (error != 0) return error;
  uint8_t head[8];
  if (!eng_read_all(file_, head, sizeof head)) return kOpenFailed;
  const uint32_t count = eng_be32(head + 4);
  if (count > kMaxStemRecords) return kOpenFailed;
  uint8_t table[kMaxStemRecords * kRecordBytes];
  uint32_t length = count * uint32_t(kRecordBytes);
  if (length > 0 &&
      (eng_read_chunk(file_, &length, table) != 0 || length != count * kRecordBytes)) {
    return kOpenFailed;
  }
  records_ = new (std::nothrow) StemRecord[count ? count : 1];
  if (!records_) return kOpenFailed;
  record_count_ = count;
  for (uint32_t i = 0; i < count; ++i) {
    const uint8_t* r = table + i * kRecordBytes;
    StemRecord& record = records_[i];
    record.letter = r[14];
    if (record.letter == 0) continue;
    record.child_base = eng_be16(r);
    record.offset = eng_be32(r + 2);
    record.size = eng_be32(r + 6);
  }
  ending_links_ = res_container_get_by_name(container_, "BAZA", "lodmiany");
  if (!ending_links_) return MissingResourceError(container_, kNoEndingLinks);
  ending_letters_ = res_container_get_by_name(container_, "BAZA", "codmiany");
  if (!ending_letters_) return MissingResourceError(container_, kNoEndingLetters);
  ending_tree_ = ViewOf(ending_letters_, eng_block_lock(ending_letters_), ending_links_,
                        eng_block_lock(ending_links_));
  return 0;
}

int SonDictionary::OpenTrees(TreeKind kind, const char* link_type, const char* letter_type) {
  const int count = res_container_count_of_type(container_, link_type);
  if (count != res_container_count_of_type(container_, letter_type)) return kOpenFailed;
  int& loaded = tree_count_[int(kind)];
  for (int n = 1; n <= count && n <= kMaxTreesPerKind; ++n) {
    EngHandle links = res_container_get_nth_of_type(container_, link_type, n);
    EngHandle letters = res_container_get_nth_of_type(container_, letter_type, n);
    if (links && letters) {
      trees_[int(kind)][loaded++] = TreePair{
          links, letters,
          ViewOf(letters, eng_block_lock(letters), links, eng_block_lock(links))};
    } else {
      eng_block_free(links);
      eng_block_free(letters);
    }
  }
  return 0;
}

void SonDictionary::Close() {
  for (int k = 0; k < 3; ++k) {
    for (int i = 0; i < tree_count_[k]; ++i) {
      eng_block_unlock(trees_[k][i].links);
      eng_block_unlock(trees_[k][i].letters);
      eng_block_free(trees_[k][i].links);
      eng_block_free(trees_[k][i].letters);
      trees_[k][i] = TreePair{};
    }
    tree_count_[k] = 0;
  }
  if (ending_tree_.letters) eng_block_unlock(ending_letters_);
  if (ending_tree_.links) eng_block_unlock(ending_links_);
  eng_block_free(ending_letters_);
  eng_block_free(ending_links_);
  ending_letters_ = ending_links_ = nullptr;
  ending_tree_ = TreeView();
  for (uint32_t i = 0; i < record_count_; ++i) eng_block_free(records_[i].block);
  delete[] records_;
  records_ = nullptr;
  record_count_ = 0;
  res_container_close(container_);
  container_ = nullptr;
  file_ = 0;
  open_ = false;
}

bool SonDictionary::TreeHolds(TreeKind kind, const uint8_t* codes) const {
  for (int i = 0; i < tree_count_[int(kind)]; ++i) {
    const TreeView& view = trees_[int(kind)][i].view;
    if (view.letters && view.links && view.Holds(codes)) return true;
  }
  return false;
}

bool SonDictionary::EndingAllowed(uint8_t paradigm, uint8_t variant, const uint8_t* ending) const {
  if (paradigm < 1 || paradigm > kMaxParadigm || variant == 0) return false;
  uint32_t base = 0;
  return ending_tree_.Step(&base, paradigm) && ending_tree_.Step(&base, variant) &&
         ending_tree_.Holds(ending, base);
}

// The record's block, locked, read from the file on first use or after the
// system dropped it; null when it cannot be had (the caller unlocks only a
// non-null result).
const uint8_t* SonDictionary::LockBlock(StemRecord& record) const {
  if (record.size == 0 || record.size > kEngMaxChunk) return nullptr;
  if (record.loaded) {
    // Locking fails only when the system dropped the block meanwhile.
    if (const uint8_t* bytes = eng_block_lock(record.block)) return bytes;
  }
  record.loaded = false;
  if (!record.block) {
    record.block = eng_block_alloc(record.size, kBlockDiscardable | kBlockZeroInit);
  } else if (!eng_block_resize(record.block, record.size)) {
    eng_block_free(record.block);
    record.block = nullptr;
  }
  if (!record.block) return nullptr;
  uint8_t* bytes = eng_block_lock(record.block);
  uint32_t length = record.size;
  if (!bytes || eng_file_seek(record.offset, file_) != 0 ||
      eng_read_chunk(file_, &length, bytes) != 0 || length != record.size) {
    if (bytes) eng_block_unlock(record.block);
    eng_block_free(record.block);
    record.block = nullptr;
    return nullptr;
  }
  record.loaded = true;
  return bytes;
}

bool SonDictionary::FullSearch(const uint8_t* block, size_t size, const uint8_t* rest) const {
  const FrontCodedList<IsEntryLetter, 2> list{block, size};
  return list.Find(rest, [this](const uint8_t* tail, const uint8_t* ending) {
    return EndingAllowed(tail[0], tail[1], ending);
  });
}

bool SonDictionary::LetterlessSearch(const uint8_t* block, size_t size, const uint8_t* rest) const {
  for (size_t pos = 0; pos + 2 < size && block[pos] == 0; pos += 3) {
    const uint8_t paradigm = block[pos + 1];
    if (paradigm == 0 || IsEntryLetter(paradigm)) return false;
    if (EndingAllowed(paradigm, block[pos + 2], rest)) return true;
  }
  return false;
}

bool SonDictionary::StemStoreHolds(const uint8_t* codes) const {
  if (!records_ || record_count_ == 0 || codes[0] == kEndCode) return false;
  uint32_t path[kSpellMaxPath];
  size_t depth = 0;
  uint32_t base = 0;
  for (const uint8_t* c = codes; *c != kEndCode && depth < kSpellMaxPath; ++c) {
    if (!IsSmallOrHyphen(*c)) break;
    const uint32_t index = base + *c;
    if (index >= record_count_ || records_[index].letter != *c) break;
    path[depth++] = index;
    base = records_[index].child_base;
  }
  bool full_done = false;
  const std::lock_guard<std::mutex> guard(stem_mutex_);
  for (size_t d = depth; d-- > 0;) {
    StemRecord& record = records_[path[d]];
    if (record.size == 0) continue;
    const uint8_t* block = LockBlock(record);
    const bool full = !full_done;
    full_done = true;
    if (!block) continue;
    const bool found = full ? FullSearch(block, record.size, codes + d + 1)
                            : LetterlessSearch(block, record.size, codes + d + 1);
    eng_block_unlock(record.block);
    if (found) return true;
  }
  return false;
}
