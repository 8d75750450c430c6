// The typography word-list editor: the list editor over the typography word
// list chosen by gTypoListIndex, edited in place.
#pragma once

#include "dialogs/list_editor.h"

class CdlgTypoList : public CdlgListEditor {
 public:
  CdlgTypoList() : CdlgListEditor(kListEditorDialog) {}

 protected:
  bool ListContains(const char* word) override;
  void AppendWords(int16_t list_box) override;
  void AddWord(const char* word) override;
  void RemoveWord(const char* word) override;
  void ChangeWord(const char* old_word, const char* new_word) override;
  void CommitList() override {}
  bool Fits(const char* old_word, const char* new_word) override;
};
