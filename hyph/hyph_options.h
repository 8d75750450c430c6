// The hyphenation module's options: one process-wide record with its
// defaults, loaded from and saved to section "1Dzielenie" of the settings
// file through the profile store.
#pragma once

#include <cstddef>
#include <cstdint>

// A shortcut text of at most 10 characters and its NUL.
inline constexpr size_t kHyphShortcutSize = 11;

struct HyphOptions {
  int16_t use_exceptions = 1;    // "2UzywajWyjatkow"
  int16_t typography_first = 0;  // "3NajpierTypografia"
  int16_t skip_all_caps = 1;     // "4PominWersaliki"
  int16_t skip_mixed_case = 1;   // "5PominXPress"
  int16_t auto_disable = 1;      // "6AutomatycznieWylaczAutoHyphenation"
  // The three shortcuts are kept and written back; nothing acts on them.
  int16_t hyphenate_shortcut_on = 1;        // "7WstawSkrotAktywny"
  char hyphenate_shortcut[kHyphShortcutSize] = "Brak";  // "8WstawSkrot"
  int16_t remove_shortcut_on = 1;           // "9UsunSkrotAktywny"
  char remove_shortcut[kHyphShortcutSize] = "Brak";     // "AUsunSkrot"
  int16_t suggest_shortcut_on = 1;          // "BSugerujSkrotAktywny"
  char suggest_shortcut[kHyphShortcutSize] = "Brak";    // "CSugerujSkrot"
};

extern HyphOptions gHyphOptions;

inline constexpr const char kHyphSection[] = "1Dzielenie";

// Reads every key of the section into gHyphOptions; a missing key keeps its
// default.
void LoadHyphenationOptions();
// Writes every key in the order above and flushes; answers the flush result
// (0 when everything was written).
int32_t SaveHyphenationOptions();
