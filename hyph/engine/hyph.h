// The hyphenation engine: Polish words hyphenated by Liang patterns from
// PLHYPH.DAT, after two exception lists (the user's, kept in PLHYPH.USR, and
// a built-in one). All text is Windows-1250. Plain functions over an engine
// handle; nothing here allocates while hyphenating.
#pragma once

#include <cstddef>
#include <cstdint>

#include "container/block.h"

// An open engine: the block (container/block.h) holding its HyphEngine state.
using HyphHandle = EngHandle;

// Result codes.
enum HyphResult : int {
  kHyphOk = 0,
  // hyph_open: that resource of PLHYPH.DAT is missing, unreadable or damaged.
  kHyphBadTrie = 100,
  kHyphBadOps = 101,
  kHyphBadBuiltin = 103,
  kHyphBadDefaultUser = 104,
  kHyphNoStateMemory = 300,  // hyph_open: no memory for the state
  // Saving PLHYPH.USR: the file could not be created, its size or its
  // content not written.
  kHyphSaveCreate = 110,
  kHyphSaveSize = 111,
  kHyphSaveContent = 112,
  // Loading PLHYPH.USR.
  kHyphUserOpen = 200,      // the file exists but cannot be opened
  kHyphUserShort = 201,     // shorter than its 4-byte size field
  kHyphUserNoMemory = 202,  // no memory for the list
  kHyphUserDamaged = 203,   // nothing read, or not a valid exception list
  // Exception edits.
  // The list is unchanged: add found the same letters there already (or
  // refused the word); remove did not find them (or there is no user file).
  kHyphExcUnchanged = 1,
  kHyphExcNotSaved = 2,   // add/remove: the file could not be written; unchanged
  kHyphExcNoList = -128,  // add: no user file attached, or no memory
};
// Container-layer codes (container/resource_file.h) may also come back from hyph_open.

// English text for a result of hyph_open or hyph_open_exceptions.
const char* hyph_result_text(int code);

// Opens PLHYPH.DAT; *engine is the new state, or null on failure.
int hyph_open(const char* data_path, HyphHandle* engine);
// Attaches PLHYPH.USR (at most 511 bytes of path). A missing or empty file is
// created from the default list. A file that exists but does not load is left
// untouched: the error is returned, the default list stays in use and the
// engine has no user file, so the list cannot be changed.
int hyph_open_exceptions(const char* user_path, HyphHandle engine);
// Frees everything; null is accepted.
void hyph_close(HyphHandle engine);
// The system's error number of the last failed save of PLHYPH.USR (0 after
// a good one), for messages.
int hyph_save_error();
// The attached user file's path ("" without one), into the caller's buffer.
void hyph_user_path(HyphHandle engine, char* out, size_t out_size);
// True when a user file is attached (edits are possible).
bool hyph_has_user_file(HyphHandle engine);

// Longest word (characters before the first digit) that is hyphenated.
inline constexpr size_t kHyphMaxWord = 254;
// Writes `word` to `out` (out_size bytes) with "-" at each allowed break.
// Characters from the first digit on are not written. A word that is refused
// (null engine, more than kHyphMaxWord letters, no room for the result) comes
// back unchanged when it fits and as "" otherwise.
void hyph_word(HyphHandle engine, const char* word, char* out, size_t out_size,
               bool consult_user_exceptions);

// The user exception list. Words are written with "-" at the breaks.
int hyph_exc_add(HyphHandle engine, const char* word);
int hyph_exc_remove(HyphHandle engine, const char* word);
// Next entry (from the first when restart) into out, in lower case with its
// hyphens: 1, or 0 at the end (out untouched). out_size >= 252 always fits.
int hyph_exc_next(HyphHandle engine, char* out, size_t out_size, bool restart);
bool hyph_exc_contains(HyphHandle engine, const char* word);
