// The typography options: one process-wide record, its defaults, the padded
// word lists with their text operations, and loading and saving in section
// "1Typografia" of the settings file through the profile store.
#pragma once

#include <cstddef>
#include <cstdint>

// Capacity of a padded word list: a blank, the words separated by single
// blanks, a blank, and the NUL. The stored text (without the two padding
// blanks) is at most kWordListTextMax characters.
inline constexpr size_t kWordListSize = 256;
inline constexpr size_t kWordListMax = kWordListSize - 1;
inline constexpr size_t kWordListTextMax = 253;
// Capacities of the character lists (with the NUL).
inline constexpr size_t kCharListSize = 256;
inline constexpr size_t kDeleteListSize = 101;

// A word list as the pass looks words up in it: " w1 w2 ... wn " (or " "
// when empty) and the length of its longest word.
struct WordList {
  char padded[kWordListSize] = " ";
  int16_t longest = 0;
};

// The four word lists, numbered as the list editor knows them.
enum TypoListIndex : int16_t {
  kListAfterDigits = 0,  // "17nbspAfterDigits"
  kListAfterWords = 1,   // "18nbspAfterWords"
  kListBeforeWords = 2,  // "21nbspBeforeWords"
  kListExceptions = 3,   // "20SinsremSpcExc"
  kTypoListCount = 4
};

struct TypographyOptions {
  int16_t quotes = 1;                                     // "2Cudzyslow"
  int16_t nested_style = 0;                               // "3Cytat", 0..3
  int16_t guess_quotes = 0;                               // "23ZgadnijCudzyslow"
  int16_t quote_spaces = 0;                               // "24CudzyslowSpacja"
  int16_t dash = 1;                                       // "8SpacjaLacz"
  int16_t dash_kind = 1;                                  // "9Pauza": 0 em dash, otherwise en dash
  int16_t nbsp_after_dash = 1;                            // "27LaczPoPauzach"
  int16_t repeated_spaces = 1;                            // "5WielokrotneSpacje"
  int16_t remove_before = 1;                              // "11UsunSpacjePrzed"
  int16_t insert_before = 1;                              // "12WstawSpacjePrzed"
  int16_t remove_after = 1;                               // "13UsunSpacjePo"
  int16_t insert_after = 1;                               // "14WstawSpacjePo"
  int16_t delete_chars = 1;                               // "AUsuwajZnaki"
  int16_t nbsp_after_words = 1;                           // "7LaczliweSpacje"
  int16_t nbsp_before_words = 1;                          // "22LaczPrzedSlowami"
  int16_t nbsp_after_digits = 1;                          // "15LaczPoCyfrach"
  int16_t space_exceptions = 1;                           // "19insremSpcExc"
  int16_t nbsp_before_digits = 1;                         // "25LaczPrzedCyframi"
  int16_t nbsp_before_roman = 1;                          // "26LaczPrzedCyframiRzymskimi"
  char remove_before_chars[kCharListSize] = ".,;:!?)]}";  // "11Znaki"
  char insert_before_chars[kCharListSize] = "([{";        // "12Znaki"
  char remove_after_chars[kCharListSize] = "([{";         // "13Znaki"
  char insert_after_chars[kCharListSize] = ".,;:!?)]}";   // "14Znaki"
  char deleted_chars[kCharListSize] = "";                 // "BZnaki", at most kDeleteListSize-1
  WordList lists[kTypoListCount];
};

extern TypographyOptions gTypoOptions;

// The default text of each word list (Windows-1250) and the default of each
// character list.
const char* DefaultWordList(int16_t index);
inline constexpr const char kDefaultPunctAfter[] = ".,;:!?)]}";
inline constexpr const char kDefaultBrackets[] = "([{";

// The settings section that holds the options.
inline constexpr const char kTypoSection[] = "1Typografia";

// Options with every default, the word lists padded.
TypographyOptions DefaultTypographyOptions();

// Reads every option from section "1Typografia" of the current settings file
// into gTypoOptions (defaults for missing keys, default lists for empty ones).
void LoadTypographyOptions();
// Writes gTypoOptions back and flushes; answers FlushProfile's result.
int32_t SaveTypographyOptions();

// --- Character lists -----------------------------------------------------
// Copies `text` into `out` (capacity `size`) without blanks and tabs, keeping
// at most size-1 characters.
void CleanCharList(const char* text, char* out, size_t size);

// --- Word lists ------------------------------------------------------------
// Length of the longest run of non-blank characters.
int16_t LongestListWord(const char* text);
// Sets `list` from unpadded text: runs of blanks and tabs become one blank,
// and text beyond kWordListTextMax characters is cut back to its last whole
// word. Recomputes the longest word.
void PadWordList(WordList& list, const char* text);
// The list without its padding into `out` (capacity `size`); "" for an
// empty list.
void UnpaddedWordList(const WordList& list, char* out, size_t size);
// True when `word` is a whole entry of the list. A word with a blank or tab,
// or too long to fit the list, is never contained.
bool WordListContains(const WordList& list, const char* word);
// A word the list editor may add: not empty, no blank or tab, and short
// enough for a padded list.
bool IsListWord(const char* word);
// Appends `word` unless it is empty, holds a blank, or would make the padded
// list longer than kWordListMax characters. True when added.
bool WordListAdd(WordList& list, const char* word);
// Deletes the first whole-entry occurrence of `word`. True when removed.
bool WordListRemove(WordList& list, const char* word);
// Replaces `old_word` by `new_word` (appended at the end). When the new word
// cannot be added the list is left unchanged. True when changed.
bool WordListChange(WordList& list, const char* old_word, const char* new_word);
// Calls `visit` with each entry in order, as a NUL-terminated copy.
template <class Visit>
void ForEachListWord(const WordList& list, Visit visit) {
  char word[kWordListSize];
  size_t n = 0;
  for (size_t i = 0; i < kWordListSize && list.padded[i] != 0; ++i) {
    if (list.padded[i] == ' ') {
      if (n > 0) {
        word[n] = 0;
        visit(static_cast<const char*>(word));
        n = 0;
      }
    } else {
      word[n++] = list.padded[i];
    }
  }
}
