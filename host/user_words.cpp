// Opening the spelling engine's files with messages a user can act on.
#include "host/user_words.h"

#include "container/resource_file.h"
#include "platform/files.h"
#include "spell/engine/spell.h"
#include "spell/engine/user_dict.h"

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

bool OpenUserDictionary(const std::string& path, UserDict** dict, std::string& error) {
  int result = userdict_load(path.c_str(), dict);
  if (result == kUserDictOk) return true;
  if (result == kUserDictUnrecognised) {
    error = path +
            ": neither a user dictionary nor a word list (one UTF-8 word a line); left as it is";
    return false;
  }
  const bool missing = !platform::FileExists(path.c_str());
  if (result == kUserDictCannotOpen && !missing) {
    error = path + ": cannot read the user dictionary";
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
