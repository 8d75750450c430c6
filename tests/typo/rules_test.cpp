// The typography pass on stories held in memory: each rule of the chain, the
// range and selection bookkeeping, quotation depth, and hostile stories.
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

TEST(TypoRules, RepeatedSpacesCollapseOnlyOrdinarySpaces) {
  EXPECT_EQ(Typeset("ab  cd"), "ab cd");
  EXPECT_EQ(Typeset("ab    cd"), "ab cd");
  EXPECT_EQ(Typeset("ab\u00A0\u00A0cd"), "ab\u00A0\u00A0cd");
  TypographyOptions off = DefaultTypographyOptions();
  off.repeated_spaces = 0;
  EXPECT_EQ(Typeset("ab  cd", off).text, "ab  cd");
}

TEST(TypoRules, SpacesAroundPunctuation) {
  EXPECT_EQ(Typeset("tak ,nie"), "tak, nie");
  EXPECT_EQ(Typeset("( tekst )"), "(tekst)");
  EXPECT_EQ(Typeset("a(b"), "a (b");
  EXPECT_EQ(Typeset("koniec!nowe"), "koniec! nowe");
  EXPECT_EQ(Typeset("(tak).Nie"), "(tak). Nie");
  EXPECT_EQ(Typeset("koniec !"), "koniec!");
}

TEST(TypoRules, NoSpaceBetweenDigitsInUrlsOrExceptions) {
  EXPECT_EQ(Typeset("3,14"), "3,14");
  EXPECT_EQ(Typeset("1.000"), "1.000");
  EXPECT_EQ(Typeset("www.onet.pl"), "www.onet.pl");
  EXPECT_EQ(Typeset("zob. http://x.pl,tu"), "zob. http://x.pl,tu");
  EXPECT_EQ(Typeset("jan@x.pl"), "jan@x.pl");
  EXPECT_EQ(Typeset("jan.kowalski@x.pl"), "jan.kowalski@x.pl");
  EXPECT_EQ(Typeset("patrz m.in."), "patrz m.in.");
  EXPECT_EQ(Typeset("firma S.A. jest"), "firma~S.A. jest");
}

TEST(TypoRules, WordsWrittenWithoutBlanksKeepTheirPunctuation) {
  // File names, domains, extensions and dotted abbreviations.
  EXPECT_EQ(Typeset("texmf.cnf (.odp) gust.org.pl .bashrc"),
            "texmf.cnf (.odp) gust.org.pl .bashrc");
  EXPECT_EQ(Typeset("(m.in. p.n.e., D.E.:"), "(m.in. p.n.e., D.E.:");
  // Addresses of any scheme, and markup.
  EXPECT_EQ(Typeset("https://a.b/c,d (mailto:x.y) file:///a.b,c"),
            "https://a.b/c,d (mailto:x.y) file:///a.b,c");
  EXPECT_EQ(Typeset("\\cite{a:B} &nbsp;x a=b,c"), "\\cite{a:B} &nbsp;x a=b,c");
  EXPECT_EQ(Typeset("<a href=\"x.html\">\"tak\"</a>"), "<a href=\"x.html\">„tak”</a>");
  // Times, numbers and endings in brackets.
  EXPECT_EQ(Typeset("12:30 8.30 1.000,50"), "12:30~8.30~1.000,50");
  EXPECT_EQ(Typeset("poziomem(ami) f() a(b c)"), "poziomem(ami) f() a (b c)");
  // Punctuation between words is still spaced.
  EXPECT_EQ(Typeset("tak,nie:tak;nie .Tak"), "tak, nie: tak; nie .Tak");
}

TEST(TypoRules, ExceptionsHoldInsideBracketsAndBeforePunctuation) {
  TypographyOptions o = DefaultTypographyOptions();
  PadWordList(o.lists[kListExceptions], "x,y");
  EXPECT_EQ(Typeset("(x,y), a,b", o).text, "(x,y), a, b");
  EXPECT_EQ(Typeset("\"x,y\": a,b", o).text, "„x,y”: a, b");
}

TEST(TypoRules, AddressBrokenByADeletionIsReadAgain) {
  TypographyOptions o = DefaultTypographyOptions();
  std::strcpy(o.deleted_chars, "/");
  EXPECT_EQ(Typeset("zob. http://a.b,c", o).text, "zob. http:a.b, c");
}

TEST(TypoRules, SpaceHyphenSpaceBecomesDash) {
  EXPECT_EQ(Typeset("to - tamto"), "to –^~tamto");
  EXPECT_EQ(Typeset("to-tamto"), "to-tamto");
  TypographyOptions em = DefaultTypographyOptions();
  em.dash_kind = 0;
  em.nbsp_after_dash = 0;
  EXPECT_EQ(Typeset("to - tamto", em).text, "to — tamto");
  // Any stored value other than 0 gives the en dash; the hyphen never vanishes.
  em.dash_kind = 7;
  EXPECT_EQ(Typeset("to - tamto", em).text, "to – tamto");
}

