// The typography pass applied to the current box of the host's front
// document: a text box and the text boxes anchored in it, or every box of a
// selected group.
#pragma once

// Rebuilds the class table from gTypoOptions and works on the current box.
// False when a quotation mark stopped the pass: the box holding the mark is
// left current with the mark selected, and no further box is processed.
bool TypographyInCurrentBox();
