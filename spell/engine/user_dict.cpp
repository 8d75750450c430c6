// User dictionaries: the two file formats (binary lists, repaired when
// damaged; plain UTF-8 word lists), the bounded list search, insertion and
// removal by re-encoding the front-coded list, saving under an update lock
// merged with what is on disk, and the chain the engine consults.
#include "spell/engine/user_dict.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "base/charset.h"
#include "container/block.h"
#include "platform/safe_file.h"
#include "spell/engine/front_coded.h"
#include "spell/engine/letters.h"

struct UserDict {
  char path[kUserDictPathMax + 1] = {};
  EngHandle list = nullptr;
  size_t length = 0;  // bytes of the list in use (the block may be larger)
  UserDictFormat format = UserDictFormat::kBinary;
  uint32_t cursor = 1;
  int save_error = 0;  // errno of the last failed save
  bool read_only = false;  // shipped with the dictionary: never written
};

namespace {

// Larger files are not user dictionaries.
constexpr size_t kMaxFileBytes = size_t{64} << 20;

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

bool IsListLetter(uint8_t b) { return b != kEndCode; }

// Exact lookup: an entry matches when the word ends where its letters do.
bool ListHolds(const uint8_t* b, size_t size, const uint8_t* w) {
  const FrontCodedList<IsListLetter, 1> list{b, size};
  return list.Find(w, [](const uint8_t*, const uint8_t* rest) { return *rest == kEndCode; });
}

bool ReadWords(UserDict* dict, Words* words) {
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

// A file's bytes as read for loading or merging.
struct FileWords {
  UserDictFormat format = UserDictFormat::kBinary;
  Words words;
};

uint32_t LittleEndian32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

// Text a person keeps words in: valid UTF-8 without control characters other
// than tab and line ends.
bool IsWordListText(const std::string& bytes) {
  size_t i = 0;
  while (i < bytes.size()) {
    const uint8_t b = uint8_t(bytes[i]);
    if (b < 0x80) {
      if ((b < 0x20 && b != '\t' && b != '\n' && b != '\r') || b == 0x7F) return false;
      ++i;
      continue;
    }
    const size_t extra = b >= 0xC2 && b < 0xE0 ? 1 : b >= 0xE0 && b < 0xF0 ? 2 : b >= 0xF0 && b < 0xF5 ? 3 : 0;
    if (extra == 0 || i + extra >= bytes.size()) return false;
    for (size_t k = 1; k <= extra; ++k) {
      if ((uint8_t(bytes[i + k]) & 0xC0) != 0x80) return false;
    }
    i += extra + 1;
  }
  return true;
}

// One UTF-8 line's word as Windows-1250, or "" when some character has no
// Windows-1250 byte.
std::string LineWord(const std::string& line) {
  std::string word;
  size_t i = 0;
  while (i < line.size()) {
    const uint8_t b = uint8_t(line[i]);
    uint32_t value = b;
    size_t extra = b < 0x80 ? 0 : b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : 1;
    if (extra) value = b & (0x3F >> extra);
    for (size_t k = 1; k <= extra && i + k < line.size(); ++k) {
      value = value << 6 | (uint8_t(line[i + k]) & 0x3F);
    }
    i += extra + 1;
    const int32_t code = value < 0x10000 ? Win1250CodeOf(uint16_t(value)) : -1;
    if (code <= 0) return "";
    word.push_back(char(code));
  }
  return word;
}

// The word a line of a plain list contributes, in Windows-1250: the text
// before a "/" (hunspell's flags), blanks around it dropped.
std::string PlainLineWord(std::string line) {
  if (const size_t slash = line.find('/'); slash != std::string::npos && slash > 0) {
    line.resize(slash);
  }
  while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r')) {
    line.pop_back();
  }
  size_t first = 0;
  while (first < line.size() && (line[first] == ' ' || line[first] == '\t')) ++first;
  return LineWord(line.substr(first));
}

// Maps a word with its case; false when it has no letter (a word of hyphens
// only included), or too many. `whole`: every character must map.
bool WordCodes(const char* word, std::string* codes, bool whole = false) {
  uint8_t buffer[kUserWordMax + 2];
  if (!word) return false;
  const int n = MapWord(word, false, buffer, sizeof buffer);
  if (n <= 0 || (whole && size_t(n) != std::strlen(word))) return false;
  if (std::all_of(buffer, buffer + n, [](uint8_t c) { return c == kHyphenCode; })) return false;
  codes->assign(reinterpret_cast<const char*>(buffer), size_t(n));
  return true;
}

bool CodeLess(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return uint8_t(x) < uint8_t(y); });
}

