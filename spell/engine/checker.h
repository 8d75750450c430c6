// The two acceptance questions the check and the suggestion builder share,
// asked of words already mapped to letter codes (closed by the end code).
// Internal to the spelling engine.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct SpellDict;

// Small-letter form: main trees, abbreviation trees when allowed, user
// dictionaries (exact), then the stem and ending store.
bool AcceptSmallForm(const SpellDict& dict, const uint8_t* codes, bool abbreviations);
// A form with capitals: capitalised trees, then user dictionaries (exact).
bool AcceptCapitalForm(const SpellDict& dict, const uint8_t* codes);

// The parts of a word between its hyphens; false unless there are two or
// more, none of them empty.
bool SplitCompound(const char* word, std::vector<std::string>* parts);
// Whether part i of a hyphenated word is correct (the last part may be an
// abbreviation when `abbreviation_allowed`).
bool CompoundPartCorrect(const SpellDict* dict, const std::vector<std::string>& parts, size_t i,
                         int abbreviation_allowed);
