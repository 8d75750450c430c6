// Opening the spelling engine's files with messages a user can act on.
#include "host/user_words.h"

#include "container/resource_file.h"
#include "host/messages/messages.h"
#include "host/word_check.h"
#include "platform/files.h"
#include "spell/engine/spell.h"
#include "spell/engine/user_dict.h"

std::string SpellDictionaryError(const std::string& path, int code) {
  if (code == kResFileNotFound) {
    return Msg("{1}: cannot open the spelling dictionary: no such file, or it cannot be read",
               path);
  }
  const int detail = code == kSpellFailed ? spell_open_detail() : code;
  if (detail == kSpellNoEndingLinks || detail == kSpellNoEndingLetters) {
    return Msg(
        "{1}: not a complete spelling dictionary: its inflection tables are missing (code {2})",
        path, std::to_string(detail));
  }
  return Msg(
      "{1}: not a spelling dictionary, or a damaged one (code {2}); rebuild son.dic or name "
      "another with -d",
      path, std::to_string(detail));
}

std::string UserDictionaryError(const std::string& path, int code) {
  if (code == kUserDictUnrecognised) {
    return Msg(
        "{1}: neither a user dictionary nor a word list (one UTF-8 word a line); it is "
        "left as it is: name another with -p",
        path);
  }
  return Msg("{1}: cannot read the user dictionary", path);
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
    error = Msg("{1}: cannot create the user dictionary", path);
    return false;
  }
  if (userdict_load(path.c_str(), dict) != kUserDictOk) {
    error = Msg("{1}: cannot load the user dictionary", path);
    return false;
  }
  return true;
}
