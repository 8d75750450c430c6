// Opening and closing an engine: PLHYPH.DAT's four resources, checked once so
// that the word walk needs no bounds checks, and the user file PLHYPH.USR.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "container/raw_file.h"
#include "container/resource_file.h"
#include "hyph/engine/exception_list.h"
#include "hyph/engine/hyph.h"
#include "hyph/engine/state.h"
#include "platform/safe_file.h"

namespace {

int g_save_error = 0;  // errno of the last failed save of a user list
constexpr char kType[] = "HYPd";
// A size field above this is taken to be in the other byte order.
constexpr uint32_t kLargestPlainSize = 0xFFFFF;

void FreeState(HyphEngine* s) {
  if (s->nodes) eng_block_unlock(s->trie);
  if (s->op_table) eng_block_unlock(s->ops);
  if (s->builtin_list) eng_block_unlock(s->builtin_exc);
  eng_block_free(s->trie);
  eng_block_free(s->ops);
  eng_block_free(s->builtin_exc);
  eng_block_free(s->user_exc);
}

// Converts the op table in place; false when a chain leaves the table or
// loops.
bool PrepareOps(EngHandle block, uint32_t* count) {
  *count = uint32_t(eng_block_size(block) / sizeof(HyphOp));
  if (*count == 0 || *count > 0x10000) return false;
  BlockLock lock(block);
  HyphOp* ops = lock.as<HyphOp>();
  for (uint32_t i = 0; i < *count; ++i) {
    const uint8_t* raw = lock.bytes() + 4 * i;
    ops[i] = HyphOp{eng_be16(raw), raw[2], raw[3]};
    if (ops[i].next >= *count) return false;
  }
  // 0 = unvisited, 1 = on the current chain, 2 = known to end.
  std::vector<uint8_t> mark(*count, 0);
  mark[0] = 2;
  for (uint32_t start = 1; start < *count; ++start) {
    uint32_t i = start;
    while (mark[i] == 0) {
      mark[i] = 1;
      i = ops[i].next;
    }
    if (mark[i] == 1) return false;
    for (i = start; mark[i] == 1; i = ops[i].next) mark[i] = 2;
  }
  return true;
}

// Converts the trie in place; false when any node that can be reached (code
// not 0) could lead outside the trie or the op table, or carries the end
// sentinel 0x80.
bool PrepareTrie(EngHandle block, uint32_t op_count, uint32_t* count) {
  *count = uint32_t(eng_block_size(block) / sizeof(HyphNode));
  if (*count < 256 || *count > 0x10000) return false;
  BlockLock lock(block);
  HyphNode* nodes = lock.as<HyphNode>();
  for (uint32_t i = 0; i < *count; ++i) {
    const uint8_t* raw = lock.bytes() + 6 * i;
    nodes[i] = HyphNode{eng_be16(raw), eng_be16(raw + 2), raw[4], 0};
    if (nodes[i].code == 0) continue;
    if (nodes[i].code == 0x80 || nodes[i].base + 255u >= *count || nodes[i].op >= op_count) {
      return false;
    }
  }
  return true;
}

// Shrinks a list block to its list; false when it holds no valid list.
bool PrepareList(EngHandle block) {
  size_t length;
  {
    BlockLock lock(block);
    length = exc_list_valid_length(lock.bytes(), eng_block_size(block));
  }
  return length != 0 && eng_block_resize(block, length);
}

// Reads PLHYPH.USR into a new block holding exactly its list. A list cut
// short or damaged gives kHyphUserDamaged; its whole entries before the
// damage are still handed back (terminated) when there are any.
int exc_list_load(const char* path, EngHandle* out) {
  const uint16_t file = eng_file_open(path, kOpenRead);
  if (file >= kEngBadHandle) return kHyphUserOpen;
  const uint64_t length = eng_file_length(file);
  uint8_t field[4];
  int result = kHyphOk;
  uint32_t size = 0;
  if (eng_file_read(field, 4, file) != 4) {
    result = kHyphUserShort;
  } else {
    size = uint32_t(field[0]) | uint32_t(field[1]) << 8 | uint32_t(field[2]) << 16 |
           uint32_t(field[3]) << 24;
    if (size > kLargestPlainSize) size = eng_be32(field);
    // Neither byte order gives a size a list can have.
    if (size > kLargestPlainSize) result = kHyphUserNoMemory;
  }
  const uint64_t available = length > 4 ? length - 4 : 0;
  const size_t wanted = size_t(size < available ? size : available);
  if (result == kHyphOk && wanted == 0) result = kHyphUserDamaged;
  EngHandle block = result == kHyphOk ? eng_block_alloc(wanted, kBlockZeroInit) : nullptr;
  if (result == kHyphOk && !block) result = kHyphUserNoMemory;
  ExcScan scan{0, false};
  if (block) {
    BlockLock lock(block);
    if (eng_read_all(file, lock.bytes(), wanted)) scan = exc_list_scan(lock.bytes(), wanted);
  }
  eng_file_close(file);
  if (result != kHyphOk) return result;
  if (!scan.terminated) result = kHyphUserDamaged;
  if (scan.entries == 0 && !scan.terminated) {
    eng_block_free(block);
    return result;
  }
  if (!eng_block_resize(block, scan.entries + 1)) {
    eng_block_free(block);
    return kHyphUserNoMemory;
  }
  {
    BlockLock lock(block);
    lock.bytes()[scan.entries] = 0;
  }
  *out = block;
  return result;
}

// True when nothing is at path (so the file may be created from the
// default list); a path whose state cannot be told counts as present.
bool MissingOrEmpty(const char* path) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (status.type() == fs::file_type::not_found) return true;
  if (error || status.type() != fs::file_type::regular) return false;
  const auto size = fs::file_size(path, error);
  return !error && size == 0;
}

}  // namespace

