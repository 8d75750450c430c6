// The check run: which text a command covers, the word walker, the range
// check with its skip rules and lists, replacements, and the run's end.
#include "spell/spell_run.h"

#include <algorithm>

#include "base/macce.h"
#include "base/words.h"
#include "spell/spell_misspelled.h"
#include "dialogs/xt40_dialog.h"
#include "services/host.h"
#include "services/services.h"
#include "spell/engine/spell.h"
#include "spell/engine/user_dict.h"
#include "text/story_text.h"

namespace {

inline constexpr uint16_t kParagraphEnd = 13;
inline constexpr int kContextReach = 30;

void MakeCurrent(xt_box box) {
  if (GetCurrentBox() != box) SetCurrentBox(box);
}

// The host's next position after `position`, never beyond `limit`; a host
// that does not move on ends the walk.
int32_t StepIn(xt_story story, int32_t position, int32_t limit) {
  const int32_t next = NextPosition(story, position);
  return next <= position || next > limit ? limit : next;
}

int32_t StepBackIn(xt_story story, int32_t position) {
  const int32_t previous = PreviousPosition(story, position);
  return previous < 0 || previous >= position ? -1 : previous;
}

int32_t WordStartBefore(xt_story story, int32_t position) {
  for (int32_t before = StepBackIn(story, position);
       before >= 0 && IsWordChar(ReadChar(story, before)); before = StepBackIn(story, before)) {
    position = before;
  }
  return position;
}

int32_t WordEndFrom(xt_story story, int32_t position, int32_t length) {
  while (position < length && IsWordChar(ReadChar(story, position))) {
    position = StepIn(story, position, length);
  }
  return position;
}

char Shown(uint16_t c) { return c < 32 || c > 255 ? ' ' : static_cast<char>(c); }

}  // namespace

void SpellCheckRun::SavedSelection::Shift(xt_story changed, int32_t from, int32_t to,
                                          int32_t new_length) {
  if (changed != story) return;
  auto shift = [&](int32_t p) {
    if (p >= to) return p + new_length - (to - from);
    if (p > from) return std::min(p, from + new_length);
    return p;
  };
  start = shift(start);
  end = shift(end);
}

void SpellCheckRun::SavedSelection::Restore() const {
  if (story == 0) return;
  const int32_t length = StoryLength(story);
  const int32_t s = std::clamp(start, 0, std::max(length, 0));
  const int32_t e = std::clamp(end, s, std::max(length, 0));
  SetStorySelection(story, s, e, 0);
}

SpellCheckRun::SpellCheckRun(CheckMode mode, DictPrefs& prefs) : mode_(mode), prefs_(prefs) {}

void SpellCheckRun::Run() {
  if (!session_.Open()) return;
  const bool ready = Prepare();
  if (ready && FindError()) RunDialog();
  Finish();
  if (!ready || error_found_) return;
  const char* message = MACCE("There are no errors in the selection.");
  if (mode_ == CheckMode::kWord && words_ < 2) message = MACCE("Word is spelled correctly");
  if (mode_ == CheckMode::kDocument) message = MACCE("There is no errors at all");
  Alert(0, "", message);
  MakeCurrent(home_box_);
  if (home_has_selection_) home_selection_.Restore();
}

bool SpellCheckRun::Prepare() {
  home_box_ = GetCurrentBox();
  if (IsTextBox(home_box_) && GetCurrentTool() == kContentTool) {
    home_has_selection_ = GetStorySelection(home_box_, &home_selection_.story,
                                            &home_selection_.start, &home_selection_.end,
                                            nullptr) == 0;
  }
  if (mode_ == CheckMode::kDocument) return true;
  int32_t length = 0;
  if (GetStorySelection(home_box_, &walker_selection_.story, &walker_selection_.start,
                        &walker_selection_.end, &length) != 0 ||
      length <= 0) {
    return false;
  }
  const xt_story story = walker_selection_.story;
  const int32_t start = std::clamp(walker_selection_.start, 0, length);
  const int32_t end = std::clamp(walker_selection_.end, start, length);
  if (mode_ == CheckMode::kWord) {
    word_start_ = WordStartBefore(story, start);
    word_end_ = WordEndFrom(story, end, length);
    return word_start_ < word_end_;
  }
  story_start_ = WordStartBefore(story, start);
  return true;
}

void SpellCheckRun::Finish() {
  walker_selection_.Restore();
  session_.Close();
  ignore_all_.clear();
  change_all_.clear();
}

void SpellCheckRun::RunDialog() {
  gEnvironmentSuite->modal_state(2);
  {
    CDictMissDialog dialog(*this);
    dialog.Run();
  }
  gEnvironmentSuite->modal_state(1);
  stop_ = true;
}

