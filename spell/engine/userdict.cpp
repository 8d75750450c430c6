// User dictionaries: loading with repair of damaged lists, the bounded list
// search, insertion and removal by re-encoding the front-coded list, saving
// through a temporary file.
#include "spell/engine/userdict.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "container/block.h"
#include "container/engfile.h"
#include "spell/engine/letters.h"

struct UserDict {
  char path[kUserDictPathMax + 1] = {};
  EngHandle list = nullptr;
  size_t length = 0;  // bytes of the list in use (the block may be larger)
  uint16_t file = 0;
  uint32_t cursor = 1;
  bool read_only = false;  // shipped with the dictionary: never written
};

namespace {

using Words = std::vector<std::string>;

bool IsWordCode(uint8_t b) { return IsCapitalCode(b) || IsSmallOrHyphen(b); }

// Decodes the list; stops at the end mark or at the first damaged entry
// (a shared count longer than the previous word, an entry without letters,
// a byte that is no letter, an entry running past the end). Returns true
// when the list was whole.
bool Decode(const uint8_t* b, size_t size, Words* words) {
  std::string word;
  size_t pos = 0;
  while (pos + 1 < size) {
    const size_t shared = b[pos];
    if (b[pos + 1] == 0) return true;
    if (shared > word.size()) return false;
    word.resize(shared);
    size_t q = pos + 1;
    while (q < size && IsWordCode(b[q])) word.push_back(char(b[q++]));
    if (q >= size || b[q] != kEndCode || word.size() == shared) return false;
    words->push_back(word);
    pos = q + 1;
  }
  return false;
}

std::vector<uint8_t> Encode(const Words& words) {
  std::vector<uint8_t> out;
  const std::string* previous = nullptr;
  for (const std::string& w : words) {
    size_t shared = 0;
    if (previous) {
      while (shared < w.size() && shared < previous->size() && w[shared] == (*previous)[shared])
        ++shared;
    }
    out.push_back(uint8_t(shared));
    out.insert(out.end(), w.begin() + long(shared), w.end());
    out.push_back(kEndCode);
    previous = &w;
  }
  out.push_back(0);
  out.push_back(0);
  return out;
}

// The offset after the entry at `pos` (past its end mark).
size_t EntryEnd(const uint8_t* b, size_t size, size_t pos) {
  size_t q = pos + 1;
  while (q < size && b[q] != kEndCode) ++q;
  return q + 1;
}

// The lookup over the front-coded list with exact comparison, bounded by the
// list size; a damaged list ends the search as "not found".
bool ListHolds(const uint8_t* b, size_t size, const uint8_t* w) {
  size_t pos = 0, m = 0;
  while (pos + 1 < size && b[pos + 1] != 0) {
    const size_t shared = b[pos];
    if (shared < m) return false;
    if (shared > m) {
      pos = EntryEnd(b, size, pos);
      continue;
    }
    size_t q = pos + 1;
    while (q < size && b[q] != kEndCode && b[q] == w[m]) {
      ++q;
      ++m;
    }
    if (q >= size) return false;
    if (b[q] == kEndCode) {
      if (w[m] == kEndCode) return true;
      pos = q + 1;
      continue;
    }
    if (w[m] == kEndCode || b[q] > w[m]) return false;
    pos = EntryEnd(b, size, pos);
    if (m == 0) {
      while (pos + 1 < size && b[pos + 1] != 0 && b[pos] != 0) pos = EntryEnd(b, size, pos);
    }
  }
  return false;
}

bool ReadWords(const UserDict* dict, Words* words) {
  const uint8_t* bytes = eng_block_lock(dict->list);
  const bool whole = bytes && Decode(bytes, dict->length, words);
  if (bytes) eng_block_unlock(dict->list);
  return whole;
}

bool StoreWords(UserDict* dict, const Words& words) {
  std::vector<uint8_t> bytes = Encode(words);
  if (eng_block_size(dict->list) < bytes.size() && !eng_block_resize(dict->list, bytes.size())) {
    return false;
  }
  uint8_t* target = eng_block_lock(dict->list);
  if (!target) return false;
  std::memcpy(target, bytes.data(), bytes.size());
  eng_block_unlock(dict->list);
  dict->length = bytes.size();
  return true;
}

// Writes length + list to `path` through a temporary file in the same folder
// renamed over it, so a failed save leaves the previous file whole.
bool WriteListFile(const char* path, const uint8_t* bytes, size_t size) {
  const std::string temp = std::string(path) + ".tmp";
  const uint16_t file = eng_file_open(temp.c_str(), 2);
  if (file == kEngBadHandle) return false;
  const uint8_t head[4] = {uint8_t(size), uint8_t(size >> 8), uint8_t(size >> 16),
                           uint8_t(size >> 24)};
  bool ok = eng_file_write(head, 4, file) == 4 && eng_file_write(bytes, size, file) == size;
  ok = eng_file_close(file) == 0 && ok;
  ok = ok && std::rename(temp.c_str(), path) == 0;
  if (!ok) std::remove(temp.c_str());
  return ok;
}

int Save(UserDict* dict) {
  if (dict->read_only) return kUserDictNotSaved;
  const uint8_t* bytes = eng_block_lock(dict->list);
  if (!bytes) return kUserDictNotSaved;
  const bool ok = WriteListFile(dict->path, bytes, dict->length);
  eng_block_unlock(dict->list);
  if (!ok) return kUserDictNotSaved;
  // The open handle still names the replaced file.
  if (dict->file) eng_file_close(dict->file);
  dict->file = eng_file_open(dict->path, 1);
  if (dict->file == kEngBadHandle) dict->file = 0;
  return kUserDictOk;
}

// Maps a word with its case; false when it has no letters or too many.
bool WordCodes(const char* word, std::string* codes) {
  uint8_t buffer[kUserWordMax + 2];
  if (!word) return false;
  const int n = MapWord(word, false, buffer, sizeof buffer);
  if (n <= 0) return false;
  codes->assign(reinterpret_cast<const char*>(buffer), size_t(n));
  return true;
}

void Free(UserDict* dict) {
  if (dict->file) eng_file_close(dict->file);
  eng_block_free(dict->list);
  delete dict;
}

}  // namespace

