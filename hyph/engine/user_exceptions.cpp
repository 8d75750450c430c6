// Editing and listing the user exception list; every change is written to
// the user file at once, under an update lock and applied to the list on
// disk then, so that two processes editing at once keep each other's words.
#include <cstring>

#include "platform/safe_file.h"

#include "hyph/engine/exception_list.h"
#include "hyph/engine/hyph.h"
#include "hyph/engine/state.h"

namespace {

// Replaces the list block by a copy of `size` bytes made of the old list's
// bytes with `length` bytes at `at` removed (length > 0) or `entry` inserted
// (entry != null). The old block is kept when there is no memory.
bool Rebuild(HyphEngine& s, size_t at, size_t length, const uint8_t* entry) {
  const size_t old_size = eng_block_size(s.user_exc);
  const size_t size = entry ? old_size + length : old_size - length;
  EngHandle fresh = eng_block_alloc(size, kBlockMovable);
  if (!fresh) return false;
  {
    BlockLock from(s.user_exc);
    BlockLock to(fresh);
    std::memcpy(to.bytes(), from.bytes(), at);
    if (entry) {
      std::memcpy(to.bytes() + at, entry, length);
      std::memcpy(to.bytes() + at + length, from.bytes() + at, old_size - at);
    } else {
      std::memcpy(to.bytes() + at, from.bytes() + at + length, old_size - at - length);
    }
  }
  eng_block_free(s.user_exc);
  s.user_exc = fresh;
  s.enum_cursor = 0;
  return true;
}

// Runs `edit` on the list as it is on disk, under the update lock, and saves
// the result. When the save fails the list is read back from the file it
// could not replace, so nothing unsaved is shown; kHyphExcNotSaved.
template <typename Edit>
int EditSaved(HyphEngine& s, Edit edit) {
  platform::UpdateLock file_lock;
  if (platform::LockForUpdate(s.user_path, &file_lock) != 0) return kHyphExcNotSaved;
  hyph_reload_user_list(s);
  int result = edit();
  if (result == kHyphOk && exc_list_save(s) != kHyphOk) {
    result = kHyphExcNotSaved;
    hyph_reload_user_list(s);
  }
  platform::Unlock(&file_lock);
  return result;
}

// Inserts the entry (`length` bytes) at its sorted place: kHyphExcPresent
// when an entry with the same letters is there already.
int exc_list_insert(HyphEngine& s, const uint8_t* entry, size_t length) {
  ExcPlace place;
  {
    BlockLock list(s.user_exc);
    place = exc_list_find(list.bytes(), entry + 2, entry[1]);
  }
  if (place.found) return kHyphExcPresent;
  if (!Rebuild(s, place.offset, length, entry)) return kHyphExcNoList;
  return kHyphOk;
}

// Removes the entry with the n letter codes: kHyphExcNotFound when there is
// none.
int exc_list_delete(HyphEngine& s, const uint8_t* codes, size_t n) {
  ExcPlace place;
  size_t length;
  {
    BlockLock list(s.user_exc);
    place = exc_list_find(list.bytes(), codes, n);
    length = list.bytes()[place.offset];
  }
  if (!place.found) return kHyphExcNotFound;
  if (!Rebuild(s, place.offset, length, nullptr)) return kHyphExcNoList;
  return kHyphOk;
}

// Runs `edit` on the state of an engine whose user list has a file to be
// saved to; `refused` without an engine, a list or a file.
template <typename Edit>
int EditUserList(HyphHandle engine, int refused, Edit edit) {
  if (!engine) return refused;
  BlockLock lock(engine);
  HyphEngine& s = *lock.as<HyphEngine>();
  if (!s.user_path[0] || !s.user_exc) return refused;
  return edit(s);
}

}  // namespace

int hyph_exc_add(HyphHandle engine, const char* word) {
  return EditUserList(engine, kHyphExcNoList, [word](HyphEngine& s) -> int {
    uint8_t entry[kExcMaxEntry];
    const size_t length = exc_entry_build(word, entry);
    if (length == 0) return kHyphExcPresent;
    return EditSaved(s, [&] { return exc_list_insert(s, entry, length); });
  });
}

int hyph_exc_remove(HyphHandle engine, const char* word) {
  return EditUserList(engine, kHyphExcNotFound, [word](HyphEngine& s) -> int {
    uint8_t codes[kExcMaxLetters];
    const size_t n = exc_word_codes(word, true, codes);
    if (n == 0) return kHyphExcNotFound;
    return EditSaved(s, [&] { return exc_list_delete(s, codes, n); });
  });
}

int hyph_exc_next(HyphHandle engine, char* out, size_t out_size, bool restart) {
  if (!engine || !out) return 0;
  BlockLock lock(engine);
  HyphEngine& s = *lock.as<HyphEngine>();
  if (!s.user_exc) return 0;
  if (restart) s.enum_cursor = 0;
  BlockLock list(s.user_exc);
  const size_t size = eng_block_size(s.user_exc);
  const size_t at = size_t(s.enum_cursor);
  if (s.enum_cursor < 0 || at >= size || list.bytes()[at] == 0) return 0;
  const uint8_t* entry = list.bytes() + at;
  if (!exc_entry_format(entry, out, out_size)) return 0;
  s.enum_cursor += entry[0];
  return 1;
}

bool hyph_exc_contains(HyphHandle engine, const char* word) {
  if (!engine) return false;
  BlockLock lock(engine);
  const HyphEngine& s = *lock.as<HyphEngine>();
  if (!s.user_exc) return false;
  uint8_t codes[kExcMaxLetters];
  const size_t n = exc_word_codes(word, false, codes);
  if (n == 0) return false;
  BlockLock list(s.user_exc);
  return exc_list_find(list.bytes(), codes, n).found;
}