TEST(TypoRules, DashMarksOnlyWhatIsNotMarkedYet) {
  // A toggle over both would switch the space's mark off.
  EXPECT_EQ(Typeset("to -~tamto"), "to –^~tamto");
  EXPECT_EQ(Typeset("to -^ tamto"), "to –^~tamto");
}

TEST(TypoRules, NonBreakingAfterListedWords) {
  EXPECT_EQ(Typeset("w domu"), "w~domu");
  EXPECT_EQ(Typeset("W domu"), "W~domu");
  EXPECT_EQ(Typeset("wdomu"), "wdomu");
  EXPECT_EQ(Typeset("przed domem"), "przed~domem");
  EXPECT_EQ(Typeset("przedtem tak"), "przedtem tak");
}

TEST(TypoRules, NonBreakingBetweenNumberAndUnit) {
  EXPECT_EQ(Typeset("10 kg"), "10~kg");
  EXPECT_EQ(Typeset("10 kg."), "10~kg.");
  EXPECT_EQ(Typeset("5 zł"), "5~zł");
  EXPECT_EQ(Typeset("10 kgx"), "10 kgx");
}

TEST(TypoRules, NonBreakingBeforeWordsDigitsAndRomanNumerals) {
  EXPECT_EQ(Typeset("firma Sp. z o.o."), "firma~Sp. z~o.o.");
  EXPECT_EQ(Typeset("rozdział XII."), "rozdział~XII.");
  EXPECT_EQ(Typeset("rozdział XIIa"), "rozdział XIIa");
  EXPECT_EQ(Typeset("strona 12"), "strona~12");
}

TEST(TypoRules, SecondPassChangesNothing) {
  const std::string once = Typeset("to - tamto w domu 10 kg firma Sp. z o.o. rozdział XII.");
  EXPECT_EQ(once, "to –^~tamto w~domu~10~kg firma~Sp. z~o.o. rozdział~XII.");
  EXPECT_EQ(Typeset(once), once);
}

TEST(TypoRules, QuotationMarksGetPolishFormsAndNestedStyles) {
  EXPECT_EQ(Typeset("\"Ala\""), "„Ala”");
  EXPECT_EQ(Typeset("powiedział \"tak\"."), "powiedział „tak”.");
  const std::string nested = "\"Ala \"ma\" kota\" i \"pies\"";
  TypographyOptions o = DefaultTypographyOptions();
  const char* expected[] = {"„Ala „ma” kota” i~„pies”", "„Ala ’ma’ kota” i~„pies”",
                            "„Ala «ma» kota” i~„pies”", "„Ala »ma« kota” i~„pies”"};
  for (int16_t style = 0; style < 4; ++style) {
    o.nested_style = style;
    EXPECT_EQ(Typeset(nested, o).text, expected[style]) << "style " << style;
  }
}

TEST(TypoRules, StrayClosingMarkKeepsLaterQuotationsOuter) {
  TypographyOptions o = DefaultTypographyOptions();
  o.nested_style = 2;
  EXPECT_EQ(Typeset("pies\" i \"kot\"", o).text, "pies” i~„kot”");
}

TEST(TypoRules, NestedStyleOutOfRangeNeverWritesNul) {
  TypographyOptions o = DefaultTypographyOptions();
  o.nested_style = 7;
  EXPECT_EQ(Typeset("\"Ala \"ma\" kota\"", o).text, "„Ala „ma” kota”");
}

TEST(TypoRules, ApostrophesAreLeftAlone) {
  EXPECT_EQ(Typeset("rock’n’roll"), "rock’n’roll");
  EXPECT_EQ(Typeset("don't"), "don't");
  EXPECT_EQ(Typeset("‚wewnętrzny’ i ‚rock’n’roll’ oraz \"tak\""),
            "‚wewnętrzny’ i~‚rock’n’roll’ oraz „tak”");
}

TEST(TypoRules, KeyboardQuotationMarksBecomePolish) {
  EXPECT_EQ(Typeset("napis ,,Ala'' i ,,kot'',"), "napis „Ala” i~„kot”,");
  EXPECT_EQ(Typeset(",,a ,,b'' c''"), "„a~„b” c”");
  EXPECT_EQ(Typeset("tak ,, nie"), "tak ,, nie");  // two commas typed, left alone
  EXPECT_EQ(Typeset("x '' y"), "x '' y");
  EXPECT_EQ(Typeset("Shakespeare'a"), "Shakespeare'a");
  TypographyOptions off = DefaultTypographyOptions();
  off.quotes = 0;
  EXPECT_EQ(Typeset("napis ,,Ala'' ,tak", off).text, "napis ,,Ala'', tak");
}

