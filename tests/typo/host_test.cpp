// The typography commands through the real `wirsel` host and plug-in. Each
// fixture tests/typo/data/NAME.txt (or NAME.json) is one case:
//   NAME.expected  what the command writes (compared byte for byte);
//   NAME.args      optional: the command and its options, one a line (the
//                  file goes right after the command); default "typo",
//                  "--lang", "en";
//   NAME.dlg       optional dialog script (--dialogs);
//   NAME.ini       optional settings file in place before the run;
//   NAME.stored    optional lines the settings file must hold afterwards;
//   NAME.status    optional exit status other than 0, with NAME.err: a text
//                  standard error must hold.
// Each case runs in a host folder of its own whose XTensions folder links to
// the built plug-in and data files, so settings never leak between cases.
// TYPO_REGENERATE=1 rewrites the .expected files from what the host writes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "tests/host/run_wirsel.h"

namespace fs = std::filesystem;

namespace {

const fs::path kData = TYPO_TEST_DATA;

// A host folder whose XTensions folder holds links to the real one's files
// and, when given, its own settings file.
std::string PrivateHost(const std::string& ini) {
  const fs::path host = TempFolder();
  const fs::path xtensions = host / "XTensions";
  fs::create_directory(xtensions);
  for (const auto& entry : fs::directory_iterator(fs::path(REAL_HOST) / "XTensions")) {
    if (entry.path().extension() == ".ini" || entry.path().extension() == ".log") continue;
    fs::create_symlink(entry.path(), xtensions / entry.path().filename());
  }
  if (!ini.empty()) std::ofstream(xtensions / "Wirsel13.ini", std::ios::binary) << ini;
  return host.string();
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

std::string Optional(const fs::path& path) {
  return fs::exists(path) ? ReadBytes(path.string()) : std::string();
}

struct Case {
  std::string name;
  fs::path input;
};

std::vector<Case> Cases() {
  std::vector<Case> cases;
  for (const auto& entry : fs::directory_iterator(kData)) {
    const fs::path& p = entry.path();
    if ((p.extension() == ".txt" || p.extension() == ".json") &&
        fs::exists(fs::path(p).replace_extension(".expected"))) {
      cases.push_back({p.stem().string(), p});
    }
  }
  std::sort(cases.begin(), cases.end(),
            [](const Case& a, const Case& b) { return a.name < b.name; });
  return cases;
}

class TypoFixture : public ::testing::TestWithParam<Case> {};

TEST_P(TypoFixture, WritesTheExpectedDocument) {
  const Case& c = GetParam();
  const fs::path base = kData / c.name;
  const std::string host = PrivateHost(Optional(fs::path(base).replace_extension(".ini")));
  std::vector<std::string> options = Lines(Optional(fs::path(base).replace_extension(".args")));
  if (options.empty()) options = {"typo", "--lang", "en"};
  std::vector<std::string> args = {options[0], c.input.string()};
  args.insert(args.end(), options.begin() + 1, options.end());
  const fs::path script = fs::path(base).replace_extension(".dlg");
  if (fs::exists(script)) args.insert(args.end(), {"--dialogs", script.string()});

  const WirselRun run = RunWirsel("", args, {{"WIRSEL_HOST_DIR", host}});
  const std::string status = Optional(fs::path(base).replace_extension(".status"));
  ASSERT_EQ(run.status, status.empty() ? 0 : std::atoi(status.c_str())) << run.err;
  for (const std::string& line : Lines(Optional(fs::path(base).replace_extension(".err")))) {
    EXPECT_NE(run.err.find(line), std::string::npos) << line << "\n" << run.err;
  }
  const fs::path expected = fs::path(base).replace_extension(".expected");
  if (std::getenv("TYPO_REGENERATE")) std::ofstream(expected, std::ios::binary) << run.out;
  EXPECT_EQ(run.out, ReadBytes(expected.string())) << run.err;

  const std::string settings = Optional(fs::path(host) / "XTensions" / "Wirsel13.ini");
  for (const std::string& line : Lines(Optional(fs::path(base).replace_extension(".stored")))) {
    EXPECT_NE(settings.find(line + "\r\n"), std::string::npos) << line << "\n" << settings;
  }
}

INSTANTIATE_TEST_SUITE_P(Typo, TypoFixture, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<Case>& info) {
                           return info.param.name;
                         });

// A story of 10 MB without a single blank: every comma looks at the word
// around it, which is as long as the story.
TEST(TypoHostile, TenMegabytesWithoutBlanks) {
  if (!std::getenv("WIRSEL_SLOW_TESTS")) GTEST_SKIP() << "slow: run with WIRSEL_SLOW_TESTS=1";
  std::string text;
  text.reserve(10 << 20);
  while (text.size() < (10u << 20)) text += "a,";
  const std::string file = WriteTemp("noblank.txt", text + "\n");
  const WirselRun run =
      RunWirsel("", {"typo", file, "--lang", "en"}, {{"WIRSEL_HOST_DIR", PrivateHost("")}});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.size(),
            text.size() + text.size() / 2);  // a space after every comma but the last
}

}  // namespace

