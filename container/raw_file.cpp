// Raw file operations over C stdio streams, handed out as small integer
// handles from a fixed table (handle = slot + 1, so 0 is never valid). The
// table is guarded, so threads may open and close files at once; one handle
// is used by one thread at a time.
#include "container/raw_file.h"

#include <climits>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <system_error>

namespace {

constexpr size_t kMaxFiles = 64;
std::mutex g_mutex;
std::FILE* g_files[kMaxFiles] = {};

std::FILE* FileOf(uint16_t handle) {
  if (handle == 0 || handle > kMaxFiles) return nullptr;
  const std::lock_guard<std::mutex> guard(g_mutex);
  return g_files[handle - 1];
}

// Files created by the layer are readable and writable by everyone (the
// process umask still applies).
void GrantReadWriteToAll(const char* path) {
  namespace fs = std::filesystem;
  std::error_code ignored;
  fs::permissions(path,
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                      fs::perms::group_write | fs::perms::others_read | fs::perms::others_write,
                  fs::perm_options::add, ignored);
}

}  // namespace

uint16_t eng_file_open(const char* path, int mode) {
  if (!path) return kEngBadHandle;
  const char* how = mode == kOpenRead ? "rb" : mode == kOpenReadWrite ? "r+b" : mode == kOpenCreate ? "w+b" : nullptr;
  if (!how) return kEngBadHandle;
  const std::lock_guard<std::mutex> guard(g_mutex);
  size_t slot = 0;
  while (slot < kMaxFiles && g_files[slot]) ++slot;
  if (slot == kMaxFiles) return kEngBadHandle;
  std::FILE* f = std::fopen(path, how);
  if (!f) return kEngBadHandle;
  if (mode == kOpenCreate) GrantReadWriteToAll(path);
  g_files[slot] = f;
  return uint16_t(slot + 1);
}

int eng_file_close(uint16_t handle) {
  std::FILE* f = FileOf(handle);
  if (!f) return 1;
  {
    const std::lock_guard<std::mutex> guard(g_mutex);
    g_files[handle - 1] = nullptr;
  }
  return std::fclose(f) == 0 ? 0 : 1;
}

size_t eng_file_read(void* buffer, size_t count, uint16_t handle) {
  std::FILE* f = FileOf(handle);
  if (!f || !buffer) return 0;
  return std::fread(buffer, 1, count, f);
}

size_t eng_file_write(const void* buffer, size_t count, uint16_t handle) {
  std::FILE* f = FileOf(handle);
  if (!f || !buffer) return 0;
  const size_t written = std::fwrite(buffer, 1, count, f);
  return std::fflush(f) == 0 ? written : 0;
}

int eng_file_seek(uint64_t offset, uint16_t handle) {
  std::FILE* f = FileOf(handle);
  if (!f || offset > uint64_t(LONG_MAX)) return 1;
  return std::fseek(f, long(offset), SEEK_SET) == 0 ? 0 : 1;
}

uint64_t eng_file_length(uint16_t handle) {
  std::FILE* f = FileOf(handle);
  if (!f) return 0;
  const long here = std::ftell(f);
  if (here < 0 || std::fseek(f, 0, SEEK_END) != 0) return 0;
  const long end = std::ftell(f);
  std::fseek(f, here, SEEK_SET);
  return end < 0 ? 0 : uint64_t(end);
}

int eng_read_chunk(uint16_t handle, uint32_t* length, void* buffer) {
  if (!length) return 1;
  if (*length > kEngMaxChunk) {
    *length = 0;
    return 1;
  }
  *length = uint32_t(eng_file_read(buffer, *length, handle));
  return *length == 0 ? 1 : 0;
}

bool eng_read_all(uint16_t handle, void* buffer, size_t count) {
  auto* p = static_cast<uint8_t*>(buffer);
  while (count > 0) {
    uint32_t chunk = count > kEngMaxChunk ? kEngMaxChunk : uint32_t(count);
    const uint32_t wanted = chunk;
    if (eng_read_chunk(handle, &chunk, p) != 0 || chunk != wanted) return false;
    p += chunk;
    count -= chunk;
  }
  return true;
}

void eng_swap_bytes(void* pointer, size_t n) {
  auto* p = static_cast<uint8_t*>(pointer);
  for (size_t i = 0; i < n / 2; ++i) {
    const uint8_t t = p[i];
    p[i] = p[n - 1 - i];
    p[n - 1 - i] = t;
  }
}