TEST(TypoRules, QuotationLeftOpenEndsWithItsParagraph) {
  TypographyOptions o = DefaultTypographyOptions();
  o.nested_style = 2;
  EXPECT_EQ(Typeset("\"Ala\r\"ma\" kota", o).text, "„Ala\r„ma” kota");
}

TEST(TypoRules, RomanNumeralsOnlyWhereANumeralCanStand) {
  EXPECT_EQ(Typeset("Koniec. I wtedy"), "Koniec. I~wtedy");
  EXPECT_EQ(Typeset("Jan III Sobieski, XIX wiek, w XX w."), "Jan~III~Sobieski,~XIX~wiek, w~XX~w.");
  EXPECT_EQ(Typeset("płyta CD, format XML, CM, Henryk V"), "płyta CD, format XML, CM, Henryk~V");
  EXPECT_EQ(Typeset("tom XXXIX i tom IIII"), "tom~XXXIX i~tom IIII");
}

TEST(TypoRules, NoTieAfterALetterGluedToItsWord) {
  EXPECT_EQ(Typeset("TeX-a wraz O'Neill-a o x’a w"), "TeX-a wraz O'Neill-a o~x’a w");
}

TEST(TypoRules, BatchRunReportsUnplacedMarksAndGoesOn) {
  MemoryStory story("a \" b ab\"cd \"c\"");
  story.batch = true;
  const TypographyOptions o = DefaultTypographyOptions();
  TypoCharTable table;
  BuildTypoCharTable(table, o);
  EXPECT_EQ(RunTypography(story, o, table, true), TypoResult::kDone);
  EXPECT_EQ(story.Utf8(), "a~\" b ab\"cd „c”");
  EXPECT_TRUE(story.alerts.empty());
  ASSERT_EQ(story.warnings.size(), 2u);
  EXPECT_EQ(story.warnings[0].first, 2);
  EXPECT_EQ(story.warnings[0].second, "Quotation mark between two spaces");
  EXPECT_EQ(story.warnings[1].first, 8);
  EXPECT_EQ(story.warnings[1].second, "Quotation mark between two non-spaces");
}

TEST(TypoRules, QuotationMarkBetweenSpacesStopsWithAlert) {
  const Outcome run = Typeset("a \" b \"c\"", DefaultTypographyOptions());
  EXPECT_EQ(run.result, TypoResult::kStopped);
  EXPECT_EQ(run.text, "a~\" b \"c\"");  // the earlier mark stays, nothing after
  EXPECT_EQ(run.sel_start, 2);
  EXPECT_EQ(run.sel_end, 3);
  ASSERT_EQ(run.alerts.size(), 1u);
  EXPECT_EQ(run.alerts[0], "Quotation mark between two spaces");
}

TEST(TypoRules, GuessingWithoutSpaceFixStopsWithAlertToo) {
  TypographyOptions o = DefaultTypographyOptions();
  o.guess_quotes = 1;
  const Outcome run = Typeset("ab \" cd", o);
  EXPECT_EQ(run.result, TypoResult::kStopped);
  EXPECT_EQ(run.sel_start, 3);
  EXPECT_EQ(run.alerts.size(), 1u);
}

TEST(TypoRules, GuessingWithSpaceFixMovesTheMarkToItsWord) {
  TypographyOptions o = DefaultTypographyOptions();
  o.guess_quotes = 1;
  o.quote_spaces = 1;
  EXPECT_EQ(Typeset("ab \" cd \" ef", o).text, "ab „cd” ef");
  EXPECT_EQ(Typeset("ab\"cd", o).text, "ab „cd");
}

TEST(TypoRules, QuotationMarkBetweenLettersStopsWithoutGuessing) {
  const Outcome run = Typeset("ab\"cd", DefaultTypographyOptions());
  EXPECT_EQ(run.result, TypoResult::kStopped);
  ASSERT_EQ(run.alerts.size(), 1u);
  EXPECT_EQ(run.alerts[0], "Quotation mark between two non-spaces");
}

TEST(TypoRules, ListedCharactersAreDeletedButNotLookalikes) {
  TypographyOptions o = DefaultTypographyOptions();
  std::strcpy(o.deleted_chars, "\xB3");  // ł
  EXPECT_EQ(Typeset("łódź Łódź 10³", o).text, "ódź Łódź~10³");
}

