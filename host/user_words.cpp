// Opening the spelling engine's files with messages a user can act on.
#include "host/user_words.h"

#include "container/resfile.h"
#include "host/word_check.h"
#include "platform/files.h"
#include "spell/engine/spell.h"
#include "spell/engine/userdict.h"

std::string SpellDictionaryError(const std::string& path, int code) {
  if (code == kResFileNotFound) {
    return path + ": cannot open the spelling dictionary: no such file, or it cannot be read";
  }
  const int detail = code == kSpellFailed ? spell_open_detail() : code;
  if (detail == kSpellNoEndingLinks || detail == kSpellNoEndingLetters) {
    return path + ": not a complete spelling dictionary: its inflection tables are missing (code " +
           std::to_string(detail) + ")";
  }
  return path + ": not a spelling dictionary, or a damaged one (code " + std::to_string(detail) +
         "); rebuild son.dic or name another with -d";
}

std::string UserDictionaryError(const std::string& path, int code) {
  if (code == kUserDictUnrecognised) {
    return path +
           ": neither a user dictionary nor a word list (one UTF-8 word a line); it is left as "
           "it is: name another with -p";
  }
  return path + ": cannot read the user dictionary";
}

std::string WordListOf(const std::string& path, const UserDict* dict) {
  return dict && userdict_format(dict) == UserDictFormat::kPlain ? path
                                                                 : UserWordList::PathBeside(path);
}

bool OpenUserDictionary(const std::string& path, UserDict** dict, std::string& error) {
  int result = userdict_load(path.c_str(), dict);
  if (result == kUserDictOk) return true;
  const bool missing = !platform::FileExists(path.c_str());
  if (result == kUserDictUnrecognised || (result == kUserDictCannotOpen && !missing)) {
    error = UserDictionaryError(path, result);
    return false;
  }
  // A missing or empty file holds no words to lose.
  if (userdict_create(path.c_str()) != kUserDictOk) {
    error = path + ": cannot create the user dictionary";
    return false;
  }
  if (userdict_load(path.c_str(), dict) != kUserDictOk) {
    error = path + ": cannot load the user dictionary";
    return false;
  }
  return true;
}
