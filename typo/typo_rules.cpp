// The typography pass: its range, the neighbour search, the rule chain A to J
// and the bookkeeping that keeps positions, the range end and the saved
// selection on the same text after every insertion and deletion.
#include "typo/typo_rules.h"

#include <algorithm>
#include <cstring>

#include "base/macce.h"

namespace {

constexpr int32_t kNone = -1;
// Longest word that fits a lookup key (" word " and the NUL in 256 bytes).
constexpr int32_t kKeyWordMax = 253;

// How a story character goes into a word key: codes without a Windows-1250
// byte, and NUL, become a byte that no list holds.
uint8_t WordByte(uint16_t code) { return code == 0 || code >= 256 ? 0x7F : uint8_t(code); }

// Quotation marks and apostrophes of every kind, also those the pass never
// changes.
bool IsQuotationCharacter(uint16_t c) {
  switch (c) {
    case '"': case '\'': case kCodeLowQuote: case kCodeRightQuote: case kCodeLeftQuote:
    case kCodeSingleLowQuote: case kCodeLeftSingleQuote: case kCodeApostrophe:
    case kCodeGuillemetLeft: case kCodeGuillemetRight:
      return true;
    default:
      return false;
  }
}

// A Roman numeral of I, V and X in its usual form, I to XXXIX: the numerals
// of centuries, chapters, volumes and monarchs.
bool IsSmallRomanNumeral(const uint8_t* word, int32_t k) {
  int32_t i = 0;
  auto run = [&](uint8_t letter, int32_t most) {
    int32_t n = 0;
    while (i < k && word[i] == letter && n < most) ++i, ++n;
    return n;
  };
  run('X', 3);
  if (i + 1 < k && word[i] == 'I' && (word[i + 1] == 'X' || word[i + 1] == 'V')) {
    i += 2;
  } else {
    run('V', 1);
    run('I', 3);
  }
  return k > 0 && i == k;
}

bool InList(const WordList& list, const uint8_t* word, int32_t k) {
  if (k < 1 || k > kKeyWordMax) return false;
  char key[kWordListSize];
  key[0] = ' ';
  std::memcpy(key + 1, word, static_cast<size_t>(k));
  key[k + 1] = ' ';
  key[k + 2] = 0;
  return std::strstr(list.padded, key) != nullptr;
}

// The URL test for the word around a position: a word that is an address
// or markup rather than prose gets no space inserted anywhere in it. Such a
// word begins (after opening brackets and quotation marks) with "www.",
// "ftp." or a scheme without slashes such as "mailto:", or holds a marker:
// "://" (any scheme), an at sign (e-mail), a backslash (a TeX command), or
// one of "<>&=" (HTML markup and entities, assignments).
// What is known of that word is kept and moved along with the pass's edits,
// so a long word is read once rather than once for every punctuation mark in
// it: [start_, scanned_) holds no Blank, start_ is the word's first
// character when exact_, last_at_ is the last marker in it (-1: none), and
// closed_ says the character at scanned_ is a Blank or the story's end.
class UrlWords {
 public:
  UrlWords(TypoStory& story, const TypoCharTable& table, const int32_t& length)
      : story_(story), table_(table), length_(length) {}

  bool IsUrlWord(int32_t pos) {
    if (!valid_ || pos < start_) Rebuild(pos);
    while (scanned_ <= pos && scanned_ < length_) {
      const uint16_t c = story_.Read(scanned_);
      if (table_.Is(c, kTypoBlank)) {
        if (scanned_ == pos) {
          closed_ = true;
          break;
        }
        StartWordAt(scanned_ + 1);
      } else if (MarkerAt(scanned_, c)) {
        last_at_ = scanned_;
      }
      ++scanned_;
      closed_ = false;
    }
    if (last_at_ >= start_) return true;
    if (HasUrlPrefix()) return true;
    while (!closed_ && scanned_ < length_) {
      const uint16_t c = story_.Read(scanned_);
      if (table_.Is(c, kTypoBlank)) {
        closed_ = true;
      } else {
        const bool marker = MarkerAt(scanned_, c);
        if (marker) last_at_ = scanned_;
        ++scanned_;
        if (marker) return true;
      }
    }
    closed_ = true;
    return false;
  }