TEST(TypoRules, ForeignCharactersHaveNoClass) {
  EXPECT_EQ(Typeset("中,( \"中\" Ā,ā"), "中,(„中” Ā,ā");
  EXPECT_EQ(Typeset("„Ala”"), "„Ala”");
}

TEST(TypoRules, CharacterInBothListsOfOneSideEnds) {
  TypographyOptions o = DefaultTypographyOptions();
  std::strcpy(o.insert_after_chars, "(");
  EXPECT_EQ(Typeset("(a", o).text, "(a");
  EXPECT_EQ(Typeset("( a", o).text, "(a");
  TypographyOptions before = DefaultTypographyOptions();
  std::strcpy(before.remove_before_chars, ",");
  std::strcpy(before.insert_before_chars, ",");
  EXPECT_EQ(Typeset("ab ,c", before).text, "ab, c");
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

TEST(TypoRules, SelectionIsProcessedAndRestoredOverTheSameText) {
  // "x ( a ,b ) y" with "( a ,b )" selected.
  Outcome run = Typeset("x ( a ,b ) y", DefaultTypographyOptions(), 2, 10);
  EXPECT_EQ(run.text, "x (a, b) y");
  EXPECT_EQ(run.sel_start, 2);
  EXPECT_EQ(run.sel_end, 8);
  run = Typeset("x ( a ,b ) y", DefaultTypographyOptions(), 2, 5);
  EXPECT_EQ(run.text, "x (a ,b ) y");
  EXPECT_EQ(run.sel_start, 2);
  EXPECT_EQ(run.sel_end, 4);
}

TEST(TypoRules, CaretMeansWholeStoryAndStaysOnItsCharacter) {
  const Outcome run = Typeset("ab  cd  ef", DefaultTypographyOptions(), 8, 8);
  EXPECT_EQ(run.text, "ab cd ef");
  EXPECT_EQ(run.sel_start, 6);
  EXPECT_EQ(run.sel_end, 6);
}

TEST(TypoRules, SelectionOfTheLastCharacterIsProcessed) {
  const Outcome run = Typeset("ab cd ,", DefaultTypographyOptions(), 6, 7);
  EXPECT_EQ(run.text, "ab cd,");
  EXPECT_EQ(run.sel_start, 5);
  EXPECT_EQ(run.sel_end, 6);
}

TEST(TypoRules, TransparentCharactersAreSkippedAsNeighbours) {
  EXPECT_EQ(Typeset("tak \x1E,nie"), "tak\x1E, nie");
  EXPECT_EQ(Typeset("ab \x1E\x1E ,c"), "ab\x1E\x1E, c");
}

TEST(TypoRules, EmptyStoryIsLeftAlone) {
  EXPECT_EQ(Typeset(""), "");
  EXPECT_EQ(Typeset(" "), " ");
}

TEST(TypoRules, StoryOfQuotationMarksOnly) {
  const Outcome run = Typeset(std::string(2000, '"'), DefaultTypographyOptions());
  EXPECT_EQ(run.result, TypoResult::kDone);
}

TEST(TypoRules, LongWordWithoutBlanksIsReadInLinearTime) {
  std::string text;
  for (int i = 0; i < 200000; ++i) text += "a,";
  MemoryStory story(text);
  const TypographyOptions o = DefaultTypographyOptions();
  TypoCharTable table;
  BuildTypoCharTable(table, o);
  RunTypography(story, o, table, true);
  EXPECT_EQ(story.Length(), 599999);  // the last comma has no next character
  EXPECT_LT(story.reads, 40 * 600000);
}

TEST(TypoRules, LongMailAddressIsReadInLinearTime) {
  std::string text = "x@";
  for (int i = 0; i < 100000; ++i) text += "a,";
  MemoryStory story(text);
  const TypographyOptions o = DefaultTypographyOptions();
  TypoCharTable table;
  BuildTypoCharTable(table, o);
  RunTypography(story, o, table, true);
  EXPECT_EQ(story.Length(), static_cast<int32_t>(text.size()));
  EXPECT_LT(story.reads, 40 * static_cast<int64_t>(text.size()));
}

}  // namespace

namespace {

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

}  // namespace

namespace {

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

TEST(TypoRules, LongRunOfTransparentCharactersIsReadInLinearTime) {
  const std::string text = "ab " + std::string(200000, '\x1E') + " ,c";
  MemoryStory story(text);
  const TypographyOptions o = DefaultTypographyOptions();
  TypoCharTable table;
  BuildTypoCharTable(table, o);
  RunTypography(story, o, table, true);
  EXPECT_EQ(story.Utf8(), "ab" + std::string(200000, '\x1E') + ", c");
  EXPECT_LT(story.reads, 10 * static_cast<int64_t>(text.size()));
}

}  // namespace
