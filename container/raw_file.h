// Raw file operations of the engines: small integer file handles, binary mode,
// no buffering surprises. Handles are 16-bit; 0 is never a valid handle.
#pragma once

#include <cstddef>
#include <cstdint>

enum EngOpenMode : int {
  kOpenRead = 0,       // read only
  kOpenReadWrite = 1,  // read and write, the file must exist
  kOpenCreate = 2,     // read and write, created if missing, truncated if present
};

// Handle of the opened file, or a value >= kEngBadHandle on failure.
inline constexpr uint16_t kEngBadHandle = 0xFFFF;
uint16_t eng_file_open(const char* path, int mode);
// 0 on success, 1 on failure (unknown handle included).
int eng_file_close(uint16_t handle);
// Bytes transferred; 0 on failure.
size_t eng_file_read(void* buffer, size_t count, uint16_t handle);
size_t eng_file_write(const void* buffer, size_t count, uint16_t handle);
// Absolute seek from the start; 0 on success, 1 on failure.
int eng_file_seek(uint64_t offset, uint16_t handle);
// Length of the file in bytes, the current position kept; 0 when unknown.
uint64_t eng_file_length(uint16_t handle);

// Largest request eng_read_chunk serves in one call.
inline constexpr uint32_t kEngMaxChunk = 65535;
// Reads `*length` bytes (at most kEngMaxChunk) into buffer and sets `*length`
// to the number read. Returns 1 when nothing was read (a larger request is
// refused with `*length` = 0), 0 otherwise.
int eng_read_chunk(uint16_t handle, uint32_t* length, void* buffer);
// Reads `count` bytes in chunks; true only when all of them arrived.
bool eng_read_all(uint16_t handle, void* buffer, size_t count);

// Reverses n bytes in place (n = 2 or 4 turns a big-endian integer into host
// order on a little-endian machine).
void eng_swap_bytes(void* pointer, size_t n);
// Big-endian integers at p (no alignment needed).
inline uint16_t eng_be16(const uint8_t* p) { return uint16_t(p[0] << 8 | p[1]); }
inline uint32_t eng_be32(const uint8_t* p) {
  return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}
