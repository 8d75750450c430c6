// Whether one word of prose is correct, for the host's spelling commands
// (`wirsel proof`, `wirsel spell`): a word of Polish letters goes whole,
// hyphens and all, to one check by the spelling engine; a word with
// apostrophes ("Kennedy'ego") is checked part by part; a word with letters
// outside the Polish alphabet ("für", "Curaçao") is correct only when the
// user's word list holds it.
//
// The user's word list holds the words a binary user dictionary cannot (its
// letters are the Polish alphabet only): a UTF-8 text file beside it
// ("user.dic" -> "user.txt"), one word a line, read in normal form C; a
// plain personal dictionary is its own word list. A word listed in small
// letters is also accepted with a capital first letter or in capitals; one
// listed with capitals, also in capitals. Lines as in a plain dictionary: a
// "word/flags" line gives its word, "#" starts a comment, aspell's header
// line is skipped.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "base/prose_words.h"

class UserWordList {
 public:
  // "NAME.dic" -> "NAME.txt"; any other name gets ".txt" appended.
  static std::string PathBeside(const std::string& user_dictionary);

  // Reads the list at `path` (a missing file is an empty list); false when
  // the file exists but cannot be read. Later additions go to `path`.
  bool Load(const std::string& path);
  bool Holds(const std::string& utf8) const;
  // Holds the word from now on, for this run only.
  void Remember(const std::string& utf8);
  // Adds a word and saves the list: under the update lock, merged with the
  // words on disk then (another process may have added some), appended as a
  // line. Text that is not one word (no letter: "-", "--") is never stored.
  // 0, or the errno of the failed save (the list in memory is then as it
  // was).
  int Add(const std::string& utf8);
  // The same for many words, written once.
  int AddAll(const std::vector<std::string>& utf8);
  // Text that Add stores: one word, with a letter.
  static bool Storable(const std::string& utf8);
  // Takes the word's lines out of the list (also under the lock); `found`
  // says whether there were any. 0 or the errno of the failed save.
  int Remove(const std::string& utf8, bool* found);
  const std::string& path() const { return path_; }
  // The words, in normal form C.
  const std::set<std::string>& words() const { return words_; }

 private:
  void Insert(const std::string& word);
  void InsertLines(const std::string& bytes);
  // Reads the file under the lock, lets `change` edit its bytes (false:
  // nothing to write), writes it and adds its words to those in memory.
  template <typename Change>
  int Update(const Change& change);

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

// True when the UTF-8 text has a letter outside the Polish alphabet, so that
// only the user's word list can hold it.
bool NeedsWordList(const std::string& utf8);
