// The resource-container reader: each container keeps its raw entry table in
// a block, decoded on access; the default container serves the res_*
// functions that take none.
#include "container/resource_file.h"

#include <cstring>
#include <new>

#include "container/raw_file.h"

namespace {

struct Entry {
  const uint8_t* type;
  uint32_t size;
  uint32_t offset;
  uint16_t id;
  const uint8_t* name;  // length byte + characters
};

}  // namespace

struct ResContainer {
  uint16_t file = 0;  // 0 = none open
  uint32_t header[3] = {};
  EngHandle table = nullptr;
  uint32_t capacity = 0;
  uint32_t used = 0;
  uint64_t length = 0;
  int last_error = kResOk;
};

namespace {

using Container = ResContainer;

// The default container of the res_* functions (null: none open) and their
// last error, which also records failures that concern no container.
ResContainer* g_default = nullptr;
int g_last_error = kResOk;

Entry EntryAt(const uint8_t* table, uint32_t i) {
  const uint8_t* e = table + size_t(i) * kResEntrySize;
  return Entry{e, eng_be32(e + 4), eng_be32(e + 8), eng_be16(e + 12), e + 14};
}

void CloseContainer(Container* c) {
  if (!c) return;
  if (c->file) eng_file_close(c->file);
  eng_block_free(c->table);
  delete c;
}

bool NameMatches(const uint8_t* stored, const char* name) {
  const size_t length = std::strlen(name);
  const size_t stored_length = stored[0] > kResNameMax ? kResNameMax : stored[0];
  return length == stored_length && std::memcmp(stored + 1, name, length) == 0;
}

// Reads the entry's bytes into a new block; `read_error` is the code a failed
// read records.
EngHandle LoadEntry(const Container& c, const Entry& entry, int read_error, int* last_error) {
  if (uint64_t(entry.offset) + entry.size > c.length) {
    *last_error = kResPastEnd;
    return nullptr;
  }
  if (eng_file_seek(entry.offset, c.file) != 0) {
    *last_error = kResSeek;
    return nullptr;
  }
  EngHandle block = eng_block_alloc(entry.size, kBlockMovable);
  if (!block) {
    *last_error = kResNoBlockMemory;
    return nullptr;
  }
  const bool ok = eng_read_all(c.file, eng_block_lock(block), entry.size);
  eng_block_unlock(block);
  if (!ok) {
    eng_block_free(block);
    *last_error = read_error;
    return nullptr;
  }
  *last_error = kResOk;
  return block;
}

// Finds the first used entry of `c` for which match(entry) holds and loads
// it; failures go to *last_error.
template <typename Match>
EngHandle FindAndLoad(const Container* c, Match match, int read_error, int* last_error) {
  if (!c || !c->file) {
    *last_error = kResNotOpen;
    return nullptr;
  }
  const uint8_t* table = eng_block_lock(c->table);
  for (uint32_t i = 0; i < c->used; ++i) {
    const Entry entry = EntryAt(table, i);
    if (match(entry)) {
      eng_block_unlock(c->table);
      return LoadEntry(*c, entry, read_error, last_error);
    }
  }
  eng_block_unlock(c->table);
  if (c->used == c->capacity) *last_error = kResNotFoundFull;
  return nullptr;
}

bool TypeIs(const Entry& entry, const char* type) {
  return std::memcmp(entry.type, type, 4) == 0;
}

ResContainer* Open(const char* path, int* error) {
  const uint16_t file = eng_file_open(path, kOpenRead);
  if (file >= kEngBadHandle) {
    *error = kResFileNotFound;
    return nullptr;
  }
  auto* c = new (std::nothrow) Container;
  if (!c) {
    eng_file_close(file);
    *error = kResNoTableMemory;
    return nullptr;
  }
  c->file = file;
  c->length = eng_file_length(file);
  const auto fail = [&](int code) -> ResContainer* {
    CloseContainer(c);
    *error = code;
    return nullptr;
  };
  uint8_t header[kResHeaderSize];
  if (!eng_read_all(file, header, sizeof header)) return fail(kResHeaderRead);
  for (int i = 0; i < 3; ++i) c->header[i] = eng_be32(header + 4 * i);
  if (c->header[0] < kResHeaderSize) return fail(kResTableRead);
  c->capacity = (c->header[0] - kResHeaderSize) / kResEntrySize;
  const uint64_t table_bytes = uint64_t(c->capacity) * kResEntrySize;
  if (kResHeaderSize + table_bytes > c->length) return fail(kResTableRead);
  c->table = eng_block_alloc(size_t(table_bytes), kBlockMovable);
  if (!c->table) return fail(kResNoTableMemory);
  uint8_t* table = eng_block_lock(c->table);
  const bool ok = eng_read_all(file, table, size_t(table_bytes));
  while (ok && c->used < c->capacity && EntryAt(table, c->used).offset != 0) ++c->used;
  eng_block_unlock(c->table);
  if (!ok) return fail(kResTableRead);
  *error = kResOk;
  return c;
}

EngHandle GetById(const Container* c, const char* type, uint16_t id, int* last_error) {
  return FindAndLoad(
      c, [&](const Entry& e) { return TypeIs(e, type) && e.id == id; }, kResReadById,
      last_error);
}

EngHandle GetByName(const Container* c, const char* type, const char* name, int* last_error) {
  return FindAndLoad(
      c, [&](const Entry& e) { return TypeIs(e, type) && NameMatches(e.name, name); },
      kResHeaderRead, last_error);
}

int CountOfType(const Container* c, const char* type, int* last_error) {
  if (!c || !c->file) {
    *last_error = kResNotOpen;
    return 0;
  }
  const uint8_t* table = eng_block_lock(c->table);
  int count = 0;
  for (uint32_t i = 0; i < c->used; ++i) count += TypeIs(EntryAt(table, i), type);
  eng_block_unlock(c->table);
  return count;
}

EngHandle GetNthOfType(const Container* c, const char* type, int n, int* last_error) {
  int seen = 0;
  return FindAndLoad(
      c, [&](const Entry& e) { return TypeIs(e, type) && ++seen == n; }, kResReadById,
      last_error);
}

int OpenDataPart(const Container* c, uint16_t* handle, int* last_error) {
  if (!c || !c->file) return *last_error = kResNotOpen;
  if (c->header[1] == 0) return *last_error = kResNoDataPart;
  if (eng_file_seek(c->header[2], c->file) != 0) return *last_error = kResSeek;
  if (handle) *handle = c->file;
  return *last_error = kResOk;
}

}  // namespace