// Sorted, each word once.
void Normalise(Words* words) {
  std::sort(words->begin(), words->end(), CodeLess);
  words->erase(std::unique(words->begin(), words->end()), words->end());
}

// The words of a plain list: one a line; aspell's header line skipped.
Words PlainWords(const std::string& bytes) {
  Words words;
  size_t start = 0;
  bool first = true;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    const std::string line = bytes.substr(start, end - start);
    start = end + 1;
    const bool header = first && line.rfind("personal_ws-", 0) == 0;
    first = false;
    std::string codes;
    if (header || !WordCodes(PlainLineWord(line).c_str(), &codes, true)) continue;
    words.push_back(codes);
  }
  Normalise(&words);
  return words;
}

// Reads the dictionary file: the binary format (a length field that fits
// the file, or a list that decodes whole), else a plain word list.
int ReadFileWords(const char* path, FileWords* out) {
  std::string bytes;
  const int error = platform::ReadWholeFile(path, kMaxFileBytes, &bytes);
  if (error != 0) return error == ENOENT || error == EACCES ? kUserDictCannotOpen : kUserDictUnreadable;
  if (bytes.empty()) return kUserDictUnreadable;
  const auto* b = reinterpret_cast<const uint8_t*>(bytes.data());
  if (bytes.size() >= 4) {
    const uint32_t stored = LittleEndian32(b);
    // A list cut short or damaged still counts when words come before the
    // damage; a text file gives none.
    Words words;
    const bool whole = Decode(b + 4, bytes.size() - 4, &words);
    if (stored <= bytes.size() - 4 || whole || !words.empty()) {
      out->format = UserDictFormat::kBinary;
      out->words.clear();
      Decode(b + 4, std::min<size_t>(stored, bytes.size() - 4), &out->words);
      return kUserDictOk;
    }
  }
  if (!IsWordListText(bytes)) return kUserDictUnrecognised;
  out->format = UserDictFormat::kPlain;
  out->words = PlainWords(bytes);
  return kUserDictOk;
}

std::string BinaryFile(const Words& words) {
  const std::vector<uint8_t> list = Encode(words);
  const size_t size = list.size();
  std::string file = {char(size), char(size >> 8), char(size >> 16), char(size >> 24)};
  file.append(reinterpret_cast<const char*>(list.data()), list.size());
  return file;
}

int WriteFile(const char* path, const std::string& bytes) {
  return platform::WriteFileReplacing(path, bytes.data(), bytes.size(),
                                      platform::kNewUserFileMode);
}

// UTF-8 of a Windows-1250 word, for plain lists.
std::string Utf8Word(const std::string& codes) {
  std::string cp1250(codes.size() + 1, '\0');
  std::string closed = codes + char(kEndCode);
  if (!CodesToText(reinterpret_cast<const uint8_t*>(closed.data()), cp1250.data(), cp1250.size()))
    return "";
  cp1250.resize(std::strlen(cp1250.c_str()));
  std::string utf8;
  for (const char c : cp1250) {
    const uint16_t v = Win1250ToUnicode(uint8_t(c));
    if (v < 0x80) {
      utf8.push_back(char(v));
    } else if (v < 0x800) {
      utf8.push_back(char(0xC0 | v >> 6));
      utf8.push_back(char(0x80 | (v & 0x3F)));
    } else {
      utf8.push_back(char(0xE0 | v >> 12));
      utf8.push_back(char(0x80 | (v >> 6 & 0x3F)));
      utf8.push_back(char(0x80 | (v & 0x3F)));
    }
  }
  return utf8;
}

// The change one save makes: words to add and to remove.
struct Change {
  Words add;
  Words remove;
};

