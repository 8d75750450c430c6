// The words of a user dictionary file, for the spell-check tests.
#include "dict_host.h"

#include "spell/engine/user_dict.h"

std::vector<std::string> UserDictionaryWords(const std::string& path) {
  std::vector<std::string> words;
  UserDict* dict = nullptr;
  if (userdict_load(path.c_str(), &dict) != kUserDictOk) return words;
  char word[kUserWordMax + 1];
  for (int more = userdict_next_word(dict, word, sizeof word, 1); word[0] != 0;
       more = userdict_next_word(dict, word, sizeof word, 0)) {
    words.emplace_back(word);
    if (!more) break;
  }
  userdict_unload(&dict);
  return words;
}
