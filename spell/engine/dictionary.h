// A spelling dictionary handle: one opened son.dic and the user dictionaries
// its checks consult (most recently attached first). Internal to the
// spelling engine; callers hold it as the opaque SpellDict of spell.h.
#pragma once

#include <vector>

#include "spell/engine/son_dict.h"

struct UserDict;

struct SpellDict {
  SonDictionary son;
  std::vector<UserDict*> users;
  int open_detail = 0;
};

// Opens son.dic at `path` into `dict` (closed first): 0, the container's error or kSpellFailed; *detail as
// spell_dict_open's.
int OpenSpellDict(SpellDict* dict, const char* path, int* detail);
// Closes son.dic and unloads the user dictionaries.
void CloseSpellDict(SpellDict* dict);
