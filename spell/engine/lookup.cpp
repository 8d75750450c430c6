// Opening and closing the engine, case classes and the check of one word.
#include <cstring>

#include "spell/engine/checker.h"
#include "spell/engine/letters.h"
#include "spell/engine/son_dict.h"
#include "spell/engine/spell.h"
#include "spell/engine/userdict.h"

namespace {

SonDictionary g_dictionary;
int g_open_detail = 0;

}  // namespace

int spell_open(const char* path) {
  int detail = 0;
  const int result = g_dictionary.Open(path, &detail);
  g_open_detail = detail;
  return result;
}

int spell_open_detail() { return g_open_detail; }

int spell_close() {
  userdict_unload_all();
  g_dictionary.Close();
  return 0;
}

bool spell_is_open() { return g_dictionary.IsOpen(); }

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

bool AcceptSmallForm(const uint8_t* codes, bool abbreviations) {
  return g_dictionary.TreeHolds(TreeKind::kMain, codes) ||
         (abbreviations && g_dictionary.TreeHolds(TreeKind::kAbbreviation, codes)) ||
         userdict_chain_holds(codes) || g_dictionary.StemStoreHolds(codes);
}

bool AcceptCapitalForm(const uint8_t* codes) {
  return g_dictionary.TreeHolds(TreeKind::kCapitalised, codes) || userdict_chain_holds(codes);
}

namespace {

int Check(const char* word, bool abbreviations) {
  if (!word || !*word) return 1;
  const CaseClass cls = spell_case_class(word);
  uint8_t codes[kSpellMaxWord + 1];
  if (cls == CaseClass::kMixed) {
    return MapWord(word, false, codes, sizeof codes) > 0 && userdict_chain_holds(codes) ? 1 : 0;
  }
  const int n = MapWord(word, true, codes, sizeof codes);
  if (n <= 0) return 0;
  if (AcceptSmallForm(codes, abbreviations)) return 1;
  if (cls == CaseClass::kAllSmall) return 0;
  codes[0] = ToCapitalCode(codes[0]);
  if (AcceptCapitalForm(codes)) return 1;
  if (cls != CaseClass::kAllCapitals) return 0;
  for (int i = 1; i < n; ++i) codes[i] = ToCapitalCode(codes[i]);
  return AcceptCapitalForm(codes) ? 1 : 0;
}

}  // namespace

int spell_check_word(const char* word) { return Check(word, false); }

int spell_check_word_ex(const char* word, int abbreviation_allowed) {
  return Check(word, abbreviation_allowed != 0);
}
