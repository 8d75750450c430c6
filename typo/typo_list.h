// The typography word-list editor: one word list of the options in the list
// editor, edited in place.
#pragma once

struct WordList;

// Runs the list editor over `list`.
void EditTypoList(WordList& list);
