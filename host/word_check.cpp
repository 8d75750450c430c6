// The host's verdict on one word, and the user's word list.
#include "host/word_check.h"

#include <cerrno>
#include <sstream>
#include <vector>

#include "host/io/files.h"
#include "platform/safe_file.h"
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

namespace {

// The word of one line of a list, or "" for a line that holds none.
std::string ListLineWord(std::string line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
    line.pop_back();
  }
  const size_t first = line.find_first_not_of(" \t");
  if (first == std::string::npos || line[first] == '#') return "";
  if (line.compare(first, 12, "personal_ws-") == 0) return "";
  line = line.substr(first);
  return line.substr(0, line.find('/'));
}

}  // namespace

void UserWordList::Insert(const std::string& word) {
  const std::string normal = ProseNormalForm(word);
  if (normal.empty()) return;
  words_.insert(normal);
  capitals_.insert(ProseCapitals(normal));
}

void UserWordList::InsertLines(const std::string& bytes) {
  std::istringstream in(bytes);
  for (std::string line; std::getline(in, line);) Insert(ListLineWord(line));
}

bool UserWordList::Load(const std::string& path) {
  path_ = path;
  words_.clear();
  capitals_.clear();
  std::string bytes;
  const int error = platform::ReadWholeFile(path.c_str(), wirsel::io::kMaxInputBytes, &bytes);
  if (error != 0) return error == ENOENT;
  InsertLines(bytes);
  return true;
}

bool UserWordList::Holds(const std::string& utf8) const {
  if (words_.empty()) return false;
  if (words_.count(utf8)) return true;
  if (words_.count(ProseSmallLetters(utf8))) return true;
  return ProseCapitals(utf8) == utf8 && capitals_.count(utf8);
}

void UserWordList::Remember(const std::string& utf8) { Insert(ProseNormalForm(utf8)); }

template <typename Change>
int UserWordList::Update(const Change& change) {
  if (path_.empty()) return ENOENT;
  platform::UpdateLock lock;
  if (const int error = platform::LockForUpdate(path_.c_str(), &lock)) return error;
  std::string bytes;
  int error = platform::ReadWholeFile(path_.c_str(), wirsel::io::kMaxInputBytes, &bytes);
  if (error == ENOENT) {
    bytes.clear();
    error = 0;
  }
  if (error == 0 && change(bytes)) {
    error = platform::WriteFileReplacing(path_.c_str(), bytes.data(), bytes.size(),
                                         platform::kNewUserFileMode);
  }
  platform::Unlock(&lock);
  if (error != 0) return error;
  InsertLines(bytes);
  return 0;
}

bool UserWordList::Storable(const std::string& utf8) {
  const std::vector<ProseWord> words = ProseWordsOf(utf8);
  return words.size() == 1 && words[0].text == ProseNormalForm(utf8);
}

int UserWordList::Add(const std::string& utf8) { return AddAll({utf8}); }

int UserWordList::AddAll(const std::vector<std::string>& utf8) {
  std::vector<std::string> words;
  for (const std::string& w : utf8) {
    if (Storable(w)) words.push_back(ProseNormalForm(w));
  }
  if (words.empty()) return 0;
  return Update([&](std::string& bytes) {
    UserWordList on_disk;
    on_disk.InsertLines(bytes);
    const size_t size = bytes.size();
    for (const std::string& word : words) {
      if (on_disk.words_.count(word)) continue;
      if (!bytes.empty() && bytes.back() != '\n') bytes.push_back('\n');
      bytes += word + "\n";
      on_disk.Insert(word);
    }
    return bytes.size() != size;
  });
}

int UserWordList::Remove(const std::string& utf8, bool* found) {
  const std::string word = ProseNormalForm(utf8);
  *found = false;
  const int error = Update([&](std::string& bytes) {
    std::string kept;
    std::istringstream in(bytes);
    for (std::string line; std::getline(in, line);) {
      if (ProseNormalForm(ListLineWord(line)) == word) {
        *found = true;
      } else {
        kept += line + "\n";
      }
    }
    if (*found) bytes = kept;
    return *found;
  });
  if (error != 0) return error;
  words_.erase(word);
  capitals_.clear();
  for (const std::string& w : words_) capitals_.insert(ProseCapitals(w));
  return 0;
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

bool NeedsWordList(const std::string& utf8) {
  for (const ProseWord& word : ProseWordsOf(utf8)) {
    if (!word.polish) return true;
  }
  return false;
}
