// The spelling preferences, kept in section "1Slownik" of the settings file:
// five switches that shape a check run and three command shortcut settings
// (stored and written back, not acted on here).
#pragma once

#include <cstdint>

// Key of DictPrefs::accept_compounds (the host reads it too).
inline constexpr char kAcceptCompoundsKey[] = "CAkceptujZLacznikiem";

struct DictShortcut {
  int16_t active = 1;
  char key[11] = "Brak";
};

struct DictPrefs {
  int16_t use_user_dictionary = 1;
  int16_t skip_all_capitals = 1;
  int16_t skip_with_digits = 1;
  int16_t always_suggest = 1;
  int16_t accept_compounds = 1;  // hyphenated words whose parts are correct
  DictShortcut check_word;
  DictShortcut check_story;
  DictShortcut check_document;
};

// Selects section "1Slownik" of the current settings file and reads every key
// (missing ones give the defaults above).
DictPrefs LoadDictPrefs();
// Selects the section, writes every key in one write of the file; 0, or the
// errno of the failed write.
int32_t SaveDictPrefs(const DictPrefs& prefs);
