// The spelling engine: is a word correct Polish, and what could it have been?
// Plain functions over one process-wide state: the open son.dic (letter trees,
// stem and ending store) and the chain of loaded user dictionaries. Words are
// NUL-terminated Windows-1250 text.
#pragma once

#include <cstddef>
#include <cstdint>

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

// 0; the container layer's error when the file cannot be opened as a
// container; kSpellFailed for any later failure (spell_open_detail tells
// which). A dictionary already open is closed first.
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
// capitalisation), or null; the caller frees the list.
SpellSuggestion* spell_suggest(const char* word);
void spell_free_suggestions(SpellSuggestion* list);