  void Inserted(int32_t q, bool blank) {
    if (!valid_) return;
    if (q < start_) {
      Shift(+1);
    } else if (q <= scanned_) {
      ++scanned_;
      if (last_at_ >= q) ++last_at_;
      if (blank) {
        StartWordAt(q + 1);
      } else if (q <= start_ + kPrefixMax) {
        prefix_known_ = false;
      }
      CheckMarker(q);
    }
  }

  void Deleted(int32_t q) {
    if (!valid_) return;
    if (q < start_) {
      if (exact_ && q == start_ - 1) {
        valid_ = false;  // the blank before the word is gone: two words joined
      } else {
        Shift(-1);
      }
    } else if (q < scanned_) {
      if (q == last_at_) {
        valid_ = false;
        return;
      }
      --scanned_;
      if (last_at_ > q) --last_at_;
      if (q <= start_ + kPrefixMax) prefix_known_ = false;
      CheckMarker(q);
    } else if (q == scanned_) {
      closed_ = false;
    }
  }

 private:
  // Characters of the longest prefix looked at.
  static constexpr int32_t kPrefixMax = 16;

  // The character c at q makes its word an address or markup.
  bool MarkerAt(int32_t q, uint16_t c) {
    switch (c) {
      case '@': case '\\': case '<': case '>': case '&': case '=':
        return true;
      case ':':
        return q + 2 < length_ && story_.Read(q + 1) == '/' && story_.Read(q + 2) == '/';
      default:
        return false;
    }
  }

  // An edit at q, just after a "://" marker, may have broken it.
  void CheckMarker(int32_t q) {
    if (last_at_ >= 0 && q > last_at_ && q <= last_at_ + 2 &&
        !MarkerAt(last_at_, story_.Read(last_at_))) {
      valid_ = false;
    }
  }

  void StartWordAt(int32_t p) {
    start_ = p;
    exact_ = true;
    last_at_ = kNone;
    prefix_known_ = false;
  }

  void Shift(int32_t d) {
    start_ += d;
    scanned_ += d;
    if (last_at_ >= 0) last_at_ += d;
  }

  // Reads back from pos to the word's start, at most kWordAroundMax
  // characters; a longer word has no known start and so no URL prefix.
  void Rebuild(int32_t pos) {
    start_ = pos;
    last_at_ = kNone;
    exact_ = false;
    while (start_ > 0 && pos - start_ < kWordAroundMax) {
      const uint16_t c = story_.Read(start_ - 1);
      if (table_.Is(c, kTypoBlank)) break;
      if (last_at_ == kNone && MarkerAt(start_ - 1, c)) last_at_ = start_ - 1;
      --start_;
    }
    exact_ = start_ == 0 || table_.Is(story_.Read(start_ - 1), kTypoBlank);
    scanned_ = pos;
    closed_ = false;
    prefix_known_ = false;
    valid_ = true;
  }

  // The word begins, after opening brackets and quotation marks, with an
  // address prefix.
  bool HasUrlPrefix() {
    if (!exact_) return false;
    if (!prefix_known_) {
      static constexpr const char* kPrefixes[] = {"www.", "ftp.",   "mailto:", "news:",
                                                  "urn:", "file:", "tel:"};
      char head[kPrefixMax + 1] = {};
      int32_t n = 0;
      for (int32_t q = start_; n < kPrefixMax && q < length_ && q < start_ + 2 * kPrefixMax;
           ++q) {
        const uint16_t c = story_.Read(q);
        if (table_.Is(c, kTypoBlank)) break;
        if (n == 0 && (table_.Is(c, kTypoOpenBracket) || IsQuotationCharacter(c))) continue;
        head[n++] = static_cast<char>(WordByte(c));
      }
      prefix_ = std::any_of(std::begin(kPrefixes), std::end(kPrefixes), [&](const char* p) {
        return std::strncmp(head, p, std::strlen(p)) == 0;
      });
      prefix_known_ = true;
    }
    return prefix_;
  }

  TypoStory& story_;
  const TypoCharTable& table_;
  const int32_t& length_;
  bool valid_ = false;
  bool exact_ = false;
  bool closed_ = false;
  bool prefix_known_ = false;
  bool prefix_ = false;
  int32_t start_ = 0;
  int32_t scanned_ = 0;
  int32_t last_at_ = kNone;
};

class Pass {
 public:
  Pass(TypoStory& story, const TypographyOptions& options, const TypoCharTable& table)
      : s_(story), o_(options), t_(table), urls_(story, table, length_) {}

