// Greedy line filling over blank-separated words, asking the hyphenation
// method only for the words that overflow a line.
#include "host/composer.h"

#include <algorithm>

namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }
bool IsDiscretionary(char16_t c) { return c == kStoryDiscretionaryHyphen || c == kSoftHyphen; }

// A word as shown (discretionary hyphens left out) and the break points those
// hyphens stood for.
struct Word {
  std::u16string text;
  std::vector<uint16_t> marked;
};

Word ShownWord(std::u16string_view raw) {
  Word word;
  for (const char16_t c : raw) {
    if (IsDiscretionary(c)) {
      word.marked.push_back(static_cast<uint16_t>(word.text.size()));
    } else {
      word.text += c;
    }
  }
  return word;
}

class LineFiller {
 public:
  LineFiller(size_t width, const BreakPointSource& source) : width_(width), source_(source) {}

  // A new word: its break points are asked for when it first overflows.
  void Add(Word word) {
    asked_ = false;
    while (!word.text.empty()) {
      const size_t room = Room();
      if (word.text.size() <= room) {
        Append(word.text);
        return;
      }
      const size_t cut = BestBreak(word, room);
      if (cut == 0) {
        if (!line_.empty()) {
          EndLine();
          continue;
        }
        // Alone on a line and still too long: cut it hard.
        Split(word, std::min(width_, word.text.size()), false);
        continue;
      }
      Split(word, cut, word.text[cut - 1] != u'-');
    }
  }

  std::vector<std::u16string> Finish() {
    if (!line_.empty() || lines_.empty()) lines_.push_back(line_);
    return std::move(lines_);
  }

 private:
  // Characters the next piece of a word may take on the current line.
  size_t Room() const {
    const size_t used = line_.empty() ? 0 : line_.size() + 1;
    return used >= width_ ? 0 : width_ - used;
  }

  void Append(const std::u16string& text) {
    if (!line_.empty()) line_ += u' ';
    line_ += text;
  }

  void EndLine() {
    lines_.push_back(line_);
    line_.clear();
  }

  // The last break point whose first part (and its "-") fits `room`; 0 when
  // there is none.
  size_t BestBreak(Word& word, size_t room) {
    if (!asked_) {
      std::vector<uint16_t> points = source_(word.text);
      word.marked.insert(word.marked.end(), points.begin(), points.end());
      asked_ = true;
    }
    size_t best = 0;
    for (const uint16_t point : word.marked) {
      if (point == 0 || point >= word.text.size()) continue;
      const bool hard = word.text[point - 1] == u'-';
      if (size_t{point} + (hard ? 0 : 1) <= room) best = std::max<size_t>(best, point);
    }
    return best;
  }

  // Puts the first `cut` characters (and a "-") on the line, ends it, and
  // keeps the rest of the word with its break points moved along.
  void Split(Word& word, size_t cut, bool add_hyphen) {
    Append(word.text.substr(0, cut) + (add_hyphen ? u"-" : u""));
    EndLine();
    word.text.erase(0, cut);
    std::vector<uint16_t> rest;
    for (const uint16_t point : word.marked) {
      if (point > cut) rest.push_back(static_cast<uint16_t>(point - cut));
    }
    word.marked = std::move(rest);
  }

  size_t width_;
  const BreakPointSource& source_;
  std::u16string line_;
  std::vector<std::u16string> lines_;
  bool asked_ = false;
};

}  // namespace

std::vector<std::u16string> ComposeParagraph(std::u16string_view paragraph, size_t width,
                                             const BreakPointSource& break_points) {
  LineFiller filler(std::max<size_t>(width, 2), break_points);
  size_t i = 0;
  while (i < paragraph.size()) {
    if (IsBlank(paragraph[i])) {
      ++i;
      continue;
    }
    size_t end = i;
    while (end < paragraph.size() && !IsBlank(paragraph[end])) ++end;
    filler.Add(ShownWord(paragraph.substr(i, end - i)));
    i = end;
  }
  return filler.Finish();
}
