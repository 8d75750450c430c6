// One spell-check command from start to end: the text it covers (a word or
// selection, a story with its inline boxes, or every story of the document),
// the word walker, the ignore-all and change-all lists, replacements in the
// story and the closing messages. The misspelled-word dialog drives the run
// from one error to the next through the services below.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "spell/spell_open.h"
#include "spell/spell_options.h"
#include "text/box_walk.h"
#include "xtapi/xtapi.h"

enum class CheckMode { kWord = 0, kStory = 1, kDocument = 2 };

// Replacement texts must be shorter than this.
inline constexpr size_t kReplacementLimit = 256;
// A misspelled word of this length or more is shown (and added) cut to one
// character less.
inline constexpr size_t kShownWordLimit = 50;

class SpellCheckRun {
 public:
  SpellCheckRun(CheckMode mode, DictPrefs& prefs);
  SpellCheckRun(const SpellCheckRun&) = delete;
  SpellCheckRun& operator=(const SpellCheckRun&) = delete;

  // Opens the engine, walks the text, runs the dialog on the first error and
  // closes everything again.
  void Run();

  // ---- For the misspelled-word dialog ----
  // Goes on to the next misspelled word; false when the text is exhausted or
  // the run was stopped.
  bool NextError();
  // Replaces the current word in the story; false (nothing changed) for a
  // text of kReplacementLimit characters or more, or one the story refuses.
  bool Change(const std::string& text);
  // Change, and replace every later occurrence of the word in this run.
  bool ChangeAll(const std::string& text);
  void IgnoreAll();
  void AddCurrentWord();
  // Brings the story's window to the front and selects the current word.
  void ShowCurrentWord();
  void Stop() { stop_ = true; }

  // Accepted by the engine or the user dictionary.
  bool IsCorrect(const std::string& word) const;
  // Suggestions for `word` in its case pattern, alphabetical.
  std::vector<std::string> SuggestionsFor(const std::string& word) const;

  const std::string& current_word() const { return current_word_; }
  const std::string& change_to() const { return change_to_; }
  const std::vector<std::string>& suggestions() const { return suggestions_; }
  // The current word in its line: a few words either side, the word in [ ].
  std::string Context() const;
  DictPrefs& prefs() { return prefs_; }
  UserDict* user_dictionary() const { return session_.user_dictionary(); }

 private:
  struct IgnoreEntry {
    std::string small;
    std::string written;
  };
  struct ChangeEntry {
    std::string small;
    std::string replacement;
  };
  // A selection remembered across replacements in its story.
  struct SavedSelection {
    xt_story story = 0;
    int32_t start = 0;
    int32_t end = 0;
    void Shift(xt_story changed, int32_t from, int32_t to, int32_t new_length);
    void Restore() const;
  };

  bool Prepare();
  void Finish();
  void RunDialog();
  // Walks on from the walker's position through the remaining text; true at
  // a misspelled word, which becomes the current word.
  bool FindError();
  // Takes words of the current segment; true at a misspelled word.
  bool CheckSegment();
  // Sets the walker on the next piece of text; false when there is none.
  bool NextSegment();
  bool NextVisit();
  bool NextInlineBox();
  void StartVisit(xt_box box, int32_t start, int32_t end, bool with_inline);
  void StartSegment(xt_box box, int32_t start, int32_t end);
  bool NextDocumentBox();

  // Word walker.
  bool NextWord();
  bool Ignored(const std::string& word) const;
  const ChangeEntry* ChangeFor(const std::string& word) const;
  bool Replace(const std::string& text);

  CheckMode mode_;
  DictPrefs& prefs_;
  SpellSession session_;
  bool stop_ = false;
  bool error_found_ = false;
  int32_t words_ = 0;
  int32_t story_start_ = 0;

  // Where the run began.
  xt_box home_box_ = 0;
  bool home_has_selection_ = false;
  SavedSelection home_selection_;    // restored at the end when nothing was found
  SavedSelection walker_selection_;  // given back to the checked story

  // The piece of text being walked.
  xt_box box_ = 0;
  xt_story story_ = 0;
  int32_t position_ = 0;
  int32_t end_ = 0;
  int32_t segment_start_ = 0;
  // The current visit: a range of one story, then its inline boxes.
  bool in_visit_ = false;
  bool visit_inline_ = false;
  bool in_inline_ = false;
  std::optional<BoxWalk> walk_;
  int32_t visits_ = 0;
  // Check Word: the widened range. Document: the page and box reached.
  int32_t word_start_ = 0;
  int32_t word_end_ = 0;
  int32_t page_ = 0;
  xt_box page_box_ = 0;

  // The word the walker took last.
  int32_t taken_start_ = 0;
  int32_t taken_end_ = 0;
  std::string taken_;
  bool taken_too_long_ = false;
  uint16_t taken_flags_ = 0;

  // The error the dialog shows.
  std::string current_word_;
  std::string change_to_;
  std::vector<std::string> suggestions_;

  std::vector<IgnoreEntry> ignore_all_;
  std::vector<ChangeEntry> change_all_;
};