int hyph_save_error() { return g_save_error; }

// The user list as its file holds it: the size, then the list.
static std::string UserFileBytes(const HyphEngine& s) {
  BlockLock lock(s.user_exc);
  const size_t size = eng_block_size(s.user_exc);
  std::string bytes = {char(size), char(size >> 8), char(size >> 16), char(size >> 24)};
  bytes.append(reinterpret_cast<const char*>(lock.bytes()), size);
  return bytes;
}

int exc_list_save(const HyphEngine& s) {
  const std::string bytes = UserFileBytes(s);
  const int error = platform::WriteFileReplacing(s.user_path, bytes.data(), bytes.size(),
                                                 platform::kNewUserFileMode);
  g_save_error = error;
  if (error == 0) return kHyphOk;
  return error == ENOSPC || error == EIO || error == EDQUOT ? kHyphSaveContent : kHyphSaveCreate;
}

void hyph_reload_user_list(HyphEngine& s) {
  std::string on_disk;
  if (platform::ReadWholeFile(s.user_path, size_t{1} << 24, &on_disk) != 0 ||
      on_disk == UserFileBytes(s)) {
    return;
  }
  EngHandle list = nullptr;
  if (exc_list_load(s.user_path, &list) == kHyphOk && list) {
    eng_block_free(s.user_exc);
    s.user_exc = list;
    s.enum_cursor = 0;
  } else {
    eng_block_free(list);
  }
}