  TypoResult Run(bool use_selection) {
    s_.GetSelection(&sel_start_, &sel_end_, &length_);
    s_.Select(0, 0, 1);
    if (!FindRange(use_selection)) {
      s_.Select(sel_start_, sel_end_, 1);
      return TypoResult::kDone;
    }
    while (length_ >= 1 && cur_ < end_) {
      if (Step() == kStop) return TypoResult::kStopped;
    }
    s_.SetRedraw(false);
    s_.Select(0, 0, 0);
    s_.SetRedraw(true);
    s_.Select(sel_start_, sel_end_, 1);
    return TypoResult::kDone;
  }

 private:
  enum Outcome { kInPlace, kAdvance, kStop, kNotApplied };

  bool Has(uint32_t code, uint16_t bits) const { return t_.Is(code, bits); }
  bool HasPrev() const { return prev_pos_ != kNone; }
  bool HasNext() const { return next_pos_ != kNone; }

  // The position after p for the range test; the story's end counts as one.
  int32_t After(int32_t p) {
    const int32_t next = s_.Next(p);
    if (next > p) return next;
    return p + 1 == length_ ? length_ : kNone;
  }
  int32_t Before(int32_t p) {
    const int32_t previous = s_.Previous(p);
    return previous >= 0 && previous < p ? previous : kNone;
  }

  bool FindRange(bool use_selection) {
    const int32_t S = sel_start_, E = sel_end_;
    start_ = 0;
    end_ = length_;
    if (use_selection && S != E && !(S == 0 && E == length_)) {
      const int32_t a = After(S), b = Before(E);
      if (a == kNone || b == kNone) return false;
      const int32_t start = a == S + 1 ? S : a;
      const int32_t end = b == E - 1 ? E : b;
      if (start > end) return false;
      if (start < end) {
        start_ = start;
        end_ = end;
      }
    }
    cur_ = start_;
    return true;
  }

  // --- Neighbours --------------------------------------------------------
  // The position beside q: towards the story's start, or towards the range's
  // last character; kNone past either.
  int32_t Beside(int32_t q, bool backwards) {
    if (backwards) return Before(q);
    const int32_t next = s_.Next(q);
    return next > cur_ && next <= end_ - 1 ? next : kNone;
  }

  // The nearest character beside cur_ that is not transparent: its position
  // and code, or kNone and kNoCharacter.
  void FindVisible(bool backwards, int32_t* position, uint16_t* code) {
    *position = kNone;
    *code = kNoCharacter;
    for (int32_t q = Beside(cur_, backwards); q != kNone; q = Beside(q, backwards)) {
      const uint16_t c = s_.Read(q);
      if (c != kCodeTransparent) {
        *position = q;
        *code = c;
        return;
      }
    }
  }

  void FindPrevious() {
    FindVisible(true, &prev_pos_, &p_);
    prev_known_ = true;
  }

  void FindNext() {
    next_pos_ = kNone;
    n_ = kNoCharacter;
    if (cur_ >= end_ - 1) return;
    const bool reuse = next_known_ && (next_found_ == kNone || next_found_ > cur_);
    if (!reuse) {
      FindVisible(false, &next_found_, &next_char_);
      next_known_ = true;
    }
    next_pos_ = next_found_;
    n_ = next_char_;
  }

  // --- Edits and their bookkeeping ----------------------------------------
  void ShiftBounds(int32_t q, int32_t d) {
    if (sel_start_ > q) sel_start_ += d;
    if (sel_end_ > q) sel_end_ += d;
  }

  bool DeleteAt(int32_t q) {
    if (!s_.Delete(q, q + 1)) return false;
    --length_;
    --end_;
    ShiftBounds(q, -1);
    urls_.Deleted(q);
    next_known_ = false;
    if (q < cur_) prev_known_ = false;
    return true;
  }

  bool InsertAt(int32_t q, uint8_t c) {
    if (!s_.Insert(q, c)) return false;
    ++length_;
    ++end_;
    ShiftBounds(q, +1);
    urls_.Inserted(q, t_.Is(c, kTypoBlank));
    next_known_ = false;
    if (q <= cur_) prev_known_ = false;
    return true;
  }