// A plain list after the change: new words appended as lines, removed words'
// lines dropped; every other line kept as it was.
std::string PlainFile(const std::string& old, const Words& on_disk, const Change& change) {
  std::string out;
  size_t start = 0;
  while (start < old.size()) {
    size_t end = old.find('\n', start);
    const size_t next = end == std::string::npos ? old.size() : end + 1;
    const std::string line = old.substr(start, next - start);
    std::string codes;
    const bool removed = WordCodes(PlainLineWord(line.substr(0, line.find('\n'))).c_str(), &codes, true) &&
                         std::find(change.remove.begin(), change.remove.end(), codes) != change.remove.end();
    if (!removed) out += line;
    start = next;
  }
  if (!out.empty() && out.back() != '\n') out += '\n';
  for (const std::string& w : change.add) {
    if (!std::binary_search(on_disk.begin(), on_disk.end(), w, CodeLess)) out += Utf8Word(w) + "\n";
  }
  return out;
}

// Applies the change to the file under the update lock, merged with what is
// on disk now (another process may have saved since this one loaded); the
// list in memory becomes the result. When the file cannot be read, the words
// in memory stand for it.
int Save(UserDict* dict, const Change& change) {
  if (dict->read_only) return kUserDictNotSaved;
  platform::UpdateLock lock;
  dict->save_error = platform::LockForUpdate(dict->path, &lock);
  if (dict->save_error != 0) return kUserDictNotSaved;
  FileWords disk;
  std::string old;
  const bool read = ReadFileWords(dict->path, &disk) == kUserDictOk;
  if (!read) {
    disk.format = dict->format;
    if (!ReadWords(dict, &disk.words)) disk.words.clear();
  }
  if (disk.format == UserDictFormat::kPlain && read) {
    platform::ReadWholeFile(dict->path, kMaxFileBytes, &old);
  }
  Words merged = disk.words;
  for (const std::string& w : change.remove) std::erase(merged, w);
  merged.insert(merged.end(), change.add.begin(), change.add.end());
  Normalise(&merged);
  const std::string bytes = disk.format == UserDictFormat::kPlain
                                ? PlainFile(old, disk.words, change)
                                : BinaryFile(merged);
  if (disk.format != UserDictFormat::kPlain || !read || bytes != old) {
    dict->save_error = WriteFile(dict->path, bytes);
  }
  platform::Unlock(&lock);
  if (dict->save_error != 0) return kUserDictNotSaved;
  dict->format = disk.format;
  return StoreWords(dict, merged) ? kUserDictOk : kUserDictNotSaved;
}

void Free(UserDict* dict) {
  eng_block_free(dict->list);
  delete dict;
}

}  // namespace

int userdict_create(const char* path) {
  if (!path || std::strlen(path) > kUserDictPathMax) return kUserDictCannotCreate;
  return WriteFile(path, BinaryFile({})) == 0 ? kUserDictOk : kUserDictCannotCreate;
}

namespace {

int Open(const char* path, bool read_only, UserDict** dict) {
  *dict = nullptr;
  if (!path || std::strlen(path) > kUserDictPathMax) return kUserDictCannotOpen;
  FileWords file;
  if (const int result = ReadFileWords(path, &file); result != kUserDictOk) return result;
  UserDict* d = new (std::nothrow) UserDict;
  if (!d) return kUserDictUnreadable;
  std::strcpy(d->path, path);
  d->format = file.format;
  d->read_only = read_only;
  const std::vector<uint8_t> list = Encode(file.words);
  d->list = eng_block_alloc(list.size(), kBlockMovable);
  if (!d->list || !StoreWords(d, file.words)) {
    Free(d);
    return kUserDictUnreadable;
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

int userdict_add_words(UserDict* dict, const char* const* words, size_t count) {
  if (!dict) return kUserDictOk;
  Change change;
  for (size_t i = 0; i < count; ++i) {
    std::string codes;
    if (WordCodes(words[i], &codes)) change.add.push_back(codes);
  }
  if (change.add.empty()) return kUserDictOk;
  return Save(dict, change);
}

int userdict_add_word(UserDict* dict, const char* word) { return userdict_add_words(dict, &word, 1); }

int userdict_remove_word(UserDict* dict, const char* word) {
  if (!dict || !dict->list) return kUserDictNotSaved;
  Change change;
  std::string codes;
  if (WordCodes(word, &codes)) change.remove.push_back(codes);
  return Save(dict, change);
}

UserDictFormat userdict_format(const UserDict* dict) {
  return dict ? dict->format : UserDictFormat::kBinary;
}

bool userdict_storable(const char* word) {
  std::string codes;
  return WordCodes(word, &codes, true);
}

const char* userdict_path(const UserDict* dict) { return dict ? dict->path : ""; }

int userdict_save_error(const UserDict* dict) { return dict ? dict->save_error : 0; }

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
