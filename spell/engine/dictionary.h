// A spelling dictionary handle: one opened son.dic and the user dictionaries
// its checks consult (most recently attached first). Internal to the
// spelling engine; callers hold it as the opaque SpellDict of spell.h.
#pragma once

#include <string>
#include <vector>

#include "spell/engine/son_dict.h"

struct UserDict;

struct SpellDict {
  SonDictionary son;
  // The forms the trees cannot hold (mixed case), shipped beside son.dic in
  // the user-dictionary format and matched as written; null when absent.
  UserDict* mixed = nullptr;
  std::vector<UserDict*> users;
  bool compounds = true;  // accept hyphenated words whose parts are correct
  int open_detail = 0;
};

// Opens son.dic at `path` and its list of mixed-case forms into `dict`
// (closed first): 0, the container's error or kSpellFailed; *detail as
// spell_dict_open's.
int OpenSpellDict(SpellDict* dict, const char* path, int* detail);
// Closes son.dic and the mixed-case list and unloads the user dictionaries.
void CloseSpellDict(SpellDict* dict);