  // Replaces the character at pos and keeps its attributes.
  void ReplaceCharKeepingAttributes(int32_t pos, uint8_t c) {
    if (s_.Read(pos) == c) return;
    s_.Select(pos, pos + 1, 0);
    if (!InsertAt(pos, c)) return;
    if (pos == cur_) ch_ = c;
    DeleteAt(pos + 1);
  }

  // Makes the character at pos non-breaking unless it already is.
  void Mark(int32_t pos) {
    if (!s_.IsNonBreaking(pos)) s_.MarkNonBreaking(pos, pos + 1);
  }

  // Continue in place after an edit, or advance when the host refused it.
  static Outcome InPlaceIf(bool done) { return done ? kInPlace : kAdvance; }

  // A quotation mark the pass cannot place: in a batch run it is reported and
  // left as it is; otherwise it is selected for the user and the pass stops.
  Outcome StopAt(const char* stored) {
    if (s_.Warn(cur_, stored)) return kAdvance;
    s_.Select(cur_, cur_ + 1, 1);
    s_.Alert(stored);
    return kStop;
  }

  Outcome Step() {
    if (!prev_known_) FindPrevious();
    ch_ = s_.Read(cur_);
    FindNext();
    Outcome outcome = Rules();
    if (outcome == kNotApplied) outcome = kAdvance;
    if (outcome == kAdvance) {
      const int32_t next = s_.Next(cur_);
      if (ch_ != kCodeTransparent) {
        prev_pos_ = cur_;
        p_ = ch_;
        prev_known_ = true;
      }
      if (next <= cur_) {
        end_ = cur_;  // no further position: the pass ends
        return kAdvance;
      }
      cur_ = next;
    }
    return outcome;
  }

  Outcome Rules() {
    // A. Listed characters are deleted.
    if (o_.delete_chars && Has(ch_, kTypoDeleteChar)) return InPlaceIf(DeleteAt(cur_));
    // B. Repeated spaces.
    if (ch_ == ' ' && o_.repeated_spaces && HasPrev() && p_ == ' ') {
      return InPlaceIf(DeleteAt(cur_));
    }
    if (ch_ >= 256) return kAdvance;
    if (ch_ == kCodeParagraphEnd) {
      // A quotation left open does not reach into the next paragraph.
      quote_depth_ = 0;
      single_depth_ = 0;
      in_attribute_ = false;
    }
    if (ch_ == ',' && cur_ == comma_left_) {
      comma_left_ = kNone;
      return kAdvance;
    }
    if (ch_ == ',' && n_ == ',') {
      const Outcome outcome = AsciiOpening();
      if (outcome != kNotApplied) return outcome;
    }
    if (ch_ == '\'' && n_ == '\'') return AsciiClosing();
    if (Has(ch_, kTypoSpaceRules)) return SpacesAroundPunctuation();
    Outcome outcome = kNotApplied;
    for (auto rule : {&Pass::Dash, &Pass::AfterWords, &Pass::AfterDigits, &Pass::BeforeWords,
                      &Pass::BeforeDigit, &Pass::BeforeRoman, &Pass::Quotation}) {
      outcome = (this->*rule)();
      if (outcome != kNotApplied) break;
    }
    return outcome;
  }

  // --- C. Spaces around listed punctuation ------------------------------
  bool Exception() { return o_.space_exceptions && IsExceptionWord(cur_); }

  // A number with separators or a time: 3,14 1.000,50 8.30 12:30.
  bool DigitsAround() const {
    return (ch_ == ',' || ch_ == '-' || ch_ == '.' || ch_ == ':') && IsTypoDigit(p_) &&
           IsTypoDigit(n_);
  }

  // A full stop written inside a word: a file name or domain (texmf.cnf,
  // gust.org.pl), a dotted abbreviation (p.n.e., m.in.) or a file extension
  // after a bracket or quotation mark ((.odp)). Only a full stop after
  // sentence punctuation or a closing bracket ends a sentence there.
  bool FullStopInWord() const {
    return ch_ == '.' && IsTypoAlnum(n_) &&
           (!HasPrev() || !Has(p_, kTypoSentencePunct | kTypoCloseBracket));
  }

  // A full stop that begins a word after a space: an extension or a hidden
  // file's name (.tex, .bashrc).
  bool FullStopStartsWord() const { return ch_ == '.' && IsTypoAlnum(n_); }

