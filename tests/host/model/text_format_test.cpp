// Text files: byte-for-byte round trips of every fixture, the characters the
// host gives a meaning, TeX and HTML renderings against golden files, and
// refusal of bad input.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "host/io/files.h"
#include "host/io/io_error.h"
#include "host/io/text_format.h"

namespace wirsel::io {
namespace {

namespace fs = std::filesystem;
using model::Story;

const fs::path kData = HOST_MODEL_DATA;

std::string Slurp(const fs::path& path) { return ReadFileBytes(path.string()); }

const Story& FirstStory(const TextFile& file) {
  const auto& document = *file.document;
  return *document.story(document.StoryOfBox(document.FirstTextBox()));
}

std::vector<std::string> Fixtures(const char* folder, const char* extension) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(kData / folder)) {
    if (entry.path().extension() == extension) names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

class TextRoundTrip : public ::testing::TestWithParam<std::string> {};

TEST_P(TextRoundTrip, WritesBackEveryByte) {
  const fs::path path = kData / "roundtrip" / (GetParam() + ".txt");
  const std::string bytes = Slurp(path);
  TextFile file = ReadTextFile(path.string());
  EXPECT_EQ(RenderStory(FirstStory(file), TextFlavor::kText, file.line_end), bytes);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, TextRoundTrip,
                         ::testing::ValuesIn(Fixtures("roundtrip", ".txt")),
                         [](const auto& info) { return info.param; });

TEST(TextRead, LineEndsBecomeParagraphEndsAndSpecialSpacesStay) {
  TextFile file = ParseText("a\u00ADb\u00A0c\r\nd\r\n", "t.txt");
  EXPECT_EQ(file.line_end, LineEnd::kCrLf);
  const Story& story = FirstStory(file);
  EXPECT_EQ(story.Text(), u"a\u00ADb\u00A0c\rd\r");
  EXPECT_EQ(story.Attribute(3, model::kStyleKind), 0u);  // U+00A0 carries no mark
  EXPECT_EQ(file.document->current_box(), file.document->FirstTextBox());
}

TEST(TextRead, OutsideTheBmpIsASurrogatePair) {
  TextFile file = ParseText("x\xF0\x9F\x98\x80y", "t.txt");
  EXPECT_EQ(FirstStory(file).Text(), u"x\xD83D\xDE00y");
}

TEST(TextRead, MixedLineEndsAreWrittenInTheFirstStyle) {
  TextFile file = ParseText("a\r\nb\nc\rd", "t.txt");
  EXPECT_EQ(FirstStory(file).Text(), u"a\rb\rc\rd");
  EXPECT_EQ(RenderStory(FirstStory(file), TextFlavor::kText, file.line_end), "a\r\nb\r\nc\r\nd");
}

TEST(TextWrite, LoneSurrogatesBecomeReplacementCharacters) {
  EXPECT_EQ(EncodeUtf8(u"a\xD800" u"b\xDC00"), "a\uFFFDb\uFFFD");
}

struct BadUtf8 {
  const char* name;
  std::string bytes;
  int line;
  const char* reason;
};

TEST(TextRead, InvalidUtf8IsRefusedWithItsLine) {
  const BadUtf8 cases[] = {
      {"stray continuation byte", "ok\n\x80", 2, "byte 0x80"},
      {"Windows-1250 letter", "a\nb\n\xB9", 3, "byte 0xB9"},
      {"overlong slash", "\xC0\xAF", 1, "byte 0xC0"},
      {"overlong three bytes", "\xE0\x80\xAF", 1, "out of range"},
      {"encoded surrogate", "\xED\xA0\x80", 1, "out of range"},
      {"past U+10FFFF", "\xF4\x90\x80\x80", 1, "out of range"},
      {"cut short", "abc\xC5", 1, "cut short"},
      {"bad second byte", "\xC5x", 1, "followed by 0x78"},
  };
  for (const auto& c : cases) {
    try {
      ParseText(c.bytes, "bad.txt");
      ADD_FAILURE() << c.name << ": accepted";
    } catch (const IoError& error) {
      EXPECT_EQ(error.file(), "bad.txt") << c.name;
      EXPECT_EQ(error.line(), c.line) << c.name;
      EXPECT_NE(error.reason().find(c.reason), std::string::npos) << c.name << ": " << error.what();
    }
  }
}

TEST(TextRead, UnreadableInputsGiveClearErrors) {
  EXPECT_THROW(ReadTextFile((kData / "no-such-file.txt").string()), IoError);
  try {
    ReadTextFile(kData.string());
    ADD_FAILURE() << "a folder was read";
  } catch (const IoError& error) {
    EXPECT_NE(error.reason().find("folder"), std::string::npos);
  }
}

TEST(TextRead, HugeFilesAreRefusedBeforeReading) {
  const fs::path path = fs::temp_directory_path() / "wirsel_host_model_huge.txt";
  { std::ofstream create(path); }
  fs::resize_file(path, kMaxInputBytes + 1);  // sparse: costs no disk
  try {
    ReadTextFile(path.string());
    ADD_FAILURE() << "accepted";
  } catch (const IoError& error) {
    EXPECT_NE(error.reason().find("too large"), std::string::npos);
  }
  fs::remove(path);
}

// Golden renderings: tests/host/model/data/render/NAME.txt gives NAME.tex and
// NAME.html. Run with WIRSEL_REGENERATE=1 to rewrite them, then review the diff.
class Rendering : public ::testing::TestWithParam<std::string> {};

TEST_P(Rendering, MatchesGoldenFiles) {
  const fs::path base = kData / "render" / GetParam();
  TextFile file = ReadTextFile(base.string() + ".txt");
  const struct {
    TextFlavor flavor;
    const char* extension;
  } outputs[] = {{TextFlavor::kTex, ".tex"}, {TextFlavor::kHtml, ".html"}};
  for (const auto& output : outputs) {
    std::string rendered = RenderStory(FirstStory(file), output.flavor, file.line_end, GetParam());
    const fs::path golden = base.string() + output.extension;
    if (std::getenv("WIRSEL_REGENERATE")) WriteFileAtomically(golden.string(), rendered);
    EXPECT_EQ(rendered, Slurp(golden)) << golden;
  }
}

INSTANTIATE_TEST_SUITE_P(Fixtures, Rendering, ::testing::ValuesIn(Fixtures("render", ".txt")),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace wirsel::io
