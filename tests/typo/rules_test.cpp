// The typography pass on stories held in memory: the options and corner cases
// the fixtures through the real host (tests/data/typo) leave out, the range
// and selection bookkeeping, and hostile stories.
#include <gtest/gtest.h>

#include <string>

#include "tests/typo/memory_story.h"
#include "typo/typo_rules.h"

namespace {

struct Outcome {
  std::string text;
  TypoResult result;
  int32_t sel_start, sel_end;
  std::vector<std::string> alerts;
};

Outcome Typeset(const std::string& text, const TypographyOptions& options, int32_t sel_start = 0,
                int32_t sel_end = 0) {
  MemoryStory story(text, sel_start, sel_end);
  TypoCharTable table;
  BuildTypoCharTable(table, options);
  const TypoResult result = RunTypography(story, options, table, true);
  return {story.Utf8(), result, story.SelStart(), story.SelEnd(), story.alerts};
}

std::string Typeset(const std::string& text) {
  return Typeset(text, DefaultTypographyOptions()).text;
}

// One story under the default options changed by `tweak`; "~" is a marked
// space and "^" follows any other marked character.
struct Row {
  const char* text;
  const char* expected;
  void (*tweak)(TypographyOptions&) = nullptr;
};

TEST(TypoRules, OptionsAndCornerCases) {
  const Row rows[] = {
      {"ab\u00A0\u00A0cd", "ab\u00A0\u00A0cd"},  // only ordinary spaces collapse
      {"ab  cd", "ab  cd", [](TypographyOptions& o) { o.repeated_spaces = 0; }},
      {"(x,y), a,b", "(x,y), a, b",
       [](TypographyOptions& o) { PadWordList(o.lists[kListExceptions], "x,y"); }},
      {"\"x,y\": a,b", "„x,y”: a, b",
       [](TypographyOptions& o) { PadWordList(o.lists[kListExceptions], "x,y"); }},
      // An address broken by a deletion is read again.
      {"zob. http://a.b,c", "zob. http:a.b, c",
       [](TypographyOptions& o) { std::strcpy(o.deleted_chars, "/"); }},
      {"to - tamto", "to –^~tamto"},
      {"to - tamto", "to — tamto", [](TypographyOptions& o) { o.dash_kind = o.nbsp_after_dash = 0; }},
      // Any stored value other than 0 gives the en dash; the hyphen never vanishes.
      {"to - tamto", "to – tamto",
       [](TypographyOptions& o) {
         o.dash_kind = 7;
         o.nbsp_after_dash = 0;
       }},
      // A toggle over both would switch the space's mark off.
      {"to -~tamto", "to –^~tamto"},
      {"to -^ tamto", "to –^~tamto"},
      {"\"Ala \"ma\" kota\"", "„Ala „ma” kota”", [](TypographyOptions& o) { o.nested_style = 7; }},
      {"\"Ala\r\"ma\" kota", "„Ala\r„ma” kota", [](TypographyOptions& o) { o.nested_style = 2; }},
      {"x '' y", "x '' y"},
      // Listed characters are deleted, lookalikes are not.
      {"łódź Łódź 10³", "ódź Łódź~10³",
       [](TypographyOptions& o) { std::strcpy(o.deleted_chars, "\xB3"); }},
      {"中,( \"中\" Ā,ā", "中,(„中” Ā,ā"},  // foreign characters have no class
      {"„Ala”", "„Ala”"},
      // A character in both lists of one side.
      {"ab ,c", "ab, c",
       [](TypographyOptions& o) {
         std::strcpy(o.remove_before_chars, ",");
         std::strcpy(o.insert_before_chars, ",");
       }},
      // Transparent characters are skipped as neighbours.
      {"tak \x1E,nie", "tak\x1E, nie"},
      {"ab \x1E\x1E ,c", "ab\x1E\x1E, c"},
      {"", ""},
      {" ", " "},
  };
  for (const Row& row : rows) {
    TypographyOptions o = DefaultTypographyOptions();
    if (row.tweak) row.tweak(o);
    EXPECT_EQ(Typeset(row.text, o).text, row.expected) << row.text;
  }
}

TEST(TypoRules, SecondPassChangesNothing) {
  const std::string once = Typeset("to - tamto w domu 10 kg firma Sp. z o.o. rozdział XII.");
  EXPECT_EQ(once, "to –^~tamto w~domu~10~kg firma~Sp. z~o.o. rozdział~XII.");
  EXPECT_EQ(Typeset(once), once);
}

TEST(TypoRules, QuotationMarkThatCannotBePlacedStopsWithAlert) {
  TypographyOptions guessing = DefaultTypographyOptions();
  guessing.guess_quotes = 1;
  Outcome run = Typeset("ab \" cd", guessing);  // guessing without the space fix
  EXPECT_EQ(run.result, TypoResult::kStopped);
  EXPECT_EQ(run.sel_start, 3);
  EXPECT_EQ(run.alerts.size(), 1u);
  run = Typeset("ab\"cd", DefaultTypographyOptions());
  EXPECT_EQ(run.result, TypoResult::kStopped);
  ASSERT_EQ(run.alerts.size(), 1u);
  EXPECT_EQ(run.alerts[0], "Quotation mark between two non-spaces");
}

TEST(TypoRules, RefusedEditsDoNotLoop) {
  MemoryStory story("xy  qq ( cc");
  story.refuse_edits = 1000;
  const TypographyOptions o = DefaultTypographyOptions();
  TypoCharTable table;
  BuildTypoCharTable(table, o);
  EXPECT_EQ(RunTypography(story, o, table, true), TypoResult::kDone);
  EXPECT_EQ(story.Utf8(), "xy  qq ( cc");
}

// A caret means the whole story and stays on its character; a selection of
// the last character is processed too.
TEST(TypoRules, SelectionFollowsTheEdits) {
  Outcome run = Typeset("ab  cd  ef", DefaultTypographyOptions(), 8, 8);
  EXPECT_EQ(run.text, "ab cd ef");
  EXPECT_EQ(run.sel_start, 6);
  EXPECT_EQ(run.sel_end, 6);
  run = Typeset("ab cd ,", DefaultTypographyOptions(), 6, 7);
  EXPECT_EQ(run.text, "ab cd,");
  EXPECT_EQ(run.sel_start, 5);
  EXPECT_EQ(run.sel_end, 6);
}

TEST(TypoRules, StoryOfQuotationMarksOnly) {
  EXPECT_EQ(Typeset(std::string(2000, '"'), DefaultTypographyOptions()).result, TypoResult::kDone);
}

// Stories where every character looks far around it are still read in a
// number of steps linear in their length.
int64_t Reads(const std::string& text, std::string* out = nullptr) {
  MemoryStory story(text);
  const TypographyOptions o = DefaultTypographyOptions();
  TypoCharTable table;
  BuildTypoCharTable(table, o);
  RunTypography(story, o, table, true);
  if (out) *out = story.Utf8();
  return story.reads;
}

TEST(TypoRules, LongWordsAndRunsAreReadInLinearTime) {
  std::string commas, mail = "x@", out;
  for (int i = 0; i < 200000; ++i) commas += "a,";
  for (int i = 0; i < 100000; ++i) mail += "a,";
  EXPECT_LT(Reads(commas, &out), 40 * 600000);
  EXPECT_EQ(out.size(), 599999u);  // a space after every comma but the last
  EXPECT_LT(Reads(mail, &out), 40 * static_cast<int64_t>(mail.size()));
  EXPECT_EQ(out, mail);
  const std::string marks = "ab " + std::string(200000, '\x1E') + " ,c";
  EXPECT_LT(Reads(marks, &out), 10 * static_cast<int64_t>(marks.size()));
  EXPECT_EQ(out, "ab" + std::string(200000, '\x1E') + ", c");
}

// Random short stories under random options (fixed seed): the pass always
// ends, edits each character a bounded number of times, and leaves the
// selection inside the story.
TEST(TypoRules, RandomStoriesAndOptionsAlwaysEnd) {
  const char* pieces[] = {" ",  "  ", "a",  "w",   "1",     "X",    "I",      ".",
                          ",",  "(",  ")",  "[",   "\"",    "„",    "”",      "’",
                          "«",  "»",  "-",  "–",   "@",     "\x1E", "\u00A0", "\t",
                          "\n", "kg", "zł", "Sp.", "m.in.", "www.", "中"};
  const char* lists[] = {"", ".,", "(", "([{", ".,;:!?)]}", "\"-", " ,(", "a"};
  uint32_t seed = 12345;
  auto next = [&seed](uint32_t n) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % n;
  };
  for (int round = 0; round < 3000; ++round) {
    std::string text;
    const uint32_t parts = next(30);
    for (uint32_t i = 0; i < parts; ++i) text += pieces[next(std::size(pieces))];
    TypographyOptions o = DefaultTypographyOptions();
    for (int16_t* flag : {&o.quotes, &o.guess_quotes, &o.quote_spaces, &o.dash, &o.repeated_spaces,
                          &o.remove_before, &o.insert_before, &o.remove_after, &o.insert_after,
                          &o.delete_chars, &o.space_exceptions}) {
      *flag = static_cast<int16_t>(next(2));
    }
    o.nested_style = static_cast<int16_t>(next(6)) - 1;
    for (char* list : {o.remove_before_chars, o.insert_before_chars, o.remove_after_chars,
                       o.insert_after_chars, o.deleted_chars}) {
      CleanCharList(lists[next(std::size(lists))], list, kDeleteListSize);
    }
    MemoryStory story(text);
    const int32_t length = story.Length();
    const int32_t a = length ? static_cast<int32_t>(next(length + 1)) : 0;
    const int32_t b = length ? static_cast<int32_t>(next(length + 1)) : 0;
    story.Select(std::min(a, b), std::max(a, b), 0);
    TypoCharTable table;
    BuildTypoCharTable(table, o);
    RunTypography(story, o, table, next(2) != 0);
    EXPECT_LE(story.edits, 6 * (length + 1)) << text;
    EXPECT_GE(story.SelStart(), 0) << text;
    EXPECT_LE(story.SelStart(), story.SelEnd()) << text;
    EXPECT_LE(story.SelEnd(), story.Length()) << text;
  }
}

// A host that cannot step from one position to the next.
class UnsteppableStory : public MemoryStory {
 public:
  using MemoryStory::MemoryStory;
  int32_t Next(int32_t) override { return -1; }
};

TEST(TypoRules, RangeThatCannotBeSteppedKeepsTheSelection) {
  UnsteppableStory story("ab  cd", 1, 3);
  const TypographyOptions o = DefaultTypographyOptions();
  TypoCharTable table;
  BuildTypoCharTable(table, o);
  EXPECT_EQ(RunTypography(story, o, table, true), TypoResult::kDone);
  EXPECT_EQ(story.Utf8(), "ab  cd");
  EXPECT_EQ(story.SelStart(), 1);
  EXPECT_EQ(story.SelEnd(), 3);
}

}  // namespace