  // An ending or argument in brackets glued to a word, with no blank inside:
  // poziomem(ami), żyjący(a), słowni(cze)k, sizeof(Elf32_Word), f(x,y).
  bool GluedBrackets() {
    if (!(ch_ == '(' || ch_ == '[')) return false;
    const uint16_t close = ch_ == '(' ? ')' : ']';
    int32_t q = cur_ + 1;
    for (int32_t n = 0; n <= kGluedMax && q < length_; ++n, ++q) {
      const uint16_t c = s_.Read(q);
      if (c == close) return true;
      if (Has(c, kTypoBlank | kTypoOpenBracket | kTypoCloseBracket)) return false;
    }
    return false;
  }
  static constexpr int32_t kGluedMax = 24;

  Outcome SpacesAroundPunctuation() {
    const uint16_t c = t_.Of(ch_);
    if ((c & kTypoRemoveSpaceAfter) && HasNext()) {
      if (!Exception() && Has(n_, kTypoSpace)) return InPlaceIf(DeleteAt(next_pos_));
    }
    if ((c & kTypoInsertSpaceAfter) && HasNext() && IsTypoAlnum(n_) && !DigitsAround() &&
        !FullStopInWord() && !urls_.IsUrlWord(cur_) && !Exception()) {
      s_.Select(cur_, cur_ + 1, 0);
      return InPlaceIf(InsertAt(cur_ + 1, ' '));
    }
    if ((c & kTypoRemoveSpaceBefore) && HasPrev()) {
      if (!Exception() && Has(p_, kTypoSpace) && !FullStopStartsWord()) {
        const int32_t at = prev_pos_;
        if (!DeleteAt(at)) return kAdvance;
        cur_ = at;
        return kInPlace;
      }
    }
    if ((c & kTypoInsertSpaceBefore) && HasPrev() && IsTypoAlnum(p_) && !DigitsAround() &&
        !GluedBrackets() && !urls_.IsUrlWord(cur_) && !Exception()) {
      s_.Select(prev_pos_, prev_pos_ + 1, 0);
      if (!InsertAt(cur_, ' ')) return kAdvance;
      ++cur_;
      return kInPlace;
    }
    return kAdvance;
  }

  // The characters around pos up to a Blank on either side, as [*start,
  // *end); false when there are more than max of them (then the bounds are
  // where reading stopped).
  bool WordAround(int32_t pos, int32_t max, int32_t* start, int32_t* end) {
    int32_t a = pos;
    while (a > 0 && pos - a <= max && !Has(s_.Read(a - 1), kTypoBlank)) --a;
    int32_t b = pos;
    while (b < length_ && b - a <= max && !Has(s_.Read(b), kTypoBlank)) ++b;
    *start = a;
    *end = b;
    return b - a <= max;
  }

  // The word around pos is a listed exception. Brackets and quotation marks
  // before the word and punctuation after it are not part of it ("(m.in.,"
  // is "m.in."), so they are no exception themselves. Words longer than the
  // longest exception are not read whole.
  bool IsExceptionWord(int32_t pos) {
    const WordList& list = o_.lists[kListExceptions];
    const int32_t max = std::min<int32_t>(list.longest + kWrapMax, kKeyWordMax);
    int32_t a = 0, b = 0;
    if (!WordAround(pos, max, &a, &b)) return false;
    while (a < pos && WrapsBefore(s_.Read(a))) ++a;
    while (b - 1 > pos && WrapsAfter(s_.Read(b - 1))) --b;
    const int32_t k = b - a;
    if (k < 1 || k > list.longest) return false;
    uint8_t word[kWordListSize];
    for (int32_t i = 0; i < k; ++i) word[i] = WordByte(s_.Read(a + i));
    return InList(list, word, k);
  }

  static constexpr int32_t kWrapMax = 4;
  bool WrapsBefore(uint16_t c) const {
    return Has(c, kTypoOpenBracket) || IsQuotationCharacter(c);
  }
  bool WrapsAfter(uint16_t c) const {
    return c != '.' && (Has(c, kTypoSentencePunct | kTypoCloseBracket) || IsQuotationCharacter(c));
  }

