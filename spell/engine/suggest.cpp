// Suggestions: variants of a misspelled word by Polish spelling confusions
// (one or two), transpositions, deletions, substitutions and insertions, kept
// when the dictionary accepts them, then given the word's capitalisation and
// sorted in Polish alphabetical order. A ranked list also tries every way of
// putting back left-out diacritics, falls back on the wider search over the
// trees when the edits find little, and puts the likeliest word first.
#include <algorithm>
#include <cstring>
#include <new>
#include <string>
#include <unordered_set>
#include <vector>

#include "spell/engine/checker.h"
#include "spell/engine/dictionary.h"
#include "spell/engine/letters.h"
#include "spell/engine/near_words.h"
#include "spell/engine/typo_cost.h"
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

// Most diacritics a ranked list puts back into one word.
constexpr int kMaxDiacriticFlips = 5;

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

  // Every way of putting diacritics on at most kMaxFlips plain letters of
  // `word` from position `from` on, tested; stops after kMaxTests tests.
  void Diacritics(Codes& word, size_t from, int flips_left) {
    for (size_t i = from; i < word.size() && flips_left > 0; ++i) {
      const uint8_t plain = word[i];
      for (const uint8_t* alt = DiacriticsOf(plain); alt && *alt; ++alt) {
        if (++tests_ > kMaxTests) return;
        word[i] = *alt;
        Test(word);
        Diacritics(word, i + 1, flips_left - 1);
        word[i] = plain;
      }
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
  static constexpr int kMaxTests = 600;
  static const uint8_t* DiacriticsOf(uint8_t plain) {
    static const uint8_t kA[] = {93, 0}, kC[] = {96, 0}, kE[] = {99, 0}, kL[] = {107, 0},
                         kN[] = {110, 0}, kO[] = {112, 0}, kS[] = {117, 0}, kZ[] = {126, 125, 0};
    switch (plain) {
      case 92: return kA;
      case 95: return kC;
      case 98: return kE;
      case 106: return kL;
      case 109: return kN;
      case 111: return kO;
      case 116: return kS;
      case 124: return kZ;
      default: return nullptr;
    }
  }

  const SpellDict& dict_;
  int tests_ = 0;
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

struct Ranked {
  Codes word;    // as the dictionary holds it
  int cost = 0;  // typo_cost::TypedWord::Distance, plus one for a capital the typed word lacks
};

// The wider search runs when the edits found fewer words than this within
// kFewCost, and takes words up to kWideBound away.
constexpr size_t kFewFound = 1;
constexpr int kFewCost = typo_cost::kOther;
constexpr int kWideBound = 2 * typo_cost::kOther;
constexpr size_t kWideVisits = 400000;
// A ranked list keeps the words within kWindow of the best one.
constexpr int kWindow = typo_cost::kOther;

int RankCost(const typo_cost::TypedWord& typed, CaseClass cls, const Codes& word) {
  Codes small(word);
  bool capital = false;
  for (uint8_t& c : small) {
    capital = capital || IsCapitalCode(c);
    c = ToSmallCode(c);
  }
  const int extra = capital && cls == CaseClass::kAllSmall ? 1 : 0;
  return typed.Distance(small.data(), small.size()) + extra;
}

bool RankedBefore(const Ranked& a, const Ranked& b) {
  if (a.cost != b.cost) return a.cost < b.cost;
  return AlphabeticalLess(a.word, b.word);
}

// The candidates likeliest first, the wider search added when they are few,
// cut to the best kRankedSuggestionsMax within kWindow of the first.
std::vector<Codes> RankCandidates(const SpellDict& dict, const Codes& word, CaseClass cls,
                                  const std::vector<Codes>& found) {
  const typo_cost::TypedWord typed(word.data(), word.size());
  std::vector<Ranked> ranked;
  size_t close = 0;
  for (const Codes& word : found) {
    ranked.push_back(Ranked{word, RankCost(typed, cls, word)});
    close += ranked.back().cost <= kFewCost;
  }
  if (close < kFewFound) {
    std::vector<NearWord> near;
    // Two edits are too many for a word of a letter or two.
    const int bound = std::min(kWideBound, int(typed.size()) * typo_cost::kNeighbourKey);
    FindNearWords(dict.son, typed, bound, kWideVisits, &near);
    for (const NearWord& w : near) {
      if (w.codes.size() <= kSuggestionMaxLetters) {
        ranked.push_back(Ranked{w.codes, RankCost(typed, cls, w.codes)});
      }
    }
  }
  std::sort(ranked.begin(), ranked.end(), RankedBefore);
  std::vector<Codes> out;
  for (const Ranked& r : ranked) {
    if (out.size() == kRankedSuggestionsMax || r.cost > ranked.front().cost + kWindow) break;
    Codes cased = r.word;
    ApplyCase(cls, &cased);
    if (std::find(out.begin(), out.end(), cased) == out.end()) out.push_back(cased);
  }
  return out;
}

}  // namespace

namespace {

// The candidates of a hyphenated word's first wrong part, each put in its
// place; false when the word is no compound or none of its parts is correct.
bool SuggestForPart(const SpellDict* dict, const char* word, SuggestOrder order,
                    std::vector<std::string>* out) {
  std::vector<std::string> parts;
  if (!dict->compounds || !SplitCompound(word, &parts)) return false;
  size_t wrong = parts.size();
  bool some_correct = false;
  for (size_t i = 0; i < parts.size(); ++i) {
    if (CompoundPartCorrect(dict, parts, i, 0)) {
      some_correct = true;
    } else if (wrong == parts.size()) {
      wrong = i;
    }
  }
  // A one-letter part is wrong only for want of a listing: no candidate
  // for it makes sense.
  if (!some_correct || wrong == parts.size() || parts[wrong].size() == 1) return false;
  std::vector<std::string> found;
  spell_dict_suggest(dict, parts[wrong].c_str(), order, &found);
  for (const std::string& candidate : found) {
    std::string whole;
    for (size_t i = 0; i < parts.size(); ++i) {
      whole += (i ? "-" : "") + (i == wrong ? candidate : parts[i]);
    }
    out->push_back(whole);
  }
  return true;
}

}  // namespace

void spell_dict_suggest(const SpellDict* dict, const char* word, SuggestOrder order,
                        std::vector<std::string>* out) {
  out->clear();
  if (dict && word && SuggestForPart(dict, word, order, out)) return;
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
  if (order == SuggestOrder::kRanked) {
    builder.Diacritics(w, 0, kMaxDiacriticFlips);
    for (const Codes& candidate : RankCandidates(*dict, w, cls, found)) {
      out->push_back(TextOf(candidate));
    }
    return;
  }
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
