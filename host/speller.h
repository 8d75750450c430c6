// The spelling engine as the editor front ends (`wirsel spell`, `wirsel lsp`)
// use it: a dictionary handle of its own, the user dictionary attached to it
// that words are added to, and the words accepted for the session only.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "host/line_words.h"

struct SpellDict;
struct UserDict;

class Speller {
 public:
  Speller() = default;
  Speller(const Speller&) = delete;
  Speller& operator=(const Speller&) = delete;
  ~Speller();

  // Opens `dictionary` (a son.dic file) and the user dictionary `personal`
  // (created when missing; "" for none). False with a message naming the
  // file when the main dictionary cannot be opened; a user dictionary that
  // cannot be read is reported in `warning` and left alone.
  bool Open(const std::string& dictionary, const std::string& personal, std::string* error,
            std::string* warning);

  // Uses `personal` as the user dictionary from now on (as Open does).
  void SetUserDictionary(const std::string& personal, std::string* warning);

  bool Correct(const LineWord& word) const;
  // Suggestions for a Windows-1250 word, in UTF-8.
  std::vector<std::string> Suggest(const std::string& text) const;

  // Accepts a UTF-8 word for this session: exactly, and a word in small
  // letters also capitalised and in capitals, as dictionary words are.
  void Accept(const std::string& utf8);
  // Adds a UTF-8 word to the user dictionary (saved at once); false when
  // there is none or it cannot be written.
  bool AddToUserDictionary(const std::string& utf8);
  const std::string& user_dictionary() const { return personal_; }

 private:
  SpellDict* dict_ = nullptr;
  UserDict* user_ = nullptr;  // attached to dict_
  std::string personal_;
  std::set<std::string> session_;  // Windows-1250
};

// The word in small letters (Windows-1250 in and out).
std::string LowercaseWin1250(const std::string& text);