  // --- D. Space-hyphen-space ---------------------------------------------
  Outcome Dash() {
    if (!(o_.dash && Has(ch_, kTypoDash))) return kNotApplied;
    if (!(!HasPrev() || (HasNext() && Has(p_, kTypoBlank)))) return kNotApplied;
    if (!(cur_ + 1 < end_ && Has(n_, kTypoBlank))) return kNotApplied;
    ReplaceCharKeepingAttributes(cur_, o_.dash_kind == 0 ? kCodeEmDash : kCodeEnDash);
    if (o_.nbsp_after_dash && Has(n_, kTypoSpace)) {
      Mark(cur_);
      Mark(next_pos_);
    }
    return kAdvance;
  }

  // --- E to I. Non-breaking spaces ----------------------------------------
  // Reads characters from `from` while `accept` holds, not past `stop` and
  // at most `max` + 1 of them. Returns the count taken; *terminator is the
  // first other character, or a blank when `stop` was reached (*at_stop).
  template <class Accept>
  int32_t Scan(int32_t from, int32_t stop, int32_t max, Accept accept, uint8_t* word,
               uint16_t* terminator, bool* at_stop) {
    int32_t k = 0;
    *at_stop = true;
    *terminator = ' ';
    for (int32_t q = from; q < stop && k <= max; ++q) {
      const uint16_t c = s_.Read(q);
      if (!accept(c)) {
        *terminator = c;
        *at_stop = false;
        break;
      }
      if (k < kKeyWordMax + 1) word[k] = WordByte(c);
      ++k;
    }
    return k;
  }

  static bool UnitChar(uint16_t c, const TypoCharTable& t) {
    return IsTypoLetter(c) || t.Is(c, kTypoDash) || c == '.' || c == '$' || c == '%' ||
           c == kCodePerMille;
  }

  Outcome AfterWords() {
    const WordList& list = o_.lists[kListAfterWords];
    if (!(o_.nbsp_after_words && IsTypoAlnum(ch_))) return kNotApplied;
    // A word that follows a discretionary hyphen is the rest of a hyphenated
    // word ("zło-żo-na"), not a word of its own.
    if (HasPrev() && (IsTypoAlnum(p_) || p_ == kCodeDiscretionaryHyphen)) return kNotApplied;
    // Nor is one glued to a word by a hyphen or an apostrophe (TeX-a,
    // O'Neill), or one inside markup (<a href, </a>, \a).
    if (HasPrev() && (p_ == '-' || p_ == '\'' || p_ == kCodeApostrophe || p_ == '<' || p_ == '/' ||
                      p_ == '\\')) {
      return kNotApplied;
    }
    const int32_t max = std::min<int32_t>(list.longest + 1, kKeyWordMax);
    uint8_t word[kWordListSize];
    word[0] = WordByte(ch_);
    uint16_t t = 0;
    bool at_end = false;
    const int32_t k =
        1 + Scan(
                cur_ + 1, end_, max - 1,
                [](uint16_t c) {
                  return IsTypoAlnum(c) || c == '.' || c == '$' || c == '%' || c == kCodePerMille;
                },
                word + 1, &t, &at_end);
    if (at_end || k > max || !Has(t, kTypoBlank)) return kNotApplied;
    if (!InList(list, word, k)) return kNotApplied;
    if (Has(t, kTypoSpace)) Mark(cur_ + k);
    return kAdvance;
  }

  // Looks the unit or word starting at `from` up in `list` (also without a
  // final full stop); `max` is the longest length looked up.
  bool WordFollows(int32_t from, const WordList& list, int32_t max) {
    max = std::min(max, kKeyWordMax);
    uint8_t word[kWordListSize];
    uint16_t t = 0;
    bool at_end = false;
    const TypoCharTable& table = t_;
    const int32_t k = Scan(
        from, end_, max, [&](uint16_t c) { return UnitChar(c, table); }, word, &t, &at_end);
    if (k < 1 || k > max) return false;
    if (!at_end && !Has(t, kTypoBlank | kTypoSentencePunct)) return false;
    return InList(list, word, k) || (k >= 2 && word[k - 1] == '.' && InList(list, word, k - 1));
  }

  Outcome AfterDigits() {
    const WordList& list = o_.lists[kListAfterDigits];
    if (!(o_.nbsp_after_digits && IsTypoDigit(ch_) && HasNext() && Has(n_, kTypoSpace))) {
      return kNotApplied;
    }
    if (!WordFollows(next_pos_ + 1, list, list.longest + 1)) return kNotApplied;
    Mark(next_pos_);
    return kAdvance;
  }

