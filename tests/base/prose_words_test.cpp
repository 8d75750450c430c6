// The host's walk over Unicode prose: what is a word, what is left out,
// normal form C and ligatures, and positions in the original text.
#include "base/prose_words.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

Texts TextsOf(std::string_view utf8) {
  Texts texts;
  for (const ProseWord& word : ProseWordsOf(utf8)) texts.push_back(word.text);
  return texts;
}

TEST(ProseWords, AddressesPathsAndFileNamesAreNotWords) {
  EXPECT_EQ(TextsOf("Zobacz https://tug.org/texlive/, potem"), (Texts{"Zobacz", "potem"}));
  EXPECT_EQ(TextsOf("(www.gust.org.pl) i ftp://ftp.gnu.org/gnu. Dalej"), (Texts{"i", "Dalej"}));
  EXPECT_EQ(TextsOf("svn+ssh://host/repo git://x mailto:jan@x.pl ok"), (Texts{"ok"}));
  EXPECT_EQ(TextsOf("Pisz na jan.kowalski@poczta.example.pl."), (Texts{"Pisz", "na"}));
  EXPECT_EQ(TextsOf("<biuro@gust.org.pl>, e-mail:jan@x.pl"), (Texts{"e-mail"}));
  EXPECT_EQ(TextsOf("w /usr/share/texmf i C:\\Program Files\\TeX oraz ~/.bashrc"),
            (Texts{"w", "i", "oraz"}));
  EXPECT_EQ(TextsOf("./configure ../lib usr/share/doc src/main.c \\\\serwer\\dysk"), Texts{});
  EXPECT_EQ(TextsOf("plik texmf.cnf, README.md i .bashrc; katalog Debian.org"),
            (Texts{"plik", "i", "katalog"}));
  EXPECT_EQ(TextsOf("opcja --verbose oraz LC_ALL"), (Texts{"opcja", "oraz"}));
  EXPECT_EQ(TextsOf("kot/ Z/"), (Texts{"kot", "Z"}));  // a slash at the end names no file
}

TEST(ProseWords, AbbreviationsAndWordsJoinedBySlashStayWords) {
  EXPECT_EQ(TextsOf("m.in. p.n.e. i/lub km/h np. \\emph{kot}"),
            (Texts{"m", "in", "p", "n", "e", "i", "lub", "km", "h", "np", "emph", "kot"}));
  const std::vector<ProseWord> words = ProseWordsOf("np. tzn ul.");
  ASSERT_EQ(words.size(), 3u);
  EXPECT_TRUE(words[0].full_stop);
  EXPECT_FALSE(words[1].full_stop);
  EXPECT_TRUE(words[2].full_stop);
}

TEST(ProseWords, ALetterOutsideThePolishAlphabetNeverSplitsAWord) {
  const std::vector<ProseWord> words =
      ProseWordsOf("für Curaçao Müllerowski l'Hôpital Galápagos kotЖpies naïve Zażółć");
  Texts texts;
  for (const ProseWord& word : words) texts.push_back(word.text);
  EXPECT_EQ(texts, (Texts{"für", "Curaçao", "Müllerowski", "l'Hôpital", "Galápagos", "kotЖpies",
                          "naïve", "Zażółć"}));
  for (size_t i = 0; i + 1 < words.size(); ++i) {
    EXPECT_FALSE(words[i].polish) << words[i].text;
    EXPECT_TRUE(words[i].win1250.empty());
  }
  EXPECT_TRUE(words.back().polish);
  EXPECT_EQ(words.back().win1250, "Za\xBF\xF3\xB3\xE6");
}

TEST(ProseWords, ApostrophesBelongToAWordOnlyBetweenLetters) {
  EXPECT_EQ(TextsOf("'cytat' Kennedy'ego rock\u2019n\u2019roll ludzie' 'n"),
            (Texts{"cytat", "Kennedy'ego", "rock\u2019n\u2019roll", "ludzie", "n"}));
  EXPECT_EQ(ProseWordsOf("Kennedy\u2019ego")[0].win1250, "Kennedy'ego");
}

TEST(ProseWords, WordsRunOverDigitsAndHyphensAndStartAtALetter) {
  const std::vector<ProseWord> words = ProseWordsOf("3D, biało-czerwony; pies23 -- 12");
  ASSERT_EQ(words.size(), 3u);
  EXPECT_EQ(words[0].text, "D");
  EXPECT_EQ(words[1].text, "biało-czerwony");
  EXPECT_EQ(words[1].flags, kWordNoCapital | kWordOther);
  EXPECT_EQ(words[2].flags, kWordNoCapital | kWordDigit);
}

