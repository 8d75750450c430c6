// The hyphenation module's engine: the one engine of the process, opened on
// first need from the files beside the plug-in and kept while the module
// lives.
#pragma once

#include <cstdint>

#include "hyph/engine/hyph.h"

extern HyphHandle gHyphEngine;

// Results of EnsureHyphenationOpen.
inline constexpr int32_t kHyphOpenFailed = -10;      // PLHYPH.DAT did not open
inline constexpr int32_t kHyphUserFileFailed = -20;  // PLHYPH.USR did not attach

// Opens the engine from PLHYPH.DAT in the plug-in's folder unless it is
// open. With `with_user_file` it also attaches PLHYPH.USR (moved to the
// per-user data folder when the plug-in's folder cannot be written) unless
// that was already tried: a user file that fails to load is reported once,
// after which the engine works on with the default list. Failures are
// shown to the user.
int32_t EnsureHyphenationOpen(bool with_user_file);

// Closes the engine and forgets every attempt (the module is going away).
void CloseHyphenation();

// hyph_word with the module's engine; `with_user_exceptions` chooses whether
// the user list is consulted.
void HyphenateWord(const char* word, char* out, size_t out_size, bool with_user_exceptions);
