// The hyphenation module's menu commands and the box walker they share.
#pragma once

#include <cstdint>

#include "hyph/hyph_dialogs.h"
#include "xtapi/xtapi.h"

using BoxWorker = int32_t (*)(xt_box box);

// Calls `worker` on a text box and then on each text box anchored in the
// part of its story the box's selection covers (the whole story for a caret),
// or, for a group, on every box of the group with the content tool. Each box
// is made current while its worker runs; the box that was current is current
// again afterwards. Stops at the first non-zero answer and returns it.
int32_t ForEachTextBoxInSelection(xt_box box, BoxWorker worker);

void HyphenateCommand();
void RemoveHyphensCommand();
// Asks first; answers -128 when the user says No.
int32_t RemoveHyphensFromDocument();
void SuggestCommand();
void OpenHyphenationPreferences();

// Longest word the suggestion looks at, in story positions.
inline constexpr int32_t kSuggestWordCap = 100;
// Fills the suggestion for the word around the caret of the current box;
// answers the word's length in story positions, 0 when there is no word.
int32_t SuggestForCaret(HyphSuggestion& suggestion);