bool SpellCheckRun::FindError() {
  while (!stop_) {
    if (CheckSegment()) return true;
    if (!NextSegment()) return false;
  }
  return false;
}

bool SpellCheckRun::NextError() {
  if (stop_) return false;
  if (story_ != 0) gEnvironmentSuite->activate_story_window(story_);
  return FindError();
}

// ---- Which text a command covers ----

bool SpellCheckRun::NextSegment() {
  if (in_visit_ && visit_inline_ && NextInlineBox()) return true;
  in_visit_ = false;
  return !stop_ && NextVisit();
}

bool SpellCheckRun::NextVisit() {
  const int32_t visit = visits_;
  switch (mode_) {
    case CheckMode::kWord:
      if (visit != 0) return false;
      StartVisit(home_box_, word_start_, word_end_, false);
      return true;
    case CheckMode::kStory:
      if (visit == 0) {
        StartVisit(home_box_, story_start_, -1, true);
        return true;
      }
      if (visit == 1 && story_start_ != 0) {
        MakeCurrent(home_box_);
        if (QuestionAlert(MACCE("Do you want to check from the beginning of story?"), false) ==
            XT_ANSWER_YES) {
          const int32_t head_end = story_start_;
          story_start_ = 0;
          StartVisit(home_box_, 0, head_end, true);
          return true;
        }
      }
      return false;
    case CheckMode::kDocument:
      if (!NextDocumentBox()) return false;
      StartVisit(page_box_, 0, -1, true);
      return true;
  }
  return false;
}

bool SpellCheckRun::NextDocumentBox() {
  const int32_t pages = PageCount();
  while (!stop_) {
    if (page_box_ != 0) page_box_ = NextBoxOnPage(page_box_);
    while (page_box_ == 0) {
      if (++page_ > pages) return false;
      page_box_ = FirstBoxOfPage(page_);
    }
    if (IsTextBox(page_box_) && PreviousLinkedBox(page_box_) == 0 && StoryWanted(page_box_)) {
      return true;
    }
  }
  return false;
}

// Inline text boxes anchored in the range just checked, each whole, in story
// order; the visit's box is current again afterwards.
bool SpellCheckRun::NextInlineBox() {
  if (!in_inline_) {
    in_inline_ = true;
    walk_->CoverAnchors(segment_start_, end_);
  }
  const xt_box box = stop_ ? 0 : walk_->Next();
  if (box == 0) {
    walk_->Rewind();
    return false;
  }
  StartSegment(box, 0, -1);
  return true;
}

void SpellCheckRun::StartVisit(xt_box box, int32_t start, int32_t end, bool with_inline) {
  ++visits_;
  in_visit_ = true;
  visit_inline_ = with_inline;
  in_inline_ = false;
  walk_.reset();
  walk_.emplace(box);
  walk_->Next();
  StartSegment(box, start, end);
}

void SpellCheckRun::StartSegment(xt_box box, int32_t start, int32_t end) {
  int32_t length = 0;
  box_ = box;
  if (GetStorySelection(box, &story_, nullptr, nullptr, &length) != 0) length = 0;
  end_ = end < 0 ? length : std::min(end, length);
  position_ = std::clamp(start, 0, end_);
  segment_start_ = position_;
  if (story_ != 0) gEnvironmentSuite->activate_story_window(story_);
}

// ---- The range check ----

bool SpellCheckRun::CheckSegment() {
  while (!stop_ && NextWord()) {
    ++words_;
    if (taken_too_long_) continue;
    if (prefs_.skip_with_digits && (taken_flags_ & kWordDigit)) continue;
    if (prefs_.skip_all_capitals && (taken_flags_ & kWordAllCapitals)) continue;
    if (Ignored(taken_)) continue;
    if (const ChangeEntry* change = ChangeFor(taken_)) {
      Replace(ApplyCasePattern(change->replacement, taken_flags_));
      continue;
    }
    const bool abbreviation = taken_end_ < end_ && ReadChar(story_, taken_end_) == '.';
    // The options dialog may switch compounds in the middle of a run.
    spell_dict_set_compounds(spell_default_dict(), prefs_.accept_compounds != 0);
    if (spell_check_word_ex(taken_.c_str(), abbreviation ? 1 : 0) != 0 ||
        userdict_contains(user_dictionary(), taken_.c_str()) != 0) {
      continue;
    }
    error_found_ = true;
    current_word_ = taken_.substr(0, std::min(taken_.size(), kShownWordLimit - 1));
    suggestions_.clear();
    if (prefs_.always_suggest) suggestions_ = SuggestionsFor(current_word_);
    change_to_ = suggestions_.empty() ? current_word_ : suggestions_.front();
    return true;
  }
  return false;
}

