// Checking and suggesting with the spelling engine, session words and the
// user dictionary.
#include "host/speller.h"

#include <cstdint>
#include <cstring>

#include "base/words.h"
#include "host/cp1250.h"
#include "host/messages/messages.h"
#include "host/user_words.h"
#include "platform/files.h"
#include "spell/engine/spell.h"
#include "spell/engine/user_dict.h"

std::string LowercaseWin1250(const std::string& text) { return SmallLetters(text); }

void Speller::CloseDict::operator()(SpellDict* dict) const { spell_dict_close(&dict); }

bool Speller::Open(const std::string& dictionary, const std::string& personal, std::string* error,
                   std::string* warning) {
  dict_.reset();
  user_ = nullptr;
  int detail = 0;
  SpellDict* opened = nullptr;
  const int result = spell_dict_open(dictionary.c_str(), &opened, &detail);
  dict_.reset(opened);
  if (result != 0) {
    *error = Msg("cannot open the dictionary {1} (error {2}, {3})", dictionary,
                 std::to_string(result), std::to_string(detail));
    return false;
  }
  return SetUserDictionary(personal, error, warning);
}

bool Speller::SetUserDictionary(const std::string& personal, std::string* error,
                                std::string* warning) {
  if (user_ && dict_ && spell_dict_detach_user(dict_.get(), user_)) userdict_close(&user_);
  user_ = nullptr;
  personal_.clear();
  list_ = UserWordList();
  if (personal.empty() || !dict_) return true;
  if (!platform::FileExists(personal.c_str()) && userdict_create(personal.c_str()) != 0) {
    *warning = Msg("{1}: cannot create the user dictionary; words cannot be added", personal);
    return true;
  }
  // userdict_open reads the binary format and plain word lists, and refuses
  // anything else, which is then never written.
  if (const int result = userdict_open(personal.c_str(), &user_); result != kUserDictOk) {
    *error = UserDictionaryError(personal, result);
    return false;
  }
  const std::string list = WordListOf(personal, user_);
  if (!list_.Load(list)) {
    userdict_close(&user_);
    list_ = UserWordList();
    *error = Msg("{1}: cannot read the word list", list);
    return false;
  }
  spell_dict_attach_user(dict_.get(), user_);
  personal_ = personal;
  return true;
}

bool Speller::Correct(const LineWord& word) const {
  if (!dict_) return false;
  if (!word.polish) return list_.Holds(word.normal);
  if (spell_dict_check(dict_.get(), word.text.c_str(), word.full_stop ? 1 : 0)) return true;
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
  spell_dict_suggest(dict_.get(), text.c_str(), SuggestOrder::kRanked, &out);
  for (std::string& word : out) word = Win1250ToUtf8(word);
  return out;
}

void Speller::Accept(const std::string& utf8) {
  if (NeedsWordList(utf8)) {
    list_.Remember(utf8);
  } else {
    session_.insert(Utf8ToWin1250(utf8));
  }
}

bool Speller::AddToUserDictionary(const std::string& utf8, std::string* error) {
  if (!user_) {
    *error = Msg("no user dictionary to add \"{1}\" to", utf8);
    return false;
  }
  if (NeedsWordList(utf8)) {
    if (const int failed = list_.Add(utf8)) {
      *error = Msg("{1}: cannot save \"{2}\": {3}", list_.path(), utf8, std::strerror(failed));
      return false;
    }
    return true;
  }
  if (userdict_add_word(user_, Utf8ToWin1250(utf8).c_str()) != kUserDictOk) {
    const int failed = userdict_save_error(user_);
    *error = Msg("{1}: cannot save \"{2}\": {3}", personal_, utf8,
                 failed != 0 ? std::strerror(failed) : std::strerror(EIO));
    return false;
  }
  return true;
}
