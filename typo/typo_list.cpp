// The typography word-list editor.
#include "typo/typo_list.h"

#include "typo/typo_options.h"

namespace {

WordList& EditedList() {
  const int16_t index = gTypoListIndex >= 0 && gTypoListIndex < kTypoListCount ? gTypoListIndex : 0;
  return gTypoOptions.lists[index];
}

}  // namespace

bool CdlgTypoList::ListContains(const char* word) { return WordListContains(EditedList(), word); }

void CdlgTypoList::AppendWords(int16_t list_box) {
  ForEachListWord(EditedList(), [&](const char* word) { ListAppend(list_box, word); });
}

void CdlgTypoList::AddWord(const char* word) { WordListAdd(EditedList(), word); }

void CdlgTypoList::RemoveWord(const char* word) { WordListRemove(EditedList(), word); }

void CdlgTypoList::ChangeWord(const char* old_word, const char* new_word) {
  WordListChange(EditedList(), old_word, new_word);
}

bool CdlgTypoList::Fits(const char* old_word, const char* new_word) {
  WordList trial = EditedList();
  return old_word == nullptr ? WordListAdd(trial, new_word)
                             : WordListChange(trial, old_word, new_word);
}
