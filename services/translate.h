// The translation tables: English interface texts and dialog numbers mapped
// to their Polish forms, filled at menu installation.
#pragma once

#include <cstddef>
#include <cstdint>

// Registers every text pair and dialog mapping of the plug-in.
void RegisterTranslations();
// A pair whose (english, language) is known replaces its translation.
void RegisterTranslation(const char* english, int16_t language, const char* translated);
void RegisterDialogMapping(int16_t number, int16_t language, int16_t translated);
// Frees both tables.
void ReleaseTranslations();

// A stored text translated for the current language and converted to the
// display character set, into `out` (bounded by `size`); returns `out`.
const char* ToDisplay(const char* stored, char* out, size_t size);