TEST(ProseWords, FlagsClassifyLettersOfEveryScript) {
  auto flags = [](std::string_view text) { return ProseWordsOf(text).at(0).flags; };
  EXPECT_EQ(flags("MÜLLER"), kWordAllCapitals);
  EXPECT_EQ(flags("Müller"), kWordCapitalised);
  EXPECT_EQ(flags("für"), kWordNoCapital);
  EXPECT_EQ(flags("McDonald"), kWordCapitalised | kWordMixed);
  EXPECT_EQ(flags("ŻÓŁW"), kWordAllCapitals);
}

TEST(ProseWords, DecomposedTextReadsAsComposedWithOriginalPositions) {
  const std::string nfc = "Zażółć gęślą Müller";
  const std::string nfd = "Zaz\u0307o\u0301\u0142c\u0301 ge\u0328s\u0301la\u0328 Mu\u0308ller";
  const std::vector<ProseWord> composed = ProseWordsOf(nfc);
  const std::vector<ProseWord> decomposed = ProseWordsOf(nfd);
  ASSERT_EQ(decomposed.size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(decomposed[i].text, composed[i].text);
    EXPECT_EQ(decomposed[i].win1250, composed[i].win1250);
    EXPECT_EQ(decomposed[i].polish, composed[i].polish);
  }
  EXPECT_EQ(decomposed[0].end, 9u);  // nine code points written
  EXPECT_EQ(decomposed[1].start, 10u);
  EXPECT_EQ(decomposed[1].end, 18u);
  EXPECT_EQ(decomposed[2].start, 19u);
}

TEST(ProseWords, LigaturesReadAsTheirLettersWithOriginalPositions) {
  const std::vector<ProseWord> words = ProseWordsOf("o\uFB01cjalny e\uFB00ekt \uFB02aga \uFB03 \uFB04");
  Texts texts;
  for (const ProseWord& word : words) texts.push_back(word.text);
  EXPECT_EQ(texts, (Texts{"oficjalny", "effekt", "flaga", "ffi", "ffl"}));
  EXPECT_TRUE(words[0].polish);
  EXPECT_EQ(words[0].win1250, "oficjalny");
  EXPECT_EQ(words[0].end, 8u);
  EXPECT_EQ(words[1].start, 9u);
  EXPECT_EQ(words[1].end, 14u);
}

TEST(ProseWords, PositionsCountCodePointsAndUtf16Units) {
  const std::vector<ProseWord> words = ProseWordsOf("\U0001F600 kot do\u00ADmu");
  ASSERT_EQ(words.size(), 2u);
  EXPECT_EQ(words[0].start, 2u);
  EXPECT_EQ(words[0].start16, 3u);
  EXPECT_EQ(words[1].text, "domu");  // the soft hyphen is read over
  EXPECT_EQ(words[1].start, 6u);
  EXPECT_EQ(words[1].end, 11u);
  EXPECT_EQ(words[1].end16, 12u);
  ProseWalker wide(std::u16string_view(u"\U0001F600 kot"));
  ProseWord word;
  ASSERT_TRUE(wide.Next(word));
  EXPECT_EQ(word.start16, 3u);
  EXPECT_EQ(word.start, 2u);
}

TEST(ProseWords, SoftHyphensInsideAddressesKeepThemAddresses) {
  EXPECT_EQ(TextsOf("tex\u00ADmf.cnf www.gu\u00ADst.org.pl /usr/sha\u00ADre kot"), (Texts{"kot"}));
}

TEST(ProseWords, AWordTooLongToCheckIsMarked) {
  const std::string longest(kWalkerWordMax, 'a');
  const std::string too_long(kWalkerWordMax + 1, 'b');
  const std::vector<ProseWord> words = ProseWordsOf(longest + " " + too_long + " kot");
  ASSERT_EQ(words.size(), 3u);
  EXPECT_FALSE(words[0].too_long);
  EXPECT_TRUE(words[1].too_long);
  EXPECT_FALSE(words[2].too_long);
}

TEST(ProseWords, NormalFormAndCaseHelpers) {
  EXPECT_EQ(ProseNormalForm("Mu\u0308ller \uFB01"), "Müller fi");
  EXPECT_EQ(ProseSmallLetters("MÜLLER Żółw"), "müller żółw");
  EXPECT_EQ(ProseCapitals("für"), "FÜR");
}

}  // namespace