  bool SpaceWithNext() const { return HasNext() && Has(ch_, kTypoSpace); }

  Outcome BeforeWords() {
    const WordList& list = o_.lists[kListBeforeWords];
    if (!(o_.nbsp_before_words && SpaceWithNext())) return kNotApplied;
    if (!WordFollows(next_pos_, list, list.longest)) return kNotApplied;
    Mark(cur_);
    return kAdvance;
  }

  Outcome BeforeDigit() {
    if (!(o_.nbsp_before_digits && SpaceWithNext() && IsTypoDigit(n_))) return kNotApplied;
    Mark(cur_);
    return kAdvance;
  }

  Outcome BeforeRoman() {
    if (!(o_.nbsp_before_roman && SpaceWithNext())) return kNotApplied;
    uint8_t word[kWordListSize];
    uint16_t t = 0;
    bool at_end = false;
    const TypoCharTable& table = t_;
    const int32_t k = Scan(
        next_pos_, end_, kKeyWordMax, [&](uint16_t c) { return table.Is(c, kTypoRomanLetter); },
        word, &t, &at_end);
    if (k < 1 || k > kKeyWordMax) return kNotApplied;
    if (!at_end && !Has(t, kTypoBlank | kTypoSentencePunct | kTypoDash)) return kNotApplied;
    if (!ReadsAsNumeral(word, k)) return kNotApplied;
    Mark(cur_);
    return kAdvance;
  }

  // Roman letters after this space read as a numeral only where one can
  // stand: not opening a sentence (I wtedy...), and only a single I, V or X,
  // a numeral of I, V and X in its usual form (XIX, III) or one the list of
  // words followed by a non-breaking space holds. Abbreviations that merely
  // consist of Roman letters (CD, XML, CM) are no numerals.
  bool ReadsAsNumeral(const uint8_t* word, int32_t k) const {
    if (!HasPrev() || Has(p_, kTypoBreak) || p_ == '.' || p_ == '!' || p_ == '?' ||
        p_ == kCodeEllipsis) {
      return false;
    }
    return IsSmallRomanNumeral(word, k) ||
           (k >= 2 && InList(o_.lists[kListAfterWords], word, k));
  }

  // --- J. Quotation marks --------------------------------------------------
  Outcome Open() {
    ReplaceCharKeepingAttributes(cur_, quote_depth_ == 0 ? kCodeLowQuote : t_.nested_open);
    ++quote_depth_;
    return kAdvance;
  }

  Outcome Close() {
    ReplaceCharKeepingAttributes(cur_, quote_depth_ <= 1 ? kCodeRightQuote : t_.nested_close);
    if (quote_depth_ > 0) --quote_depth_;
    return kAdvance;
  }

  // A markup tag (<b>, </a>) next to a quotation mark stands for a blank.
  bool SpaceAfter() const { return !HasNext() || Has(n_, kTypoBlank | kTypoDash) || n_ == '<'; }

  // Something other than a blank follows the pair at cur_ and next_pos_.
  bool WordFollowsPair() {
    const int32_t after = s_.Next(next_pos_);
    return after > next_pos_ && !Has(s_.Read(after), kTypoBlank);
  }

  // ",," as typed for „ on a keyboard opens a quotation when it stands before
  // a word (,,tak'' ,,%s''); it never counts as two commas. Left alone when
  // quotation marks are not corrected, and before a blank (two commas typed).
  Outcome AsciiOpening() {
    const int32_t after = s_.Next(next_pos_);
    // ",,," is a comma and then the pair.
    if (after > next_pos_ && s_.Read(after) == ',') return kNotApplied;
    if (!o_.quotes || !WordFollowsPair()) {
      comma_left_ = next_pos_;
      return kAdvance;
    }
    if (!DeleteAt(next_pos_)) return kAdvance;
    return Open();
  }

  // "''" after a word closes a quotation; anywhere else (an empty argument:
  // -t '', or spaced out: ,, X '') it is left as it is.
  Outcome AsciiClosing() {
    if (!o_.quotes || !HasPrev() || Has(p_, kTypoBlank | kTypoOpenBracket | kTypoDash)) {
      return kAdvance;
    }
    if (!DeleteAt(next_pos_)) return kAdvance;
    return Close();
  }

