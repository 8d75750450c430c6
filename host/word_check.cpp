// The host's verdict on one word, and the user's word list.
#include "host/word_check.h"

#include <fstream>
#include <sstream>

#include "host/io/files.h"
#include "host/io/io_error.h"
#include "spell/engine/spell.h"

std::string UserWordList::PathBeside(const std::string& user_dictionary) {
  const size_t n = user_dictionary.size();
  if (n > 4 && user_dictionary[n - 4] == '.') {
    std::string ext = user_dictionary.substr(n - 3);
    for (char& c : ext) c = static_cast<char>(c | 0x20);
    if (ext == "dic") return user_dictionary.substr(0, n - 3) + "txt";
  }
  return user_dictionary + ".txt";
}

void UserWordList::Insert(const std::string& word) {
  const std::string normal = ProseNormalForm(word);
  if (normal.empty()) return;
  words_.insert(normal);
  capitals_.insert(ProseCapitals(normal));
}

bool UserWordList::Load(const std::string& path) {
  path_ = path;
  words_.clear();
  capitals_.clear();
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::ifstream probe(path);
    return !probe.is_open();
  }
  for (std::string line; std::getline(in, line);) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
      line.pop_back();
    }
    const size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#') continue;
    Insert(line.substr(first));
  }
  return !in.bad();
}

bool UserWordList::Holds(const std::string& utf8) const {
  if (words_.empty()) return false;
  if (words_.count(utf8)) return true;
  if (words_.count(ProseSmallLetters(utf8))) return true;
  return ProseCapitals(utf8) == utf8 && capitals_.count(utf8);
}

bool UserWordList::Add(const std::string& utf8) {
  if (path_.empty()) return false;
  const std::string normal = ProseNormalForm(utf8);
  if (normal.empty() || words_.count(normal)) return true;
  std::string bytes;
  try {
    bytes = wirsel::io::ReadFileBytes(path_);
  } catch (const wirsel::io::IoError&) {
    bytes.clear();
  }
  if (!bytes.empty() && bytes.back() != '\n') bytes.push_back('\n');
  bytes += normal + "\n";
  try {
    wirsel::io::WriteFileAtomically(path_, bytes);
  } catch (const wirsel::io::IoError&) {
    return false;
  }
  Insert(normal);
  return true;
}

bool PolishWordCorrect(const std::string& win1250, bool full_stop) {
  return spell_check_word_ex(win1250.c_str(), full_stop ? 1 : 0) != 0;
}

bool ProseWordCorrect(const ProseWord& word, const UserWordList& list) {
  if (word.too_long) return true;
  if (list.Holds(word.text)) return true;
  if (!word.polish) return false;
  if (word.win1250.find('\'') == std::string::npos) {
    return PolishWordCorrect(word.win1250, word.full_stop);
  }
  // Part by part: "Kennedy'ego" is right when "Kennedy" and "ego" are.
  std::istringstream parts(word.win1250);
  bool last = false;
  for (std::string part; std::getline(parts, part, '\'');) {
    last = parts.peek() == std::char_traits<char>::eof();
    if (!part.empty() && !PolishWordCorrect(part, word.full_stop && last)) return false;
  }
  return true;
}
