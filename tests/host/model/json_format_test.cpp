// The JSON document format: a full document read, checked and written back
// unchanged, and every way a file can be refused, each with its line.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "host/io/files.h"
#include "host/io/io_error.h"
#include "host/io/json_format.h"

namespace wirsel::io {
namespace {

namespace fs = std::filesystem;
using namespace wirsel::model;

const fs::path kData = HOST_MODEL_DATA;

// The fixture holds every part of the model; written back it is the same
// bytes (below), so here only what a reader and writer could both get wrong
// the same way: which box, story, paragraph or character a value lands on.
TEST(JsonRead, FullDocumentBuildsTheWholeModel) {
  JsonDocument file = ReadJsonFile((kData / "json" / "full_model.json").string());
  const Document& document = *file.document;
  EXPECT_EQ(file.tool, kItemTool);
  EXPECT_FALSE(document.hj(1)->auto_hyphenation);
  EXPECT_EQ(document.box(5)->items, (std::vector<BoxId>{3, 6}));
  EXPECT_EQ(document.box(4)->group, 6u);
  EXPECT_EQ(document.box(1)->bounds, (Bounds{10, 20, 300, 400.5}));
  EXPECT_EQ(document.ChainOf(1), (std::vector<BoxId>{2, 1}));  // box 2 first
  const Story& story = *document.story(1);
  EXPECT_EQ(story.Text(), u"W domu\u00A0jest kot\uFFFC.\rPies\x1F" u"ek \uFFFCśpi.\r");
  EXPECT_EQ(story.Attribute(1, kStyleKind), kNonBreakingFlag);
  EXPECT_EQ(story.Attribute(6, kStyleKind), 0u);
  EXPECT_EQ(story.Attribute(4, 0), 7u);
  EXPECT_EQ(story.Attribute(5, 0), 0u);
  EXPECT_EQ(story.ParagraphAt(20).hj, 1);
  EXPECT_EQ(story.selection(), (Selection{2, 6}));
  EXPECT_EQ(story.AnchoredBoxAt(26), 8u);
  EXPECT_EQ(document.story(document.StoryOfBox(8))->Text(), u"Podpis");
  EXPECT_EQ(document.current_box(), 1u);
}

TEST(JsonWrite, FullDocumentIsWrittenBackByteForByte) {
  const fs::path path = kData / "json" / "full_model.json";
  JsonDocument file = ReadJsonFile(path.string());
  std::string written = RenderJson(*file.document, file.tool);
  if (std::getenv("WIRSEL_REGENERATE")) WriteFileAtomically(path.string(), written);
  EXPECT_EQ(written, ReadFileBytes(path.string()));
}

TEST(JsonWrite, EditedDocumentReadsBackTheSame) {
  JsonDocument file = ReadJsonFile((kData / "json" / "full_model.json").string());
  Document& document = *file.document;
  Story& story = *document.story(1);
  story.Erase(15, 17);  // deletes anchored box 7 with its anchor
  story.ToggleFlags(0, 3, kStyleKind, kNonBreakingFlag);
  story.Insert(0, u"\U0001F600", story.Attributes(0));
  story.SetSelection(0, 2);
  std::string first = RenderJson(document, kContentTool);
  JsonDocument again = ParseJson(first, "again.json");
  EXPECT_EQ(again.document->box(7), nullptr);  // a detached box is not written
  EXPECT_EQ(again.document->story(1)->Text(), story.Text());
  EXPECT_EQ(RenderJson(*again.document, again.tool), first);
}

// The example in the format's documentation is a valid document.
TEST(JsonRead, DocumentedExampleReads) {
  std::string doc = ReadFileBytes(DOCUMENT_FORMAT_DOC);
  std::size_t start = doc.find("```json\n");
  ASSERT_NE(start, std::string::npos);
  start += 8;
  std::string example = doc.substr(start, doc.find("```", start) - start);
  JsonDocument file = ParseJson(example, "example.json");
  const Document& document = *file.document;
  EXPECT_EQ(document.ChainOf(1), (std::vector<BoxId>{1, 2}));
  EXPECT_EQ(document.story(1)->AnchoredBoxAt(15), 6u);
  EXPECT_EQ(document.story(1)->Attribute(1, kStyleKind), kNonBreakingFlag);
  EXPECT_EQ(document.story(1)->CharAt(22), kDiscretionaryHyphen);
}

TEST(JsonRead, SmallestDocumentGetsDefaults) {
  JsonDocument file = ParseJson(R"({"wirsel": 1})", "min.json");
  EXPECT_EQ(file.tool, kContentTool);
  EXPECT_EQ(file.document->hj_count(), 1);
  EXPECT_EQ(file.document->hj(0)->name, "Standard");
  EXPECT_EQ(file.document->spread_count(), 0);
  EXPECT_EQ(file.document->current_box(), kNoBox);
}

TEST(JsonRead, DeepNestingIsRefusedWithoutCrashing) {
  std::string deep = R"({"wirsel": 1, "x": )" + std::string(100000, '[') +
                     std::string(100000, ']') + "}";
  EXPECT_NO_THROW(ParseJson(deep, "deep.json"));
  std::string unclosed = "{\"wirsel\": 1,\n\"x\": " + std::string(100000, '[');
  try {
    ParseJson(unclosed, "unclosed.json");
    ADD_FAILURE() << "accepted";
  } catch (const IoError& error) {
    EXPECT_EQ(error.line(), 2);
  }
}

// Each data/json_errors/NAME.json is refused; NAME.expected holds the line
// and a part of the reason.
class JsonError : public ::testing::TestWithParam<std::string> {};

TEST_P(JsonError, IsRefusedWithFileLineAndReason) {
  const fs::path base = kData / "json_errors" / GetParam();
  std::ifstream expected(base.string() + ".expected");
  int line = 0;
  std::string reason;
  expected >> line;
  expected.ignore();
  std::getline(expected, reason);
  try {
    ReadJsonFile(base.string() + ".json");
    ADD_FAILURE() << "accepted";
  } catch (const IoError& error) {
    EXPECT_EQ(error.file(), base.string() + ".json");
    EXPECT_EQ(error.line(), line) << error.what();
    EXPECT_NE(error.reason().find(reason), std::string::npos) << error.what();
  }
}

std::vector<std::string> ErrorFixtures() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(kData / "json_errors")) {
    if (entry.path().extension() == ".json") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

INSTANTIATE_TEST_SUITE_P(Fixtures, JsonError, ::testing::ValuesIn(ErrorFixtures()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace wirsel::io
