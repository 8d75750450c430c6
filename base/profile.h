// The profile settings store: one process-wide target (settings file and
// section) and plain key operations on it. The file is UTF-8; values are
// Windows-1250 in memory, and a file that is not UTF-8 (from an earlier
// installation) is read as Windows-1250 and turned into UTF-8 when written. Every module selects its target
// before it loads or saves, since the target is shared.
#pragma once

#include <cstddef>
#include <cstdint>

// Capacity of the stored file path (a longer path is refused, never cut) and
// of the section name.
inline constexpr size_t kProfilePathSize = 4096;
inline constexpr size_t kProfileSectionSize = 256;

// Copies the current file path and/or section into the caller's buffers
// (either may be null). False when a value does not fit (that buffer gets "").
bool GetProfileTarget(char* file, size_t file_size, char* section, size_t section_size);
// Replaces the file path and/or section (null leaves that half). A value that
// does not fit is refused: that half becomes empty (reads then give their
// defaults, writes fail) and the result is false.
bool SetProfileTarget(const char* file, const char* section);

// The value of `key` (blanks trimmed, one pair of enclosing quotes removed),
// or `def` when the file, section or key is missing; bounded by `size`.
// Returns the length copied.
size_t ReadProfileString(const char* key, const char* def, char* buffer, size_t size);
// atoi of the value ("abc" gives 0); `def` when the key is missing.
int32_t ReadProfileInt(const char* key, int32_t def);

// Writers answer true when the file now holds the value. CR and LF in a value
// are stored as blanks; a value enclosed in quotes gets one more pair so that
// it reads back unchanged. With no file selected they fail. A null text
// deletes the key.
bool WriteProfileString(const char* key, const char* text);
bool WriteProfileInt(const char* key, int32_t number);

// Collects the following writes, which then answer true when taken, until
// FlushProfile writes the file once with all of them (a read or a change of
// file writes them earlier). Without a batch, writes are on disk when they
// return.
void BeginProfileBatch();
// Ends a batch and writes it; answers 0 when every write since the previous
// flush succeeded, otherwise the first failure's errno.
int32_t FlushProfile();

