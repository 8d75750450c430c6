// Read-only access to a resource container: a file of typed, numbered and
// named resources (big-endian header and entry table), optionally followed by
// a data part. A container is a value (ResContainer) with its own last
// error; the res_* functions without a container are thin wrappers over one
// default container and one last error for the whole process.
//
// Layout: u32 end of entry table (12 + 34 x capacity), u32 data-part marker,
// u32 data-part offset, then 34-byte entries: 4-byte type, u32 size,
// u32 offset, u16 id, 20-byte name (length byte + up to 19 characters).
// The used entries are those before the first with offset 0.
#pragma once

#include <cstdint>

#include "container/block.h"

// Result codes of the container layer (res_last_error).
enum ResError : int {
  kResOk = 0,
  kResTableRead = 500,       // the entry table could not be read in full
  kResNoTableMemory = 502,   // no memory for the entry table
  kResSeek = 504,            // a seek failed
  kResNoDataPart = 505,      // the container has no data part
  kResHeaderRead = 506,      // the header or a resource read by name failed
  kResNotOpen = 508,         // no container is open
  kResNotFoundFull = 510,    // not found while every entry is in use
  kResNoBlockMemory = 511,   // no memory for the resource's block
  kResReadById = 514,        // a resource read by id failed
  kResCloseNotOpen = 515,    // close asked while nothing is open
  kResPastEnd = 518,         // the resource runs past the end of the file
  kResWrongHandle = 527,     // close asked for a handle that is not open
  kResFileNotFound = 65493,  // the file could not be opened (-43 as 16 bits)
};

inline constexpr uint32_t kResHeaderSize = 12;
inline constexpr uint32_t kResEntrySize = 34;
inline constexpr uint32_t kResNameMax = 19;

// One open container: its file, header and entry table. Calls on one
// container are not safe from several threads at once.
struct ResContainer;

// Opens the container at `path`; null on failure with the reason in *error.
ResContainer* res_container_open(const char* path, int* error);
// Closes its file and frees it; null is accepted.
void res_container_close(ResContainer* container);
// As the functions below, on `container` (errors recorded in its own last
// error, read with res_container_last_error).
EngHandle res_container_get_by_id(ResContainer* container, const char* type, uint16_t id);
EngHandle res_container_get_by_name(ResContainer* container, const char* type, const char* name);
int res_container_count_of_type(ResContainer* container, const char* type);
EngHandle res_container_get_nth_of_type(ResContainer* container, const char* type, int n);
int res_container_open_data_part(ResContainer* container, uint16_t* handle);
int res_container_last_error(const ResContainer* container);

// The default container. Handle of the container, or -1 (the reason in res_last_error). Opening a
// second container replaces the first.
int res_open_file(const char* path);
// 0, kResCloseNotOpen or kResWrongHandle.
int res_close_file(int handle);
// A new unlocked block with the resource's bytes, or null. `type` is four
// characters compared byte for byte.
EngHandle res_get_by_id(const char* type, uint16_t id);
EngHandle res_get_by_name(const char* type, const char* name);
int res_count_of_type(const char* type);
// The n-th resource of that type (from 1, in table order), or null.
EngHandle res_get_nth_of_type(const char* type, int n);
// Positions the open container's file at its data part and gives its handle;
// returns an error code. `path` names the container for messages only.
int res_open_data_part(const char* path, uint16_t* handle);
int res_last_error();
// English text for a code of this layer.
const char* res_error_text(int code);