int userdict_create(const char* path) {
  if (!path || std::strlen(path) > kUserDictPathMax) return kUserDictCannotCreate;
  const uint8_t empty[2] = {0, 0};
  return WriteListFile(path, empty, sizeof empty) ? kUserDictOk : kUserDictCannotCreate;
}

namespace {

int Open(const char* path, bool read_only, UserDict** dict) {
  *dict = nullptr;
  if (!path || std::strlen(path) > kUserDictPathMax) return kUserDictCannotOpen;
  const uint16_t file = eng_file_open(path, read_only ? kOpenRead : kOpenReadWrite);
  if (file == kEngBadHandle) return kUserDictCannotOpen;
  UserDict* d = new (std::nothrow) UserDict;
  if (!d) {
    eng_file_close(file);
    return kUserDictUnreadable;
  }
  std::strcpy(d->path, path);
  d->file = file;
  d->read_only = read_only;
  const uint64_t file_length = eng_file_length(file);
  uint8_t head[4];
  uint64_t length = file_length >= 4 ? file_length - 4 : 0;
  if (eng_file_read(head, 4, file) == 4) {
    const uint32_t stored = uint32_t(head[0]) | uint32_t(head[1]) << 8 | uint32_t(head[2]) << 16 |
                            uint32_t(head[3]) << 24;
    if (stored <= length) length = stored;
  }
  if (length > kEngMaxChunk * 64) length = kEngMaxChunk * 64;
  d->list = length ? eng_block_alloc(size_t(length), kBlockMovable) : nullptr;
  uint8_t* bytes = d->list ? eng_block_lock(d->list) : nullptr;
  const size_t got = bytes ? eng_file_read(bytes, size_t(length), file) : 0;
  if (bytes) eng_block_unlock(d->list);
  if (got == 0) {
    Free(d);
    return kUserDictUnreadable;
  }
  d->length = got;
  // A damaged or cut list keeps the words before the damage and a proper end.
  Words words;
  if (!ReadWords(d, &words) && !StoreWords(d, words)) {
    Free(d);
    return kUserDictUnreadable;
  }
  if (read_only) {
    eng_file_close(d->file);
    d->file = 0;
  }
  *dict = d;
  return kUserDictOk;
}

}  // namespace

int userdict_open(const char* path, UserDict** dict) { return Open(path, false, dict); }

int userdict_open_read_only(const char* path, UserDict** dict) { return Open(path, true, dict); }

void userdict_close(UserDict** dict) {
  if (!dict || !*dict) return;
  Free(*dict);
  *dict = nullptr;
}

int userdict_add_word(UserDict* dict, const char* word) {
  std::string codes;
  if (!dict || !WordCodes(word, &codes)) return kUserDictOk;
  Words words;
  if (!ReadWords(dict, &words)) return kUserDictDamaged;
  auto at = std::lower_bound(
      words.begin(), words.end(), codes, [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [](char x, char y) { return uint8_t(x) < uint8_t(y); });
      });
  if (at == words.end() || *at != codes) {
    words.insert(at, codes);
    if (!StoreWords(dict, words)) return kUserDictNotSaved;
  }
  return Save(dict);
}

int userdict_remove_word(UserDict* dict, const char* word) {
  if (!dict || !dict->list) return kUserDictNotSaved;
  Words words;
  if (!ReadWords(dict, &words)) return kUserDictNotSaved;
  std::string codes;
  if (WordCodes(word, &codes)) {
    std::erase(words, codes);
    if (!StoreWords(dict, words)) return kUserDictNotSaved;
  }
  return Save(dict);
}

int userdict_contains(UserDict* dict, const char* word) {
  uint8_t codes[kUserWordMax + 2];
  if (!dict || !word || MapWord(word, false, codes, sizeof codes) <= 0) return 0;
  const uint8_t* bytes = eng_block_lock(dict->list);
  const bool held = bytes && ListHolds(bytes, dict->length, codes);
  if (bytes) eng_block_unlock(dict->list);
  return held ? 1 : 0;
}

int userdict_next_word(UserDict* dict, char* buffer, size_t size, int restart) {
  if (size > 0) buffer[0] = 0;
  if (!dict) return 0;
  if (restart) dict->cursor = 1;
  Words words;
  ReadWords(dict, &words);
  if (dict->cursor > words.size()) return 0;
  std::string word = words[dict->cursor - 1];
  ++dict->cursor;
  word.push_back(char(kEndCode));
  if (!CodesToText(reinterpret_cast<const uint8_t*>(word.data()), buffer, size) && size > 0)
    buffer[0] = 0;
  return dict->cursor <= words.size() ? 1 : 0;
}

bool userdict_holds_codes(const UserDict* dict, const uint8_t* codes) {
  if (!dict) return false;
  const uint8_t* bytes = eng_block_lock(dict->list);
  const bool held = bytes && ListHolds(bytes, dict->length, codes);
  if (bytes) eng_block_unlock(dict->list);
  return held;
}
