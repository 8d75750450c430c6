// Opening and closing a dictionary handle, case classes and the check of one
// word.
#include <algorithm>
#include <new>
#include <string>
#include <vector>

#include "spell/engine/checker.h"
#include "spell/engine/dictionary.h"
#include "spell/engine/letters.h"
#include "spell/engine/spell.h"
#include "spell/engine/user_dict.h"

std::string spell_mixed_list_path(const std::string& son_path) {
  const size_t slash = son_path.find_last_of('/');
  const size_t dot = son_path.find_last_of('.');
  const bool has_extension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return (has_extension ? son_path.substr(0, dot) : son_path) + "-mixed.dic";
}

int OpenSpellDict(SpellDict* dict, const char* path, int* detail) {
  CloseSpellDict(dict);
  const int result = dict->son.Open(path, detail);
  if (result == 0) userdict_open_read_only(spell_mixed_list_path(path).c_str(), &dict->mixed);
  return result;
}

void CloseSpellDict(SpellDict* dict) {
  for (UserDict* user : dict->users) userdict_close(&user);
  dict->users.clear();
  userdict_close(&dict->mixed);
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

void spell_dict_set_compounds(SpellDict* dict, bool accept) {
  if (dict) dict->compounds = accept;
}

namespace {

int CheckWord(const SpellDict* dict, const char* word, int abbreviation_allowed) {
  const CaseClass cls = spell_case_class(word);
  uint8_t codes[kSpellMaxWord + 1];
  if (cls == CaseClass::kMixed) {
    return MapWord(word, false, codes, sizeof codes) > 0 &&
                   (userdict_holds_codes(dict->mixed, codes) || UsersHold(*dict, codes))
               ? 1
               : 0;
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

// A part of a hyphenated word is correct by the rules of a whole word; one
// letter long, it must be held with its hyphen ("e-").
bool PartCorrect(const SpellDict* dict, const std::string& part, bool last,
                 int abbreviation_allowed) {
  if (part.size() == 1) return CheckWord(dict, (part + "-").c_str(), 0) != 0;
  return CheckWord(dict, part.c_str(), last ? abbreviation_allowed : 0) != 0;
}

}  // namespace

bool SplitCompound(const char* word, std::vector<std::string>* parts) {
  parts->clear();
  std::string part;
  for (const char* p = word; ; ++p) {
    if (*p == '-' || *p == 0) {
      if (part.empty()) return false;
      parts->push_back(part);
      part.clear();
      if (*p == 0) break;
    } else {
      part.push_back(*p);
    }
  }
  return parts->size() > 1;
}

bool CompoundPartCorrect(const SpellDict* dict, const std::vector<std::string>& parts, size_t i,
                         int abbreviation_allowed) {
  return PartCorrect(dict, parts[i], i + 1 == parts.size(), abbreviation_allowed);
}

int spell_dict_check(const SpellDict* dict, const char* word, int abbreviation_allowed) {
  if (!word || !*word) return 1;
  if (!dict) return 0;
  if (CheckWord(dict, word, abbreviation_allowed)) return 1;
  std::vector<std::string> parts;
  if (!dict->compounds || !SplitCompound(word, &parts)) return 0;
  for (size_t i = 0; i < parts.size(); ++i) {
    if (!CompoundPartCorrect(dict, parts, i, abbreviation_allowed)) return 0;
  }
  return 1;
}
