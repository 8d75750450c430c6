// The user's words for the commands that check spelling: opening the main
// dictionary and a user dictionary (binary or a plain word list) with
// messages that say what is wrong with the file.
#pragma once

#include <string>

struct UserDict;

// What went wrong opening the main dictionary `path` with result `code`
// of spell_open, for a message: the file and the reason.
std::string SpellDictionaryError(const std::string& path, int code);

// What is wrong with the user dictionary `path` that userdict_open or
// userdict_load answered `code` for, for a message that names the file.
std::string UserDictionaryError(const std::string& path, int code);

// The user's word list that goes with the user dictionary `path` (see
// word_check.h): the dictionary itself when it is a plain word list, else
// the file beside it.
std::string WordListOf(const std::string& path, const UserDict* dict);

// Loads the user dictionary at `path`; a missing file is created (binary).
// A file that is neither a user dictionary nor a word list is refused and
// left as it is. False with `error` (naming the file) on failure.
bool OpenUserDictionary(const std::string& path, UserDict** dict, std::string& error);
