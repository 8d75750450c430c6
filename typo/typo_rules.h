// The typography pass: one walk over a story (or its selection) that applies
// the rule chain in place and restores the selection on the same text.
#pragma once

#include <cstdint>

#include "typo/typo_options.h"
#include "typo/typo_story.h"
#include "typo/typo_table.h"

enum class TypoResult {
  kDone,     // the range was processed (or there was nothing to do)
  kStopped,  // a quotation mark stopped the pass; it is selected and reported
};

// Bound of the word looked at by the URL and exception tests.
inline constexpr int32_t kWordAroundMax = 4096;

// Runs the pass over `story`. With `use_selection` a selection that is not
// the whole story limits the pass; otherwise the whole story is processed.
TypoResult RunTypography(TypoStory& story, const TypographyOptions& options,
                         const TypoCharTable& table, bool use_selection);
