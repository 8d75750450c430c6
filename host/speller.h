// The spelling engine as the editor front ends (`wirsel spell`, `wirsel lsp`)
// use it: a dictionary handle of its own, the user dictionary attached to it
// that words are added to, the user's word list for words with letters
// outside the Polish alphabet (user.txt beside a binary user dictionary; a
// plain one holds such words itself), and the words accepted for the
// session only.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "host/line_words.h"
#include "host/word_check.h"

struct SpellDict;
struct UserDict;

class Speller {
 public:
  // Opens `dictionary` (a son.dic file) and the user dictionary `personal`
  // ("" for none) with its word list. False with a message naming the file
  // when the main dictionary cannot be opened, or when `personal` or its
  // word list exists but is not one (such a file is left as it is). A missing
  // user dictionary is created; when it cannot be, `warning` says so and
  // words cannot be added.
  bool Open(const std::string& dictionary, const std::string& personal, std::string* error,
            std::string* warning);

  // Uses `personal` as the user dictionary from now on (as Open does; on
  // failure none is used).
  bool SetUserDictionary(const std::string& personal, std::string* error, std::string* warning);

  bool Correct(const LineWord& word) const;
  // Suggestions for a Windows-1250 word, in UTF-8.
  std::vector<std::string> Suggest(const std::string& text) const;

  // Accepts a UTF-8 word for this session: exactly, and a word in small
  // letters also capitalised and in capitals, as dictionary words are.
  void Accept(const std::string& utf8);
  // Adds a UTF-8 word to the user dictionary, or to the word list when it
  // has letters outside the Polish alphabet (saved at once); false with a
  // message naming the file when there is none or it cannot be written.
  // Text without a letter is never stored.
  bool AddToUserDictionary(const std::string& utf8, std::string* error);
  const std::string& user_dictionary() const { return personal_; }

 private:
  struct CloseDict {
    void operator()(SpellDict* dict) const;
  };
  std::unique_ptr<SpellDict, CloseDict> dict_;
  UserDict* user_ = nullptr;  // attached to dict_, which closes it
  UserWordList list_;
  std::string personal_;
  std::set<std::string> session_;  // Windows-1250
};

// The word in small letters (Windows-1250 in and out).
std::string LowercaseWin1250(const std::string& text);
