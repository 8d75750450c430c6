// The spelling engine: is a word correct Polish, and what could it have been?
// A dictionary handle (SpellDict) holds one opened son.dic (letter trees, stem
// and ending store) and the user dictionaries attached to it; any number of
// handles may be open at once, and the const queries (check, suggest) may be
// called on one handle from several threads at once. The spell_* functions
// without a handle are thin wrappers over one default handle. Words are
// NUL-terminated Windows-1250 text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct SpellDict;
struct UserDict;

// Results of spell_open besides the container layer's own codes.
enum SpellResult : int {
  kSpellOk = 0,
  kSpellFailed = 1,               // any failure after the container opened
  kSpellNoEndingLinks = 10050,    // "BAZA" "lodmiany" missing
  kSpellNoEndingLetters = 10051,  // "BAZA" "codmiany" missing
};

enum class CaseClass : int { kMixed = 0, kCapitalised = 1, kAllCapitals = 2, kAllSmall = 3 };

// Longest word a check reads (the working buffer holds it and its end code).
inline constexpr size_t kSpellMaxWord = 279;
// Longest suggestion kept in a list node.
inline constexpr size_t kSuggestionMaxLetters = 59;

struct SpellSuggestion {
  SpellSuggestion* next;
  char word[kSuggestionMaxLetters + 1];
};

// Order of a suggestion list: alphabetical (the misspelled-word dialog).
enum class SuggestOrder : int { kAlphabetical = 0 };

// Opens son.dic at `path` as a new handle in *dict. Returns 0; the container
// layer's error when the file cannot be opened as a container; kSpellFailed
// for any later failure. *dict is null on failure; *detail (when given)
// receives the code inside the opening (505, 10050, 10051, 1 ...).
int spell_dict_open(const char* path, SpellDict** dict, int* detail);
// Unloads the handle's user dictionaries, frees it and sets *dict to null.
void spell_dict_close(SpellDict** dict);
// 1 when the word is accepted, else 0; abbreviations are accepted when
// `abbreviation_allowed` is set (a full stop follows the word in the text).
int spell_dict_check(const SpellDict* dict, const char* word, int abbreviation_allowed);
// Replaces *out with the correctly spelled candidates for `word`, in the
// word's capitalisation and the given order.
void spell_dict_suggest(const SpellDict* dict, const char* word, SuggestOrder order,
                        std::vector<std::string>* out);
// Makes the handle's checks consult `user` (first, before those attached
// earlier); the handle owns it from now on. Not to be called while another
// thread queries the handle.
void spell_dict_attach_user(SpellDict* dict, UserDict* user);
// Stops consulting `user` and hands it back to the caller; false when it was
// not attached.
bool spell_dict_detach_user(SpellDict* dict, UserDict* user);
// Whether any user dictionary is attached.
bool spell_dict_has_users(const SpellDict* dict);

// The default handle of the functions below; it exists (closed) before the
// first spell_open.
SpellDict* spell_default_dict();
// Opens son.dic into the default handle: 0; the container layer's error when
// the file cannot be opened as a container; kSpellFailed for any later
// failure (spell_open_detail tells which). A dictionary already open is
// closed first.
int spell_open(const char* path);
// The code inside the failed opening (505, 10050, 10051, 1 ...), 0 after success.
int spell_open_detail();
// Unloads every user dictionary, frees the dictionary, closes its file. 0.
int spell_close();
bool spell_is_open();

// 1 when the word is accepted, else 0.
int spell_check_word(const char* word);
// The same; abbreviations are accepted when `abbreviation_allowed` is set
// (a full stop follows the word in the text).
int spell_check_word_ex(const char* word, int abbreviation_allowed);
CaseClass spell_case_class(const char* word);

// Correctly spelled candidates for `word` (alphabetical, in the word's
// capitalisation), or null; the caller frees the list. Candidates longer than
// kSuggestionMaxLetters are left out.
SpellSuggestion* spell_suggest(const char* word);
void spell_free_suggestions(SpellSuggestion* list);
