// User dictionaries: files of words the user declared correct, each a sorted
// front-coded list of letter codes with their case. A dictionary is a value;
// attached to a spelling dictionary handle (spell.h) it is consulted by that
// handle's checks. Every change is saved at once, under an update lock and
// merged with what is on disk then, so two processes adding words at once
// keep all of them.
//
// Two file formats, told apart when loading:
// - binary (below);
// - plain: a UTF-8 word list, one word a line, as hunspell and aspell keep
//   personal dictionaries; a "word/flags" line gives its word, aspell's
//   "personal_ws-" header line is skipped. An added word is appended as a
//   line, a removed word's lines are dropped, every other line stays.
// A file that is neither is refused (kUserDictUnrecognised) and never written.
//
// File: u32 little-endian L, then L bytes of list. Entry: shared count (1
// byte), the new letters (1 or more), end mark 1. The list ends with a shared
// count and a 0 where the first new letter would stand. Empty file: 02 00 00
// 00 00 00.
#pragma once

#include <cstddef>
#include <cstdint>

struct UserDict;

enum UserDictResult : int {
  kUserDictOk = 0,
  kUserDictCannotCreate = 1,   // create: the file could not be written
  kUserDictCannotOpen = 2,     // load: the file cannot be opened
  kUserDictUnreadable = 3,     // load: no words could be read, or no memory
  kUserDictNotSaved = 4,       // add/remove: the file could not be written
  kUserDictDamaged = -50,      // add: the list is damaged
  kUserDictNullHandle = -51,   // unload: null handle, or not loaded
  kUserDictNoneLoaded = -52,   // unload: no user dictionary is loaded
  kUserDictUnrecognised = 5,   // load: neither format; leave the file alone
};

enum class UserDictFormat { kBinary, kPlain };

// Longest word (in letters) a user dictionary stores.
inline constexpr size_t kUserWordMax = 255;
// Longest path kept for a dictionary.
inline constexpr size_t kUserDictPathMax = 512;

// Writes an empty dictionary at `path` (created or replaced).
int userdict_create(const char* path);
// Loads the dictionary at `path` on its own; *dict is null on failure.
int userdict_open(const char* path, UserDict** dict);
// Loads a list that is only read (the file may be read-only); adding and
// removing words answer kUserDictNotSaved.
int userdict_open_read_only(const char* path, UserDict** dict);
// Closes and frees a dictionary attached to no handle; sets *dict to null.
void userdict_close(UserDict** dict);
// Loads the dictionary and attaches it to the default spelling handle, whose
// checks then consult it first; *dict is null on failure.
int userdict_load(const char* path, UserDict** dict);
// Detaches a dictionary from the default handle, closes and frees it, and
// sets *dict to null.
int userdict_unload(UserDict** dict);
// Inserts the word (no change when present or when it maps to no letter or
// more than kUserWordMax) and saves. kUserDictNotSaved when the file could
// not be written; the list in memory then stays as it was.
int userdict_add_word(UserDict* dict, const char* word);
// The same for many words, written once.
int userdict_add_words(UserDict* dict, const char* const* words, size_t count);
// Removes the word (absent: nothing changes) and saves.
int userdict_remove_word(UserDict* dict, const char* word);
// True when the word (Windows-1250) can be stored whole: every character is
// a letter or a hyphen, at least one is a letter, at most kUserWordMax.
bool userdict_storable(const char* word);
// The format the file was found in, and its path.
UserDictFormat userdict_format(const UserDict* dict);
const char* userdict_path(const UserDict* dict);
// The system's error number of the last failed save (0 after a good one).
int userdict_save_error(const UserDict* dict);
// Non-zero when the dictionary holds the word exactly as written.
int userdict_contains(UserDict* dict, const char* word);
// Writes the next word (Windows-1250) into buffer; restart begins at the
// first. Returns 1 while another word follows; at the end the buffer is empty.
int userdict_next_word(UserDict* dict, char* buffer, size_t size, int restart);

// For the engine: whether the dictionary holds `codes` (closed by the end
// code) exactly. Safe from several threads while nobody changes it.
bool userdict_holds_codes(const UserDict* dict, const uint8_t* codes);
