// The two acceptance questions the check and the suggestion builder share,
// asked of words already mapped to letter codes (closed by the end code).
// Internal to the spelling engine.
#pragma once

#include <cstdint>

struct SpellDict;

// Small-letter form: main trees, abbreviation trees when allowed, user
// dictionaries (exact), then the stem and ending store.
bool AcceptSmallForm(const SpellDict& dict, const uint8_t* codes, bool abbreviations);
// A form with capitals: capitalised trees, then user dictionaries (exact).
bool AcceptCapitalForm(const SpellDict& dict, const uint8_t* codes);
