// The user dictionary editor: the list editor's hooks over the engine's user
// dictionary.
#include "spell/spell_user_dict.h"

#include "dialogs/list_editor.h"
#include "spell/engine/user_dict.h"

namespace {

// Says when a change could not be saved (the list then shows it undone).
bool Saved(UserDict* user, int result) {
  if (result != kUserDictNotSaved) return true;
  SaveFailedAlert(userdict_path(user), userdict_save_error(user));
  return false;
}

class CdlgDictExc : public CdlgListEditor {
 public:
  explicit CdlgDictExc(UserDict* user) : user_(user) {}

 protected:
  bool ListContains(const char* word) override { return userdict_contains(user_, word) != 0; }
  void AppendWords(int16_t list_box) override {
    char word[kUserWordMax + 1];
    bool more = userdict_next_word(user_, word, sizeof word, 1) != 0;
    while (more || word[0] != 0) {
      if (word[0] != 0) ListAppend(list_box, word);
      if (!more) break;
      more = userdict_next_word(user_, word, sizeof word, 0) != 0;
    }
  }
  void AddWord(const char* word) override {
    if (word[0] != 0) Saved(user_, userdict_add_word(user_, word));
  }
  void RemoveWord(const char* word) override {
    if (word[0] != 0) Saved(user_, userdict_remove_word(user_, word));
  }
  void ChangeWord(const char* old_word, const char* new_word) override {
    if (old_word[0] == 0 || new_word[0] == 0) return;
    if (Saved(user_, userdict_remove_word(user_, old_word))) {
      Saved(user_, userdict_add_word(user_, new_word));
    }
  }
  // A user dictionary takes any word of letters.
  bool Fits(const char*, const char*) override { return true; }

 private:
  UserDict* user_;
};

}  // namespace

void EditUserDictionary(UserDict* user) {
  CdlgDictExc editor(user);
  editor.Run();
}
