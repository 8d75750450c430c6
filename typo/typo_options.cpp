// Typography options: defaults, the word-list text operations, and loading
// and saving through the profile store.
#include "typo/typo_options.h"

#include <algorithm>
#include <cstring>

#include "base/profile.h"

TypographyOptions gTypoOptions = DefaultTypographyOptions();

namespace {

struct FlagKey {
  const char* key;
  int16_t TypographyOptions::*field;
};

constexpr FlagKey kFlagKeys[] = {
    {"2Cudzyslow", &TypographyOptions::quotes},
    {"3Cytat", &TypographyOptions::nested_style},
    {"23ZgadnijCudzyslow", &TypographyOptions::guess_quotes},
    {"24CudzyslowSpacja", &TypographyOptions::quote_spaces},
    {"8SpacjaLacz", &TypographyOptions::dash},
    {"9Pauza", &TypographyOptions::dash_kind},
    {"27LaczPoPauzach", &TypographyOptions::nbsp_after_dash},
    {"5WielokrotneSpacje", &TypographyOptions::repeated_spaces},
    {"11UsunSpacjePrzed", &TypographyOptions::remove_before},
    {"12WstawSpacjePrzed", &TypographyOptions::insert_before},
    {"13UsunSpacjePo", &TypographyOptions::remove_after},
    {"14WstawSpacjePo", &TypographyOptions::insert_after},
    {"AUsuwajZnaki", &TypographyOptions::delete_chars},
    {"7LaczliweSpacje", &TypographyOptions::nbsp_after_words},
    {"22LaczPrzedSlowami", &TypographyOptions::nbsp_before_words},
    {"15LaczPoCyfrach", &TypographyOptions::nbsp_after_digits},
    {"19insremSpcExc", &TypographyOptions::space_exceptions},
    {"25LaczPrzedCyframi", &TypographyOptions::nbsp_before_digits},
    {"26LaczPrzedCyframiRzymskimi", &TypographyOptions::nbsp_before_roman},
};

struct CharListKey {
  const char* key;
  char (TypographyOptions::*field)[kCharListSize];
  size_t size;  // with the NUL
  const char* fallback;
};

constexpr CharListKey kCharListKeys[] = {
    {"11Znaki", &TypographyOptions::remove_before_chars, kCharListSize, kDefaultPunctAfter},
    {"12Znaki", &TypographyOptions::insert_before_chars, kCharListSize, kDefaultBrackets},
    {"13Znaki", &TypographyOptions::remove_after_chars, kCharListSize, kDefaultBrackets},
    {"14Znaki", &TypographyOptions::insert_after_chars, kCharListSize, kDefaultPunctAfter},
    {"BZnaki", &TypographyOptions::deleted_chars, kDeleteListSize, ""},
};

constexpr const char* kWordListKeys[kTypoListCount] = {"17nbspAfterDigits", "18nbspAfterWords",
                                                       "21nbspBeforeWords", "20SinsremSpcExc"};

// Windows-1250: 0xB3 is ł.
constexpr const char* kWordListDefaults[kTypoListCount] = {
    "$ cm DM g GB Gb gB gb gr KB Kb kB kb ha kG kg km KM m MB Mb mB mb mm z\xB3",
    "a A e E i I o O u U w W z Z do Do na Na po od Od Po za Za nad Nad pod Pod przy Przy "
    "przed Przed II III IV V VI VII VIII IX X XI XII XIII XIV XV XVI XVII XVIII XIX XX XXI",
    "Sp. o.o. S.A. SA",
    "S.A. o.o. m.in.",
};

bool IsBlankOrTab(char c) { return c == ' ' || c == '\t'; }

// Start of " word " in the padded list, or null. The key never exceeds the
// list's capacity, so a word that cannot fit is never found.
const char* FindEntry(const WordList& list, const char* word) {
  const size_t n = std::strlen(word);
  if (n == 0 || n + 2 > kWordListMax) return nullptr;
  char key[kWordListSize];
  key[0] = ' ';
  std::memcpy(key + 1, word, n);
  key[n + 1] = ' ';
  key[n + 2] = 0;
  return std::strstr(list.padded, key);
}

}  // namespace

const char* DefaultWordList(int16_t index) {
  return index >= 0 && index < kTypoListCount ? kWordListDefaults[index] : "";
}

TypographyOptions DefaultTypographyOptions() {
  TypographyOptions options;
  for (int16_t i = 0; i < kTypoListCount; ++i) PadWordList(options.lists[i], kWordListDefaults[i]);
  return options;
}

void CleanCharList(const char* text, char* out, size_t size) {
  if (size == 0) return;
  size_t n = 0;
  for (; *text != 0 && n + 1 < size; ++text) {
    if (!IsBlankOrTab(*text)) out[n++] = *text;
  }
  out[n] = 0;
}

