// The typography word-list editor.
#include "typo/typo_list.h"

#include "dialogs/list_editor.h"
#include "typo/typo_options.h"

namespace {

class CdlgTypoList : public CdlgListEditor {
 public:
  explicit CdlgTypoList(WordList& list) : list_(list) {}

 protected:
  bool ListContains(const char* word) override { return WordListContains(list_, word); }
  void AppendWords(int16_t list_box) override {
    ForEachListWord(list_, [&](const char* word) { ListAppend(list_box, word); });
  }
  void AddWord(const char* word) override { WordListAdd(list_, word); }
  void RemoveWord(const char* word) override { WordListRemove(list_, word); }
  void ChangeWord(const char* old_word, const char* new_word) override {
    WordListChange(list_, old_word, new_word);
  }
  // Tried on a copy: the list's text has a fixed size.
  bool Fits(const char* old_word, const char* new_word) override {
    WordList trial = list_;
    return old_word == nullptr ? WordListAdd(trial, new_word)
                               : WordListChange(trial, old_word, new_word);
  }

 private:
  WordList& list_;
};

}  // namespace

void EditTypoList(WordList& list) {
  CdlgTypoList editor(list);
  editor.Run();
}
