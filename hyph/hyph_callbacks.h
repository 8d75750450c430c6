// The hyphenation module as a hyphenation method of the host: the per-word
// callback (435), the method list callback (454), the registration of the
// method "Wirsel", and the break positions they are built on.
#pragma once

#include <cstddef>
#include <cstdint>

#include "xtapi/xtapi.h"

// Installs the three entries with the shell (from the module's constructor).
void InstallHyphenationHooks();

// The break positions (characters before each break) of a hyphenated word:
// every "-" of `hyphenated` is a break. Writes at most `capacity` positions
// and answers how many there are.
size_t BreakPositions(const char* hyphenated, uint16_t* positions, size_t capacity);

// Converts host text to the engine's 8-bit word (a soft hyphen becomes 31,
// a hard hyphen the byte kHardHyphenStandIn so that every "-" the engine
// gives back is a break). False when a character has no Windows-1250 code or
// `out` (with its NUL) cannot hold the word.
inline constexpr char kHardHyphenStandIn = 0x7F;
bool HostWordToEngine(const uint16_t* text, size_t length, char* out, size_t out_size);

int32_t HyphenateWordCallback(xt_hyph_record* record);
int32_t HyphenateMethodInfoCallback(xt_hyph_methods_record* record);
int32_t RegisterHyphenationMethod();
