// Opening and closing a dictionary handle, case classes and the check of one
// word.
#include <algorithm>
#include <new>

#include "spell/engine/checker.h"
#include "spell/engine/dictionary.h"
#include "spell/engine/letters.h"
#include "spell/engine/spell.h"
#include "spell/engine/userdict.h"

int OpenSpellDict(SpellDict* dict, const char* path, int* detail) {
  CloseSpellDict(dict);
  return dict->son.Open(path, detail);
}

void CloseSpellDict(SpellDict* dict) {
  for (UserDict* user : dict->users) userdict_close(&user);
  dict->users.clear();
  dict->son.Close();
}

int spell_dict_open(const char* path, SpellDict** dict, int* detail) {
  *dict = nullptr;
  auto* d = new (std::nothrow) SpellDict;
  int inner = kSpellFailed;
  const int result = d && path ? OpenSpellDict(d, path, &inner) : kSpellFailed;
  if (detail) *detail = inner;
  if (result != 0) {
    delete d;
    return result;
  }
  *dict = d;
  return 0;
}

void spell_dict_close(SpellDict** dict) {
  if (!dict || !*dict) return;
  CloseSpellDict(*dict);
  delete *dict;
  *dict = nullptr;
}

void spell_dict_attach_user(SpellDict* dict, UserDict* user) {
  if (dict && user) dict->users.insert(dict->users.begin(), user);
}

bool spell_dict_detach_user(SpellDict* dict, UserDict* user) {
  if (!dict || !user) return false;
  const auto at = std::find(dict->users.begin(), dict->users.end(), user);
  if (at == dict->users.end()) return false;
  dict->users.erase(at);
  return true;
}

bool spell_dict_has_users(const SpellDict* dict) { return dict && !dict->users.empty(); }

CaseClass spell_case_class(const char* word) {
  const unsigned char* p = reinterpret_cast<const unsigned char*>(word);
  if (!p || !*p) return CaseClass::kAllSmall;
  const bool first_capital = IsCapitalCode(LetterCode(p[0]));
  bool later_capital = false, later_small = false;
  for (++p; *p; ++p) (IsCapitalCode(LetterCode(*p)) ? later_capital : later_small) = true;
  if (!first_capital) return later_capital ? CaseClass::kMixed : CaseClass::kAllSmall;
  if (later_capital) return later_small ? CaseClass::kMixed : CaseClass::kAllCapitals;
  return later_small ? CaseClass::kCapitalised : CaseClass::kAllCapitals;
}

namespace {

bool UsersHold(const SpellDict& dict, const uint8_t* codes) {
  for (const UserDict* user : dict.users) {
    if (userdict_holds_codes(user, codes)) return true;
  }
  return false;
}

}  // namespace

bool AcceptSmallForm(const SpellDict& dict, const uint8_t* codes, bool abbreviations) {
  return dict.son.TreeHolds(TreeKind::kMain, codes) ||
         (abbreviations && dict.son.TreeHolds(TreeKind::kAbbreviation, codes)) ||
         UsersHold(dict, codes) || dict.son.StemStoreHolds(codes);
}

bool AcceptCapitalForm(const SpellDict& dict, const uint8_t* codes) {
  return dict.son.TreeHolds(TreeKind::kCapitalised, codes) || UsersHold(dict, codes);
}

int spell_dict_check(const SpellDict* dict, const char* word, int abbreviation_allowed) {
  if (!word || !*word) return 1;
  if (!dict) return 0;
  const CaseClass cls = spell_case_class(word);
  uint8_t codes[kSpellMaxWord + 1];
  if (cls == CaseClass::kMixed) {
    return MapWord(word, false, codes, sizeof codes) > 0 && UsersHold(*dict, codes) ? 1 : 0;
  }
  const int n = MapWord(word, true, codes, sizeof codes);
  if (n <= 0) return 0;
  if (AcceptSmallForm(*dict, codes, abbreviation_allowed != 0)) return 1;
  if (cls == CaseClass::kAllSmall) return 0;
  codes[0] = ToCapitalCode(codes[0]);
  if (AcceptCapitalForm(*dict, codes)) return 1;
  if (cls != CaseClass::kAllCapitals) return 0;
  for (int i = 1; i < n; ++i) codes[i] = ToCapitalCode(codes[i]);
  return AcceptCapitalForm(*dict, codes) ? 1 : 0;
}
