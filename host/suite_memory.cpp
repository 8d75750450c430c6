// The memory and host-string suites over the host's movable blocks.
#include <cstring>

#include "host/memory.h"
#include "host/suites.h"

namespace {

xt_handle Allocate(size_t size) { return HostMemory().Allocate(size); }
void Release(xt_handle block) { HostMemory().Release(block); }
size_t BlockSize(xt_handle block) { return HostMemory().Size(block); }
xt_status Resize(xt_handle block, size_t size) { return HostMemory().Resize(block, size); }
void* Lock(xt_handle block) { return HostMemory().Lock(block); }
void Unlock(xt_handle block) { HostMemory().Unlock(block); }
int16_t LastError() { return HostMemory().LastError(); }

// A host string is a block holding the text and its terminator.
xt_handle MakeString(const char* text) {
  const size_t length = text ? std::strlen(text) : 0;
  xt_handle block = HostMemory().Allocate(length + 1);
  if (block && length) std::memcpy(HostMemory().Lock(block), text, length);
  if (block && length) HostMemory().Unlock(block);
  return block;
}

int32_t CopyString(xt_handle string, char* out, int32_t size) {
  if (!out || size < 1 || !HostMemory().IsLive(string)) return 0;
  const auto* text = static_cast<const char*>(HostMemory().Lock(string));
  const size_t capacity = HostMemory().Size(string);
  size_t length = 0;
  while (length < capacity && text[length] != 0 && length + 1 < static_cast<size_t>(size)) {
    out[length] = text[length];
    ++length;
  }
  out[length] = 0;
  HostMemory().Unlock(string);
  return static_cast<int32_t>(length);
}

void DisposeString(xt_handle string) { HostMemory().Release(string); }

}  // namespace

std::span<const xt_fn> MemorySuiteTable() {
  return Suite<XT_MEMORY_SUITE_COUNT, Allocate, Release, BlockSize, Resize, Lock, Unlock,
               LastError>();
}
std::span<const xt_fn> StringSuiteTable() {
  return Suite<XT_STRING_SUITE_COUNT, MakeString, CopyString, DisposeString>();
}
