// The user dictionary editor's hooks over the engine's user dictionary.
#include "spell/spell_user_dict.h"

#include "spell/engine/user_dict.h"

bool CdlgDictExc::ListContains(const char* word) { return userdict_contains(user_, word) != 0; }

void CdlgDictExc::AppendWords(int16_t list_box) {
  char word[kUserWordMax + 1];
  bool more = userdict_next_word(user_, word, sizeof word, 1) != 0;
  while (more || word[0] != 0) {
    if (word[0] != 0) ListAppend(list_box, word);
    if (!more) break;
    more = userdict_next_word(user_, word, sizeof word, 0) != 0;
  }
}

namespace {

// Says when a change could not be saved (the list then shows it undone).
bool Saved(UserDict* user, int result) {
  if (result != kUserDictNotSaved) return true;
  SaveFailedAlert(userdict_path(user), userdict_save_error(user));
  return false;
}

}  // namespace

void CdlgDictExc::AddWord(const char* word) {
  if (word[0] != 0) Saved(user_, userdict_add_word(user_, word));
}

void CdlgDictExc::RemoveWord(const char* word) {
  if (word[0] != 0) Saved(user_, userdict_remove_word(user_, word));
}

void CdlgDictExc::ChangeWord(const char* old_word, const char* new_word) {
  if (old_word[0] == 0 || new_word[0] == 0) return;
  if (Saved(user_, userdict_remove_word(user_, old_word))) {
    Saved(user_, userdict_add_word(user_, new_word));
  }
}

// A user dictionary takes any word of letters.
bool CdlgDictExc::Fits(const char*, const char*) { return true; }
