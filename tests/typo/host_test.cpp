// The typography commands through the real `wirsel` host and plug-in: one
// test per fixture of tests/typo/data (see tests/host/host_cases.h; without
// NAME.args the command is `typo --lang en`), and batch runs that go on past
// a quotation mark they cannot place.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "base/utf8.h"
#include "tests/host/host_cases.h"
#include "tests/host/run_wirsel.h"

namespace {

class TypoFixture : public ::testing::TestWithParam<std::string> {};

TEST_P(TypoFixture, WritesTheExpectedDocument) {
  CheckHostCase({TYPO_TEST_DATA, {"typo", "--lang", "en"}, false, ""}, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Typo, TypoFixture, ::testing::ValuesIn(HostCaseNames(TYPO_TEST_DATA)),
                         HostCaseName);

// A story of 10 MB without a single blank: every comma looks at the word
// around it, which is as long as the story.
TEST(TypoHostile, TenMegabytesWithoutBlanks) {
  if (!std::getenv("WIRSEL_SLOW_TESTS")) GTEST_SKIP() << "slow: run with WIRSEL_SLOW_TESTS=1";
  std::string text;
  text.reserve(10 << 20);
  while (text.size() < (10u << 20)) text += "a,";
  const std::string file = WriteTemp("noblank.txt", text + "\n");
  const WirselRun run = HostFolder().Run({"typo", file, "--lang", "en"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.size(),
            text.size() + text.size() / 2);  // a space after every comma but the last
}

TEST(TypoCommand, RefusesAnUnknownFormat) {
  const std::string file = WriteTemp("in.txt", "w domu\n");
  const WirselRun run = HostFolder().Run({"typo", file, "--format", "rtf"});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("--format"), std::string::npos) << run.err;
}

// ---- Batch runs go on past a quotation mark they cannot place ----

// Paragraphs of a long document; those with a mark the pass cannot place say
// how many. A quotation left open in one paragraph must not change the next.
struct Paragraph {
  const char* text;
  int unplaced;
};
constexpr Paragraph kParagraphs[] = {
    {"W  celu \"zdrowia\" idziemy - jak co dzień - do lasu ,a potem w domu 10 kg.", 0},
    {"Tu znak \" stoi między spacjami , a dalej \"cytat\" i ,,drugi''.", 1},
    {"Plik texmf.cnf z https://ctan.org/pkg/polski ,m.in. w XIX wieku.", 0},
    {"Otwarty \"cudzysłów bez końca i I wojna.", 0},
    {"Znak ab\"cd między literami oraz \" jeszcze jeden \" i \"dobry\".", 3},
    {"Koniec. I wtedy Jan III Sobieski (221 p.n.e.) o 12:30 na płycie CD.", 0},
};

// UTF-8 (of the Basic Multilingual Plane) to UTF-16.
std::u16string FromUtf8(const std::string& utf8) {
  std::u16string out;
  for (size_t i = 0; i < utf8.size();) {
    const Utf8Decoded decoded = DecodeUtf8At(utf8, i);
    out.push_back(static_cast<char16_t>(decoded.c));
    i += decoded.length;
  }
  return out;
}

// Story texts of a JSON document with non-breaking spaces as U+00A0, as the
// text format writes them.
std::vector<std::u16string> StoriesOf(const std::string& json) {
  std::vector<std::u16string> stories;
  const nlohmann::json document = nlohmann::json::parse(json);
  for (const auto& story : document.at("stories")) {
    std::u16string text = FromUtf8(story.at("text").get<std::string>());
    for (const auto& attribute : story.value("attributes", nlohmann::json::array())) {
      if (attribute.at("kind") != 2) continue;
      for (const auto& run : attribute.at("runs")) {
        if ((run.at(2).get<int>() & 0x80) == 0) continue;
        for (int p = run.at(0).get<int>(); p < run.at(1).get<int>(); ++p) {
          if (text.at(static_cast<size_t>(p)) == u' ') text[static_cast<size_t>(p)] = u'\u00A0';
        }
      }
    }
    stories.push_back(text);
  }
  return stories;
}

size_t Count(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST(TypoBatch, LongDocumentRunsToEndAndChangesWhatEachParagraphAloneChanges) {
  constexpr int kCount = 600;
  std::string whole;
  int unplaced = 0;
  std::vector<std::string> expected_places;
  nlohmann::json boxes = nlohmann::json::array();
  nlohmann::json stories = nlohmann::json::array();
  nlohmann::json items = nlohmann::json::array();
  for (int i = 0; i < kCount; ++i) {
    const Paragraph& p = kParagraphs[i % std::size(kParagraphs)];
    whole += std::string(p.text) + "\n";
    unplaced += p.unplaced;
    if (p.unplaced) expected_places.push_back("long.txt:" + std::to_string(i + 1) + ":");
    boxes.push_back({{"id", i + 1}, {"kind", "text"}, {"page", 1}});
    stories.push_back({{"id", i + 1}, {"boxes", {i + 1}}, {"text", std::string(p.text) + "\n"}});
    items.push_back(i + 1);
  }
  boxes.push_back({{"id", kCount + 1}, {"kind", "group"}, {"page", 1}, {"items", items}});
  const nlohmann::json grouped = {{"wirsel", 1},
                                  {"tool", "item"},
                                  {"current_box", kCount + 1},
                                  {"spreads", {{{"pages", 1}, {"items", {kCount + 1}}}}},
                                  {"boxes", boxes},
                                  {"stories", stories}};
  const HostFolder host;
  const WirselRun at_once = host.Run({"typo", WriteTemp("long.txt", whole), "--lang", "en"});
  const WirselRun alone =
      host.Run({"typo", WriteTemp("paragraphs.json", grouped.dump()), "--lang", "en"});
  ASSERT_EQ(at_once.status, 1) << at_once.err;
  ASSERT_EQ(alone.status, 1) << alone.err;

  const std::vector<std::u16string> paragraphs = StoriesOf(alone.out);
  ASSERT_EQ(paragraphs.size(), size_t{kCount});
  std::u16string joined;
  for (const std::u16string& paragraph : paragraphs) joined += paragraph;
  EXPECT_EQ(FromUtf8(at_once.out), joined);
  EXPECT_NE(at_once.out, whole);
  // The last paragraph was reached: its quotation marks were placed.
  EXPECT_NE(at_once.out.rfind("„dobry”"), std::string::npos);

  EXPECT_EQ(Count(at_once.err, ": warning: quotation mark between two"), size_t(unplaced));
  EXPECT_EQ(Count(alone.err, ": warning: quotation mark between two"), size_t(unplaced));
  size_t from = 0;
  for (const std::string& place : expected_places) {
    from = at_once.err.find(place, from);
    ASSERT_NE(from, std::string::npos) << place << "\n" << at_once.err.substr(0, 2000);
  }
}

TEST(TypoBatch, ProofReportsTheUnplacedMarkAndGoesOn) {
  const std::string file = WriteTemp("quote.txt", "a \" b\n\"tak\" i nie\n");
  const WirselRun run =
      HostFolder().Run({"proof", file, "--no-hyph", "--no-spell", "--lang", "en"});
  EXPECT_EQ(run.status, 1) << run.err;
  EXPECT_NE(run.err.find(file + ":1:3: warning: quotation mark between two spaces"),
            std::string::npos)
      << run.err;
  EXPECT_EQ(run.out, "a\u00A0\" b\n„tak” i\u00A0nie\n");
  // The report reads the same in the Polish interface.
  const WirselRun polish =
      HostFolder().Run({"proof", file, "--no-hyph", "--no-spell", "--lang", "pl"});
  EXPECT_EQ(polish.err, run.err);
}

TEST(TypoBatch, ProofPointsAtTheMarkInTheHyphenatedText) {
  const std::string file = WriteTemp("quote.txt", "Konstantynopolitańczykowianeczka \" b\n");
  const std::string out = TempFolder() + "/out.txt";
  const WirselRun run = HostFolder().Run({"proof", file, "-o", out, "--no-spell", "--lang", "en"});
  EXPECT_EQ(run.status, 1) << run.err;
  const std::string head = out + ":1:";
  const size_t at = run.err.find(head);
  ASSERT_NE(at, std::string::npos) << run.err;
  const size_t column = std::stoul(run.err.substr(at + head.size()));
  const std::u16string line = FromUtf8(ReadBytes(out));
  ASSERT_LT(column, line.size());
  EXPECT_NE(line.find(u'\u00AD'), std::u16string::npos);  // hyphens before the mark
  EXPECT_EQ(line[column - 1], u'"') << run.err;
}

}  // namespace
