// Whether one word of prose is correct, for the host's spelling commands
// (`wirsel proof`, `wirsel spell`): a word of Polish letters goes whole,
// hyphens and all, to one check by the spelling engine; a word with
// apostrophes ("Kennedy'ego") is checked part by part; a word with letters
// outside the Polish alphabet ("für", "Curaçao") is correct only when the
// user's word list holds it.
//
// The user's word list holds the words a user dictionary cannot (its letters
// are the Polish alphabet only): a UTF-8 text file beside the user
// dictionary ("user.dic" -> "user.txt"), one word a line, read in normal
// form C. A word listed in small letters is also accepted with a capital
// first letter or in capitals; one listed with capitals, also in capitals.
#pragma once

#include <set>
#include <string>

#include "base/prose_words.h"

class UserWordList {
 public:
  // "NAME.dic" -> "NAME.txt"; any other name gets ".txt" appended.
  static std::string PathBeside(const std::string& user_dictionary);

  // Reads the list at `path` (a missing file is an empty list); false when
  // the file exists but cannot be read. Later additions go to `path`.
  bool Load(const std::string& path);
  bool Holds(const std::string& utf8) const;
  // Adds a word and saves the list; false when it cannot be saved.
  bool Add(const std::string& utf8);
  const std::string& path() const { return path_; }

 private:
  void Insert(const std::string& word);

  std::string path_;
  std::set<std::string> words_;
  std::set<std::string> capitals_;  // every word in capitals
};

// The spelling engine's verdict on a whole word of Polish letters
// (Windows-1250, hyphens included); `full_stop` allows an abbreviation.
bool PolishWordCorrect(const std::string& win1250, bool full_stop);

// The verdict on a word as the walker read it. A word too long to check
// counts as correct.
bool ProseWordCorrect(const ProseWord& word, const UserWordList& list);