  Outcome CloseOrOpen(bool closing_context) {
    const bool space_after = SpaceAfter();
    if (Has(p_, kTypoQuote) && !space_after) return Open();
    if (!closing_context && !space_after && !Has(n_, kTypoQuote)) {
      return StopAt(MACCE("Quotation mark between two non-spaces"));
    }
    return Close();
  }

  Outcome Quotation() {
    if (ch_ == kCodeSingleLowQuote) ++single_depth_;
    if (!(o_.quotes && Has(ch_, kTypoQuote))) return kNotApplied;
    // The value of a markup attribute (href="x.html") is no quotation.
    if (ch_ == '"' && (in_attribute_ || p_ == '=')) {
      in_attribute_ = !in_attribute_;
      return kAdvance;
    }
    // The ’ that closes a single quotation ‚…’ stays as it is.
    if (ch_ == kCodeApostrophe && single_depth_ > 0 && !(IsTypoAlnum(p_) && IsTypoAlnum(n_))) {
      --single_depth_;
      return kAdvance;
    }
    const bool guess = o_.guess_quotes != 0;
    const bool spaces = o_.quote_spaces != 0;
    if (Has(p_, kTypoBlank) && Has(n_, kTypoBlank)) {
      const char* between_spaces = MACCE("Quotation mark between two spaces");
      if (!guess) return StopAt(between_spaces);
      if (quote_depth_ < 1) {
        if (Has(n_, kTypoSpace) && spaces) return InPlaceIf(DeleteAt(next_pos_));
        return StopAt(between_spaces);
      }
      if (Has(p_, kTypoSpace) && spaces) {
        const int32_t at = prev_pos_;
        if (!DeleteAt(at)) return kAdvance;
        cur_ = at;
        return kInPlace;
      }
      return StopAt(between_spaces);
    }
    const bool dashes = Has(p_, kTypoDash) && Has(n_, kTypoDash);
    const bool letters = IsTypoAlnum(p_) && IsTypoAlnum(n_);
    if (dashes || letters) {
      if (letters && ch_ == kCodeApostrophe) return kAdvance;
      if (!guess) return StopAt(MACCE("Quotation mark between two non-spaces"));
      if (quote_depth_ < 1) {
        if (!spaces) return Open();
        s_.Select(cur_, cur_ + 1, 0);
        if (!InsertAt(cur_, ' ')) return kAdvance;
        ++cur_;
        return kInPlace;
      }
      if (!spaces) return CloseOrOpen(true);
      s_.Select(next_pos_, next_pos_ + 1, 0);
      return InPlaceIf(InsertAt(next_pos_, ' '));
    }
    if (!HasPrev() || Has(p_, kTypoBlank | kTypoDash) || Has(p_, kTypoOpenBracket) ||
        Has(n_, kTypoOpenBracket) || (p_ == '>' && IsTypoAlnum(n_))) {
      return Open();
    }
    return CloseOrOpen(Has(p_, kTypoCloseBracket | kTypoSentencePunct) ||
                       Has(n_, kTypoCloseBracket | kTypoSentencePunct));
  }

  TypoStory& s_;
  const TypographyOptions& o_;
  const TypoCharTable& t_;
  int32_t length_ = 0;
  UrlWords urls_;
  int32_t sel_start_ = 0, sel_end_ = 0;
  int32_t start_ = 0, end_ = 0, cur_ = 0;
  int32_t quote_depth_ = 0;     // quotations „ opened and not closed
  int32_t single_depth_ = 0;    // single quotations ‚ opened and not closed by ’
  bool in_attribute_ = false;   // after the " that opens a markup attribute's value
  int32_t comma_left_ = kNone;  // the second comma of a ",," left as it is
  uint16_t ch_ = 0, p_ = kNoCharacter, n_ = kNoCharacter;
  int32_t prev_pos_ = kNone, next_pos_ = kNone;
  bool prev_known_ = false;
  bool next_known_ = false;
  int32_t next_found_ = kNone;
  uint16_t next_char_ = kNoCharacter;
};

}  // namespace

TypoResult RunTypography(TypoStory& story, const TypographyOptions& options,
                         const TypoCharTable& table, bool use_selection) {
  Pass pass(story, options, table);
  return pass.Run(use_selection);
}