bool SpellCheckRun::NextWord() {
  TakenWord word;
  if (!TakeWord([this](int32_t p) { return ReadChar(story_, p); },
                [this](int32_t p) { return StepIn(story_, p, end_); }, position_, end_, word)) {
    return false;
  }
  taken_start_ = word.start;
  taken_end_ = word.end;
  taken_ = std::move(word.text);
  taken_too_long_ = word.too_long;
  taken_flags_ = word.flags;
  return true;
}

bool SpellCheckRun::Ignored(const std::string& word) const {
  return std::any_of(ignore_all_.begin(), ignore_all_.end(), [&](const IgnoreEntry& entry) {
    return word == entry.written || word == entry.small;
  });
}

const SpellCheckRun::ChangeEntry* SpellCheckRun::ChangeFor(const std::string& word) const {
  const std::string small = SmallLetters(word);
  for (auto entry = change_all_.rbegin(); entry != change_all_.rend(); ++entry) {
    if (entry->small == small) return &*entry;
  }
  return nullptr;
}

// ---- Changes ----

bool SpellCheckRun::Replace(const std::string& text) {
  if (text.size() >= kReplacementLimit) return false;
  const int32_t new_length = static_cast<int32_t>(text.size());
  const int32_t delta = new_length - (taken_end_ - taken_start_);
  {
    // The new text goes in behind the word first, taking the attributes at
    // the word's start, so that a failed insertion loses nothing.
    const RedrawOffScope redraw;
    SetSelection(box_, taken_start_, taken_start_, 0);
    if (WriteCharsInCurrentBox(taken_end_, new_length,
                               reinterpret_cast<const uint8_t*>(text.data())) != 0) {
      return false;
    }
    DeleteChars(box_, taken_start_, taken_end_);
  }
  home_selection_.Shift(story_, taken_start_, taken_end_, new_length);
  walker_selection_.Shift(story_, taken_start_, taken_end_, new_length);
  position_ += delta;
  end_ += delta;
  taken_end_ = taken_start_ + new_length;
  return true;
}

bool SpellCheckRun::Change(const std::string& text) {
  if (story_ != 0) gEnvironmentSuite->activate_story_window(story_);
  return Replace(text);
}

bool SpellCheckRun::ChangeAll(const std::string& text) {
  const std::string word = taken_;
  if (!Change(text)) return false;
  change_all_.push_back(ChangeEntry{SmallLetters(word), text});
  return true;
}

void SpellCheckRun::IgnoreAll() { ignore_all_.push_back(IgnoreEntry{SmallLetters(taken_), taken_}); }

void SpellCheckRun::AddCurrentWord() {
  UserDict* user = user_dictionary();
  if (user != nullptr && userdict_add_word(user, current_word_.c_str()) == kUserDictNotSaved) {
    SaveFailedAlert(userdict_path(user), userdict_save_error(user));
  }
}

void SpellCheckRun::ShowCurrentWord() {
  if (story_ == 0) return;
  gEnvironmentSuite->activate_story_window(story_);
  SetSelection(box_, taken_start_, taken_end_, 1);
}

bool SpellCheckRun::IsCorrect(const std::string& word) const {
  return spell_check_word(word.c_str()) != 0 ||
         userdict_contains(user_dictionary(), word.c_str()) != 0;
}

std::vector<std::string> SpellCheckRun::SuggestionsFor(const std::string& word) const {
  std::vector<std::string> words;
  const uint16_t flags = WordFlags(word.c_str());
  SpellSuggestion* list = spell_suggest(word.c_str());
  for (const SpellSuggestion* s = list; s != nullptr; s = s->next) {
    words.push_back(ApplyCasePattern(s->word, flags));
  }
  spell_free_suggestions(list);
  return words;
}

std::string SpellCheckRun::Context() const {
  if (story_ == 0) return {};
  const int32_t length = StoryLength(story_);
  std::string before;
  int32_t at = taken_start_;
  for (int i = 0; i < kContextReach; ++i) {
    at = StepBackIn(story_, at);
    if (at < 0) break;
    const uint16_t c = ReadChar(story_, at);
    if (c == kParagraphEnd) break;
    before.insert(before.begin(), Shown(c));
  }
  std::string text = before + "[";
  for (at = taken_start_; at < taken_end_; at = StepIn(story_, at, taken_end_)) {
    text.push_back(Shown(ReadChar(story_, at)));
  }
  text += "]";
  at = taken_end_;
  for (int i = 0; i < kContextReach && at < length; ++i) {
    const uint16_t c = ReadChar(story_, at);
    if (c == kParagraphEnd) break;
    text.push_back(Shown(c));
    at = StepIn(story_, at, length);
  }
  return text;
}
