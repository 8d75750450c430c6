// The user dictionary editor: the list editor (resource 31119, Polish 31219)
// over the words of the loaded user.dic. Every change is saved at once.
#pragma once

#include "dialogs/list_editor.h"

struct UserDict;

class CdlgDictExc : public CdlgListEditor {
 public:
  explicit CdlgDictExc(UserDict* user) : CdlgListEditor(kListEditorDialog), user_(user) {}

 protected:
  bool ListContains(const char* word) override;
  void AppendWords(int16_t list_box) override;
  void AddWord(const char* word) override;
  void RemoveWord(const char* word) override;
  void ChangeWord(const char* old_word, const char* new_word) override;
  void CommitList() override {}
  bool Fits(const char* old_word, const char* new_word) override;

 private:
  UserDict* user_;
};
