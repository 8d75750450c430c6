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
inline constexpr int32_t kProfileFileNotFound = -43;

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
// Reads the value; a leading backslash escape becomes one character
// ("\t" "\n" "\r", "\x" -> 'x', a lone "\" stays "\"). Returns `buffer`.
char* ReadProfileChar(const char* key, const char* def, char* buffer, size_t size);
// The first character of the value (`def` when missing; 0 for an empty value).
char ReadProfileByte(const char* key, char def);
// Decodes a value of exactly 2n hexadecimal digits into n bytes; any other
// value (or none) sets the n bytes to 0.
void ReadProfileBytes(const char* key, void* destination, size_t n);

// Writers answer true when the file now holds the value. CR and LF in a value
// are stored as blanks; a value enclosed in quotes gets one more pair so that
// it reads back unchanged. With no file selected they fail. A null text
// deletes the key.
bool WriteProfileString(const char* key, const char* text);
bool WriteProfileInt(const char* key, int32_t number);
// Stores the first character of `text`, escaping tab, LF, CR and backslash.
bool WriteProfileChar(const char* key, const char* text);
bool WriteProfileByte(const char* key, char character);
// Stores n bytes as 2n upper-case hexadecimal digits.
bool WriteProfileBytes(const char* key, const void* source, size_t n);

// Collects the following writes, which then answer true when taken, until
// FlushProfile writes the file once with all of them (a read or a change of
// file writes them earlier). Without a batch, writes are on disk when they
// return.
void BeginProfileBatch();
// Ends a batch and writes it; answers 0 when every write since the previous
// flush succeeded, otherwise the first failure's errno.
int32_t FlushProfile();

// Builds the full path of a settings file (an absolute name is used as is; a
// bare name is joined to the per-user data folder) into `result` (null: an
// internal scratch buffer) and tests that it opens for reading as a regular
// file. 0 when it does; kProfileFileNotFound when it does not, when the folder
// cannot be determined or the path does not fit `result_size`.
int32_t LocateSettingsFile(const char* name, char* result = nullptr,
                           size_t result_size = 0);
