// The engine's functions without a handle: thin wrappers over one default
// dictionary handle, which the plug-in's commands and the host use.
#include "spell/engine/dictionary.h"
#include "spell/engine/spell.h"
#include "spell/engine/user_dict.h"

namespace {

SpellDict g_default;

}  // namespace

SpellDict* spell_default_dict() { return &g_default; }

int spell_open(const char* path) {
  if (!path) return kSpellFailed;
  // Opening again keeps the user dictionaries already attached.
  std::vector<UserDict*> users;
  users.swap(g_default.users);
  const int result = OpenSpellDict(&g_default, path, &g_default.open_detail);
  g_default.users.swap(users);
  return result;
}

int spell_open_detail() { return g_default.open_detail; }

int spell_close() {
  CloseSpellDict(&g_default);
  return 0;
}

bool spell_is_open() { return g_default.son.IsOpen(); }

int spell_check_word(const char* word) { return spell_dict_check(&g_default, word, 0); }

int spell_check_word_ex(const char* word, int abbreviation_allowed) {
  return spell_dict_check(&g_default, word, abbreviation_allowed);
}

int userdict_load(const char* path, UserDict** dict) {
  const int result = userdict_open(path, dict);
  if (result == kUserDictOk) spell_dict_attach_user(&g_default, *dict);
  return result;
}

int userdict_unload(UserDict** dict) {
  if (!spell_dict_has_users(&g_default)) return kUserDictNoneLoaded;
  if (!dict || !spell_dict_detach_user(&g_default, *dict)) return kUserDictNullHandle;
  userdict_close(dict);
  return kUserDictOk;
}
