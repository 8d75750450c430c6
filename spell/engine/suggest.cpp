// Suggestions: variants of a misspelled word by Polish spelling confusions
// (one or two), transpositions, deletions, substitutions and insertions, kept
// when the dictionary accepts them, then given the word's capitalisation and
// sorted in Polish alphabetical order.
#include <algorithm>
#include <cstring>
#include <new>
#include <string>
#include <unordered_set>
#include <vector>

#include "spell/engine/checker.h"
#include "spell/engine/dictionary.h"
#include "spell/engine/letters.h"
#include "spell/engine/spell.h"

namespace {

using Codes = std::basic_string<uint8_t>;

// Confusion pairs in letter codes, each applied in both directions.
struct Confusion {
  Codes one, other;
};
const Confusion kConfusions[] = {
    {{115, 124}, {126}},  // rz - ż
    {{95, 102}, {102}},   // ch - h
    {{111, 109}, {93}},   // on - ą
    {{111, 108}, {93}},   // om - ą
    {{92}, {93}},         // a - ą
    {{98, 109}, {99}},    // en - ę
    {{98, 108}, {99}},    // em - ę
    {{98}, {99}},         // e - ę
    {{119}, {112}},       // u - ó
    {{116}, {117}},       // s - ś
    {{109}, {110}},       // n - ń
    {{95}, {96}},         // c - ć
    {{124}, {126}},       // z - ż
    {{124}, {125}},       // z - ź
    {{106}, {107}},       // l - ł
    {{111}, {112}},       // o - ó
};

class Builder {
 public:
  explicit Builder(const SpellDict& dict) : dict_(dict) {}

  // Tests one candidate (small letters, no end code) and keeps what the
  // dictionary accepts: the form itself, or with a capital first letter.
  void Test(const Codes& candidate) {
    if (candidate.empty() || candidate.size() > kSuggestionMaxLetters) return;
    work_.assign(candidate);
    work_.push_back(kEndCode);
    if (AcceptSmallForm(dict_, work_.data(), false)) Add(candidate);
    work_[0] = ToCapitalCode(work_[0]);
    if (AcceptCapitalForm(dict_, work_.data())) Add(Codes(work_.data(), candidate.size()));
  }

  // Every single replacement of `from` by `to` in `word`, left to right;
  // with `deeper`, each result goes once more through the whole table.
  void Replace(const Codes& word, const Codes& from, const Codes& to, bool deeper) {
    for (size_t at = word.find(from); at != Codes::npos; at = word.find(from, at + 1)) {
      Codes candidate = word.substr(0, at) + to + word.substr(at + from.size());
      Test(candidate);
      if (deeper) AllConfusions(candidate, false);
    }
  }

  void AllConfusions(const Codes& word, bool deeper) {
    for (const Confusion& c : kConfusions) {
      Replace(word, c.one, c.other, deeper);
      Replace(word, c.other, c.one, deeper);
    }
  }

  std::vector<Codes>& found() { return found_; }

 private:
  void Add(const Codes& word) {
    if (seen_.insert(word).second) found_.push_back(word);
  }

  struct Hash {
    size_t operator()(const Codes& c) const {
      return std::hash<std::string_view>()(
          std::string_view(reinterpret_cast<const char*>(c.data()), c.size()));
    }
  };
  const SpellDict& dict_;
  Codes work_;
  std::vector<Codes> found_;
  std::unordered_set<Codes, Hash> seen_;
};

// Polish alphabetical order, capitals compared as small letters.
bool AlphabeticalLess(const Codes& a, const Codes& b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const uint8_t x = ToSmallCode(a[i]), y = ToSmallCode(b[i]);
    if (x != y) return x < y;
  }
  return a.size() != b.size() ? a.size() < b.size() : a < b;
}

// Gives a small-letter candidate the case class of the misspelled word.
void ApplyCase(CaseClass cls, Codes* candidate) {
  if (cls == CaseClass::kCapitalised) {
    (*candidate)[0] = ToCapitalCode((*candidate)[0]);
  } else if (cls == CaseClass::kAllCapitals) {
    for (uint8_t& c : *candidate) c = ToCapitalCode(c);
  }
}

std::string TextOf(const Codes& codes) {
  std::string text;
  for (uint8_t c : codes) text.push_back(char(LetterChar(c)));
  return text;
}

}  // namespace

void spell_dict_suggest(const SpellDict* dict, const char* word, SuggestOrder order,
                        std::vector<std::string>* out) {
  out->clear();
  uint8_t mapped[kSpellMaxWord + 1];
  const int length = dict && word ? MapWord(word, true, mapped, sizeof mapped) : -1;
  if (length <= 0) return;
  const CaseClass cls = spell_case_class(word);
  Codes w(mapped, size_t(length));
  const size_t n = w.size();
  Builder builder(*dict);

  builder.AllConfusions(w, true);
  for (size_t i = 0; i + 1 < n; ++i) {
    std::swap(w[i], w[i + 1]);
    builder.Test(w);
    std::swap(w[i], w[i + 1]);
  }
  for (size_t i = 0; i < n; ++i) builder.Test(w.substr(0, i) + w.substr(i + 1));
  builder.Test(w);
  for (size_t i = 0; i <= n; ++i) {
    Codes candidate = w;
    if (i == n) candidate.push_back(0);
    for (uint8_t c = kFirstSmall; c <= kHyphenCode; ++c) {
      if (i < n && c == w[i]) continue;
      candidate[i] = c;
      builder.Test(candidate);
    }
  }
  for (size_t i = 0; i <= n; ++i) {
    Codes candidate = w.substr(0, i) + Codes(1, 0) + w.substr(i);
    for (uint8_t c = kFirstSmall; c <= kHyphenCode; ++c) {
      candidate[i] = c;
      builder.Test(candidate);
    }
  }

  std::vector<Codes>& found = builder.found();
  (void)order;  // alphabetical is the only order
  for (Codes& candidate : found) ApplyCase(cls, &candidate);
  std::sort(found.begin(), found.end(), AlphabeticalLess);
  found.erase(std::unique(found.begin(), found.end()), found.end());
  for (Codes& candidate : found) out->push_back(TextOf(candidate));
}

SpellSuggestion* spell_suggest(const char* word) {
  std::vector<std::string> found;
  spell_dict_suggest(spell_default_dict(), word, SuggestOrder::kAlphabetical, &found);
  SpellSuggestion* head = nullptr;
  for (size_t i = found.size(); i-- > 0;) {
    if (found[i].size() > kSuggestionMaxLetters) continue;
    SpellSuggestion* node = new (std::nothrow) SpellSuggestion;
    if (!node) break;
    std::memcpy(node->word, found[i].c_str(), found[i].size() + 1);
    node->next = head;
    head = node;
  }
  return head;
}

void spell_free_suggestions(SpellSuggestion* list) {
  while (list) {
    SpellSuggestion* next = list->next;
    delete list;
    list = next;
  }
}