namespace {

TEST(TypoCommand, WritesTheOutputFileInTheChosenFormat) {
  const std::string file = WriteTemp("in.txt", "w domu\n");
  const std::string out = TempFolder() + "/out.tex";
  const WirselRun run = RunWirsel("", {"typo", file, "-o", out, "--format", "tex", "--lang", "en"},
                                  {{"WIRSEL_HOST_DIR", PrivateHost("")}});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(ReadBytes(out), "w~domu\n");
  EXPECT_EQ(ReadBytes(file), "w domu\n");
}

TEST(TypoCommand, RefusesAnUnknownFormat) {
  const std::string file = WriteTemp("in.txt", "w domu\n");
  const WirselRun run =
      RunWirsel("", {"typo", file, "--format", "rtf"}, {{"WIRSEL_HOST_DIR", PrivateHost("")}});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("--format"), std::string::npos) << run.err;
}

}  // namespace

namespace {

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
    const auto b = static_cast<unsigned char>(utf8[i]);
    const int extra = b < 0x80 ? 0 : b < 0xE0 ? 1 : 2;
    char32_t u = extra ? b & (0x3F >> extra) : b;
    ++i;
    for (int k = 0; k < extra && i < utf8.size(); ++k, ++i) u = (u << 6) | (utf8[i] & 0x3F);
    out.push_back(static_cast<char16_t>(u));
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
  const std::string host = PrivateHost("");
  const WirselRun at_once =
      RunWirsel("", {"typo", WriteTemp("long.txt", whole), "--lang", "en"},
                {{"WIRSEL_HOST_DIR", host}});
  const WirselRun alone =
      RunWirsel("", {"typo", WriteTemp("paragraphs.json", grouped.dump()), "--lang", "en"},
                {{"WIRSEL_HOST_DIR", host}});
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
  const WirselRun run = RunWirsel("", {"proof", file, "--no-hyph", "--no-spell", "--lang", "en"},
                                  {{"WIRSEL_HOST_DIR", PrivateHost("")}});
  EXPECT_EQ(run.status, 1) << run.err;
  EXPECT_NE(run.err.find(file + ":1:3: warning: quotation mark between two spaces"),
            std::string::npos)
      << run.err;
  EXPECT_EQ(run.out, "a\u00A0\" b\n„tak” i\u00A0nie\n");
  // The report reads the same in the Polish interface.
  const WirselRun polish = RunWirsel("", {"proof", file, "--no-hyph", "--no-spell", "--lang", "pl"},
                                     {{"WIRSEL_HOST_DIR", PrivateHost("")}});
  EXPECT_EQ(polish.err, run.err);
}

TEST(TypoBatch, ProofPointsAtTheMarkInTheHyphenatedText) {
  const std::string file = WriteTemp("quote.txt", "Konstantynopolitańczykowianeczka \" b\n");
  const std::string out = TempFolder() + "/out.txt";
  const WirselRun run = RunWirsel("", {"proof", file, "-o", out, "--no-spell", "--lang", "en"},
                                  {{"WIRSEL_HOST_DIR", PrivateHost("")}});
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

TEST(TypoBatch, ADialogScriptStillStopsAtTheMark) {
  const std::string file = WriteTemp("quote.txt", "a \" b\n\"tak\" i nie\n");
  const WirselRun run = RunWirsel(
      "", {"typo", file, "--lang", "en", "--dialogs",
           WriteTemp("ok.dlg", "expect \"Quotation mark between two spaces\"\nanswer ok\n")},
      {{"WIRSEL_HOST_DIR", PrivateHost("")}});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err.find("warning"), std::string::npos) << run.err;
  EXPECT_EQ(run.out, "a\u00A0\" b\n\"tak\" i nie\n");
}

}  // namespace
