// Checking and suggesting with the spelling engine, session words and the
// user dictionary.
#include "host/speller.h"

#include <sys/stat.h>

#include <cstdint>
#include <fstream>

#include "base/words.h"
#include "host/cp1250.h"
#include "spell/engine/spell.h"
#include "spell/engine/user_dict.h"

std::string LowercaseWin1250(const std::string& text) { return SmallLetters(text); }

Speller::~Speller() { spell_dict_close(&dict_); }

bool Speller::Open(const std::string& dictionary, const std::string& personal, std::string* error,
                   std::string* warning) {
  spell_dict_close(&dict_);
  user_ = nullptr;
  int detail = 0;
  const int result = spell_dict_open(dictionary.c_str(), &dict_, &detail);
  if (result != 0) {
    *error = "cannot open the dictionary " + dictionary + " (error " + std::to_string(result) +
             ", " + std::to_string(detail) + ")";
    return false;
  }
  SetUserDictionary(personal, warning);
  return true;
}

void Speller::SetUserDictionary(const std::string& personal, std::string* warning) {
  if (user_ && dict_ && spell_dict_detach_user(dict_, user_)) userdict_close(&user_);
  user_ = nullptr;
  personal_.clear();
  if (personal.empty() || !dict_) return;
  struct stat info {};
  const bool exists = ::stat(personal.c_str(), &info) == 0;
  if (!exists && userdict_create(personal.c_str()) != 0) {
    *warning = "cannot create the user dictionary " + personal + "; words cannot be added";
    return;
  }
  // userdict_open reads the binary format and plain word lists, and refuses
  // anything else, which is then never written.
  if (userdict_open(personal.c_str(), &user_) != 0) {
    *warning = "cannot read the user dictionary " + personal +
               " (not a user dictionary of this program?); it is left unchanged and not used";
    return;
  }
  spell_dict_attach_user(dict_, user_);
  personal_ = personal;
}

bool Speller::Correct(const LineWord& word) const {
  if (!dict_) return false;
  if (spell_dict_check(dict_, word.text.c_str(), word.full_stop ? 1 : 0)) return true;
  if (session_.count(word.text)) return true;
  const std::string lower = LowercaseWin1250(word.text);
  const bool all_capitals = ApplyCasePattern(word.text, kWordAllCapitals) == word.text;
  const std::string capitalised = ApplyCasePattern(lower, kWordCapitalised);
  if (lower != word.text && (capitalised == word.text || all_capitals) &&
      session_.count(lower)) {
    return true;
  }
  return all_capitals && session_.count(capitalised);
}

std::vector<std::string> Speller::Suggest(const std::string& text) const {
  std::vector<std::string> out;
  if (!dict_) return out;
  spell_dict_suggest(dict_, text.c_str(), SuggestOrder::kRanked, &out);
  for (std::string& word : out) word = Win1250ToUtf8(word);
  return out;
}

void Speller::Accept(const std::string& utf8) { session_.insert(Utf8ToWin1250(utf8)); }

bool Speller::AddToUserDictionary(const std::string& utf8) {
  return user_ && userdict_add_word(user_, Utf8ToWin1250(utf8).c_str()) == 0;
}
