// The resource-container reader: one open container per process, its raw
// entry table kept in a block and decoded on access.
#include "container/resfile.h"

#include <cstring>

#include "container/engfile.h"

namespace {

struct Entry {
  const uint8_t* type;
  uint32_t size;
  uint32_t offset;
  uint16_t id;
  const uint8_t* name;  // length byte + characters
};

struct Container {
  uint16_t file = 0;  // 0 = none open
  uint32_t header[3] = {};
  EngHandle table = nullptr;
  uint32_t capacity = 0;
  uint32_t used = 0;
  uint64_t length = 0;
};

Container g_open;
int g_last_error = kResOk;

Entry EntryAt(const uint8_t* table, uint32_t i) {
  const uint8_t* e = table + size_t(i) * kResEntrySize;
  return Entry{e, eng_be32(e + 4), eng_be32(e + 8), eng_be16(e + 12), e + 14};
}

void CloseContainer() {
  if (g_open.file) eng_file_close(g_open.file);
  eng_block_free(g_open.table);
  g_open = Container{};
}

int Fail(int code) {
  CloseContainer();
  g_last_error = code;
  return -1;
}

bool NameMatches(const uint8_t* stored, const char* name) {
  const size_t length = std::strlen(name);
  const size_t stored_length = stored[0] > kResNameMax ? kResNameMax : stored[0];
  return length == stored_length && std::memcmp(stored + 1, name, length) == 0;
}

// Reads the entry's bytes into a new block; `read_error` is the code a failed
// read records.
EngHandle LoadEntry(const Entry& entry, int read_error) {
  if (uint64_t(entry.offset) + entry.size > g_open.length) {
    g_last_error = kResPastEnd;
    return nullptr;
  }
  if (eng_file_seek(entry.offset, g_open.file) != 0) {
    g_last_error = kResSeek;
    return nullptr;
  }
  EngHandle block = eng_block_alloc(entry.size, kBlockMovable);
  if (!block) {
    g_last_error = kResNoBlockMemory;
    return nullptr;
  }
  const bool ok = eng_read_all(g_open.file, eng_block_lock(block), entry.size);
  eng_block_unlock(block);
  if (!ok) {
    eng_block_free(block);
    g_last_error = read_error;
    return nullptr;
  }
  g_last_error = kResOk;
  return block;
}

// Finds the first used entry for which match(entry) holds and loads it.
template <typename Match>
EngHandle FindAndLoad(Match match, int read_error) {
  if (!g_open.file) {
    g_last_error = kResNotOpen;
    return nullptr;
  }
  const uint8_t* table = eng_block_lock(g_open.table);
  for (uint32_t i = 0; i < g_open.used; ++i) {
    const Entry entry = EntryAt(table, i);
    if (match(entry)) {
      eng_block_unlock(g_open.table);
      return LoadEntry(entry, read_error);
    }
  }
  eng_block_unlock(g_open.table);
  if (g_open.used == g_open.capacity) g_last_error = kResNotFoundFull;
  return nullptr;
}

bool TypeIs(const Entry& entry, const char* type) {
  return std::memcmp(entry.type, type, 4) == 0;
}

}  // namespace

int res_open_file(const char* path) {
  CloseContainer();
  const uint16_t file = eng_file_open(path, kOpenRead);
  if (file >= kEngBadHandle) {
    g_last_error = kResFileNotFound;
    return -1;
  }
  g_open.file = file;
  g_open.length = eng_file_length(file);
  uint8_t header[kResHeaderSize];
  if (!eng_read_all(file, header, sizeof header)) return Fail(kResHeaderRead);
  for (int i = 0; i < 3; ++i) g_open.header[i] = eng_be32(header + 4 * i);
  if (g_open.header[0] < kResHeaderSize) return Fail(kResTableRead);
  g_open.capacity = (g_open.header[0] - kResHeaderSize) / kResEntrySize;
  const uint64_t table_bytes = uint64_t(g_open.capacity) * kResEntrySize;
  if (kResHeaderSize + table_bytes > g_open.length) return Fail(kResTableRead);
  g_open.table = eng_block_alloc(size_t(table_bytes), kBlockMovable);
  if (!g_open.table) return Fail(kResNoTableMemory);
  uint8_t* table = eng_block_lock(g_open.table);
  const bool ok = eng_read_all(file, table, size_t(table_bytes));
  while (ok && g_open.used < g_open.capacity && EntryAt(table, g_open.used).offset != 0) {
    ++g_open.used;
  }
  eng_block_unlock(g_open.table);
  if (!ok) return Fail(kResTableRead);
  g_last_error = kResOk;
  return file;
}

int res_close_file(int handle) {
  if (!g_open.file) return g_last_error = kResCloseNotOpen;
  if (handle != g_open.file) return g_last_error = kResWrongHandle;
  CloseContainer();
  return g_last_error = kResOk;
}

EngHandle res_get_by_id(const char* type, uint16_t id) {
  return FindAndLoad([&](const Entry& e) { return TypeIs(e, type) && e.id == id; },
                     kResReadById);
}

EngHandle res_get_by_name(const char* type, const char* name) {
  return FindAndLoad([&](const Entry& e) { return TypeIs(e, type) && NameMatches(e.name, name); },
                     kResHeaderRead);
}

int res_count_of_type(const char* type) {
  if (!g_open.file) {
    g_last_error = kResNotOpen;
    return 0;
  }
  const uint8_t* table = eng_block_lock(g_open.table);
  int count = 0;
  for (uint32_t i = 0; i < g_open.used; ++i) count += TypeIs(EntryAt(table, i), type);
  eng_block_unlock(g_open.table);
  return count;
}

EngHandle res_get_nth_of_type(const char* type, int n) {
  int seen = 0;
  return FindAndLoad([&](const Entry& e) { return TypeIs(e, type) && ++seen == n; },
                     kResReadById);
}

int res_open_data_part(const char* path, uint16_t* handle) {
  if (!g_open.file) return g_last_error = kResNotOpen;
  if (g_open.header[1] == 0) return g_last_error = kResNoDataPart;
  if (eng_file_seek(g_open.header[2], g_open.file) != 0) return g_last_error = kResSeek;
  if (handle) *handle = g_open.file;
  return g_last_error = kResOk;
}

int res_last_error() { return g_last_error; }

const char* res_error_text(int code) {
  switch (code) {
    case kResOk: return "success";
    case kResTableRead: return "the entry table could not be read in full";
    case kResNoTableMemory: return "no memory for the entry table";
    case kResSeek: return "a seek failed";
    case kResNoDataPart: return "the container has no data part";
    case kResHeaderRead: return "the header or a resource read by name could not be read";
    case kResNotOpen: return "no container is open";
    case kResNotFoundFull: return "resource not found";
    case kResNoBlockMemory: return "no memory for the resource";
    case kResReadById: return "a resource could not be read";
    case kResCloseNotOpen: return "no container is open to close";
    case kResPastEnd: return "the resource runs past the end of the file";
    case kResWrongHandle: return "the handle is not the open container";
    case kResFileNotFound: return "the file could not be opened";
    default: return "unknown error";
  }
}