ResContainer* res_container_open(const char* path, int* error) {
  int ignored = 0;
  return Open(path, error ? error : &ignored);
}

void res_container_close(ResContainer* container) { CloseContainer(container); }

EngHandle res_container_get_by_id(ResContainer* c, const char* type, uint16_t id) {
  int ignored = 0;
  return GetById(c, type, id, c ? &c->last_error : &ignored);
}

EngHandle res_container_get_by_name(ResContainer* c, const char* type, const char* name) {
  int ignored = 0;
  return GetByName(c, type, name, c ? &c->last_error : &ignored);
}

int res_container_count_of_type(ResContainer* c, const char* type) {
  int ignored = 0;
  return CountOfType(c, type, c ? &c->last_error : &ignored);
}

EngHandle res_container_get_nth_of_type(ResContainer* c, const char* type, int n) {
  int ignored = 0;
  return GetNthOfType(c, type, n, c ? &c->last_error : &ignored);
}

int res_container_open_data_part(ResContainer* c, uint16_t* handle) {
  int ignored = 0;
  return OpenDataPart(c, handle, c ? &c->last_error : &ignored);
}

int res_container_last_error(const ResContainer* c) { return c ? c->last_error : kResNotOpen; }

int res_open_file(const char* path) {
  CloseContainer(g_default);
  g_default = Open(path, &g_last_error);
  return g_default ? g_default->file : -1;
}

int res_close_file(int handle) {
  if (!g_default) return g_last_error = kResCloseNotOpen;
  if (handle != g_default->file) return g_last_error = kResWrongHandle;
  CloseContainer(g_default);
  g_default = nullptr;
  return g_last_error = kResOk;
}

EngHandle res_get_by_id(const char* type, uint16_t id) {
  return GetById(g_default, type, id, &g_last_error);
}

EngHandle res_get_by_name(const char* type, const char* name) {
  return GetByName(g_default, type, name, &g_last_error);
}

int res_count_of_type(const char* type) { return CountOfType(g_default, type, &g_last_error); }

EngHandle res_get_nth_of_type(const char* type, int n) {
  return GetNthOfType(g_default, type, n, &g_last_error);
}

int res_open_data_part(const char*, uint16_t* handle) {
  return OpenDataPart(g_default, handle, &g_last_error);
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