int16_t LongestListWord(const char* text) {
  size_t longest = 0, run = 0;
  for (; *text != 0; ++text) {
    run = IsBlankOrTab(*text) ? 0 : run + 1;
    longest = std::max(longest, run);
  }
  return static_cast<int16_t>(std::min<size_t>(longest, INT16_MAX));
}

void PadWordList(WordList& list, const char* text) {
  // " w1 w2 ... " with single blanks; a word that would take the text past
  // kWordListTextMax characters ends the list, so only whole words are kept.
  size_t n = 0;
  list.padded[n++] = ' ';
  for (;;) {
    while (IsBlankOrTab(*text)) ++text;
    if (*text == 0) break;
    const char* word = text;
    while (*text != 0 && !IsBlankOrTab(*text)) ++text;
    const size_t k = static_cast<size_t>(text - word);
    if (n - 1 + k > kWordListTextMax) break;
    std::memcpy(list.padded + n, word, k);
    n += k;
    list.padded[n++] = ' ';
  }
  list.padded[n] = 0;
  list.longest = LongestListWord(list.padded);
}

void UnpaddedWordList(const WordList& list, char* out, size_t size) {
  if (size == 0) return;
  const size_t len = strnlen(list.padded, kWordListSize - 1);
  size_t n = 0;
  if (len > 2) {
    n = std::min(len - 2, size - 1);
    std::memcpy(out, list.padded + 1, n);
  }
  out[n] = 0;
}

bool WordListContains(const WordList& list, const char* word) {
  return IsListWord(word) && FindEntry(list, word) != nullptr;
}

bool IsListWord(const char* word) {
  const size_t n = std::strlen(word);
  if (n == 0 || n + 2 > kWordListMax) return false;
  return std::none_of(word, word + n, IsBlankOrTab);
}

bool WordListAdd(WordList& list, const char* word) {
  if (!IsListWord(word)) return false;
  const size_t len = std::strlen(list.padded);
  const size_t n = std::strlen(word);
  if (len + n + 1 > kWordListMax) return false;
  std::memcpy(list.padded + len, word, n);
  list.padded[len + n] = ' ';
  list.padded[len + n + 1] = 0;
  list.longest = LongestListWord(list.padded);
  return true;
}

bool WordListRemove(WordList& list, const char* word) {
  if (!IsListWord(word)) return false;
  const char* found = FindEntry(list, word);
  if (found == nullptr) return false;
  char* at = list.padded + (found - list.padded) + 1;
  const size_t n = std::strlen(word) + 1;  // the word and the blank after it
  std::memmove(at, at + n, std::strlen(at + n) + 1);
  list.longest = LongestListWord(list.padded);
  return true;
}

bool WordListChange(WordList& list, const char* old_word, const char* new_word) {
  if (!IsListWord(new_word)) return false;
  const size_t len = std::strlen(list.padded);
  const size_t removed = WordListContains(list, old_word) ? std::strlen(old_word) + 1 : 0;
  if (len - removed + std::strlen(new_word) + 1 > kWordListMax) return false;
  WordListRemove(list, old_word);
  return WordListAdd(list, new_word);
}

void LoadTypographyOptions() {
  SetProfileTarget(nullptr, kTypoSection);
  const TypographyOptions defaults = DefaultTypographyOptions();
  TypographyOptions& options = gTypoOptions;
  for (const FlagKey& f : kFlagKeys) {
    options.*f.field = static_cast<int16_t>(ReadProfileInt(f.key, defaults.*f.field));
  }
  char text[1024];
  for (const CharListKey& c : kCharListKeys) {
    ReadProfileString(c.key, c.fallback, text, sizeof text);
    CleanCharList(text, options.*c.field, c.size);
  }
  for (int16_t i = 0; i < kTypoListCount; ++i) {
    ReadProfileString(kWordListKeys[i], kWordListDefaults[i], text, sizeof text);
    PadWordList(options.lists[i], text);
    if (options.lists[i].longest == 0) options.lists[i] = defaults.lists[i];
  }
}

int32_t SaveTypographyOptions() {
  SetProfileTarget(nullptr, kTypoSection);
  BeginProfileBatch();
  const TypographyOptions& options = gTypoOptions;
  for (const FlagKey& f : kFlagKeys) WriteProfileInt(f.key, options.*f.field);
  for (const CharListKey& c : kCharListKeys) WriteProfileString(c.key, options.*c.field);
  char text[kWordListSize];
  for (int16_t i = 0; i < kTypoListCount; ++i) {
    UnpaddedWordList(options.lists[i], text, sizeof text);
    WriteProfileString(kWordListKeys[i], text);
  }
  return FlushProfile();
}