int hyph_open(const char* data_path, HyphHandle* engine) {
  *engine = nullptr;
  EngHandle handle = eng_block_alloc(sizeof(HyphEngine), kBlockZeroInit);
  if (!handle) return kHyphNoStateMemory;
  const int container = res_open_file(data_path);
  if (container == -1) {
    eng_block_free(handle);
    return res_last_error();
  }
  int result = kHyphOk;
  {
    BlockLock lock(handle);
    HyphEngine* s = lock.as<HyphEngine>();
    // The four resources by id, and what a missing one answers.
    const struct {
      uint16_t id;
      EngHandle* into;
      HyphResult missing;
    } reads[] = {{100, &s->trie, kHyphBadTrie},
                 {101, &s->ops, kHyphBadOps},
                 {103, &s->builtin_exc, kHyphBadBuiltin},
                 {104, &s->user_exc, kHyphBadDefaultUser}};
    for (const auto& r : reads) {
      *r.into = res_get_by_id(kType, r.id);
      if (!*r.into) {
        result = r.missing;
        break;
      }
    }
    res_close_file(container);
    if (result == kHyphOk) {
      if (!PrepareOps(s->ops, &s->op_count)) result = kHyphBadOps;
      else if (!PrepareTrie(s->trie, s->op_count, &s->node_count)) result = kHyphBadTrie;
      else if (!PrepareList(s->builtin_exc)) result = kHyphBadBuiltin;
      else if (!PrepareList(s->user_exc)) result = kHyphBadDefaultUser;
    }
    if (result == kHyphOk) {
      s->nodes = reinterpret_cast<const HyphNode*>(eng_block_lock(s->trie));
      s->op_table = reinterpret_cast<const HyphOp*>(eng_block_lock(s->ops));
      s->builtin_list = eng_block_lock(s->builtin_exc);
    }
    if (result != kHyphOk) FreeState(s);
  }
  if (result != kHyphOk) {
    eng_block_free(handle);
    return result;
  }
  // The state stays in place while the engine is open, so that a query reads
  // it without taking a lock.
  eng_block_lock(handle);
  *engine = handle;
  return kHyphOk;
}

int hyph_open_exceptions(const char* user_path, HyphHandle engine) {
  if (!engine || !user_path) return kHyphUserOpen;
  BlockLock lock(engine);
  HyphEngine* s = lock.as<HyphEngine>();
  s->user_path[0] = 0;
  const size_t path_length = std::strlen(user_path);
  if (path_length >= kHyphPathSize) return kHyphSaveCreate;
  if (MissingOrEmpty(user_path)) {
    std::memcpy(s->user_path, user_path, path_length + 1);
    return exc_list_save(*s);
  }
  // A list that loaded only in part is used, but the file is not written.
  EngHandle list = nullptr;
  const int result = exc_list_load(user_path, &list);
  if (list) {
    eng_block_free(s->user_exc);
    s->user_exc = list;
    s->enum_cursor = 0;
  }
  if (result == kHyphOk) std::memcpy(s->user_path, user_path, path_length + 1);
  return result;
}

void hyph_close(HyphHandle engine) {
  if (!engine) return;
  {
    BlockLock lock(engine);
    FreeState(lock.as<HyphEngine>());
  }
  eng_block_unlock(engine);  // pinned at open
  eng_block_free(engine);
}

bool hyph_has_user_file(HyphHandle engine) {
  if (!engine) return false;
  BlockLock lock(engine);
  return lock.as<HyphEngine>()->user_path[0] != 0;
}

void hyph_user_path(HyphHandle engine, char* out, size_t out_size) {
  if (!out || out_size == 0) return;
  out[0] = 0;
  if (!engine) return;
  BlockLock lock(engine);
  std::snprintf(out, out_size, "%s", lock.as<HyphEngine>()->user_path);
}

const char* hyph_result_text(int code) {
  switch (code) {
    case kHyphOk: return "success";
    case kHyphBadTrie: return "the pattern trie is missing or damaged";
    case kHyphBadOps: return "the pattern operations are missing or damaged";
    case kHyphSaveCreate: return "the exceptions file could not be created";
    case kHyphSaveSize: return "the size of the exceptions could not be written";
    case kHyphSaveContent: return "the exceptions could not be written";
    case kHyphBadBuiltin: return "the built-in exceptions are missing or damaged";
    case kHyphBadDefaultUser: return "the default user exceptions are missing or damaged";
    case kHyphUserOpen: return "the user exceptions file cannot be opened";
    case kHyphUserShort: return "the user exceptions file is too short";
    case kHyphUserNoMemory: return "no memory for the user exceptions";
    case kHyphUserDamaged: return "the user exceptions file is damaged";
    case kHyphNoStateMemory: return "no memory for the hyphenation engine";
    default: return res_error_text(code);
  }
}
