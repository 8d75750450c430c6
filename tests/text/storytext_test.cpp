// The character bridge between host stories and 8-bit text, the box walk and
// the scopes that close what they open (the text-target rule shows in the
// host's menu golden files, tests/host/data/menus_*.expected).
#include <algorithm>
#include <cstring>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/block_alloc.h"
#include "base/charset.h"
#include "tests/shell/fake_host.h"
#include "text/story_text.h"

namespace {

class StoryTextTest : public PluginTest {
 protected:
  void SetUp() override {
    PluginTest::SetUp();
    ASSERT_EQ(StartPlugin(), 0);
    Host().layout_view = 0;
  }
  xt_box TextBox(const std::u16string& story, int32_t spread = 1) {
    return AddBox({spread, true, false, true, story, 0, 0});
  }
  static std::u16string& StoryOf(xt_box box) { return Host().boxes[box].story; }
};

TEST_F(StoryTextTest, ReadingMapsSoftHyphenAndKeepsForeignCodes) {
  const xt_box box =
      TextBox({0x61, 0x00AD, 0x62, 0x011F, 0x041F, 0x0441, 0x0105, 0x00AC, 0x001F});
  const std::vector<uint16_t> expected = {0x61,   31,   0x62, 0x011F, 0x041F,
                                          0x0441, 0xB9, 0xAC, 31};
  for (int32_t i = 0; i < 9; ++i) EXPECT_EQ(ReadChar(box, i), expected[i]) << i;

  // A run narrows foreign codes to the placeholder, writes no terminator, and
  // a count of 0 reads nothing.
  uint8_t buffer[10];
  std::memset(buffer, 0xEE, sizeof buffer);
  EXPECT_EQ(ReadChars(box, 0, 9, buffer), 9);
  const uint8_t narrowed[] = {0x61, 0x1F, 0x62, 0x7F, 0x7F, 0x7F, 0xB9, 0xAC, 0x1F, 0xEE};
  EXPECT_EQ(std::memcmp(buffer, narrowed, sizeof narrowed), 0);
  std::memset(buffer, 0xEE, sizeof buffer);
  EXPECT_EQ(ReadChars(box, 0, 0, buffer), 0);
  EXPECT_EQ(buffer[0], 0xEE);

  // ¿ ³ £ and the C1 control U+0084 are no Windows-1250 characters; a hole
  // of the table reads as itself.
  const xt_box latin1 = TextBox({0x00BF, 0x00B3, 0x00A3, 0x0084, 0x0081});
  for (int32_t i = 0; i < 4; ++i) EXPECT_GE(ReadChar(latin1, i), 0x100) << i;
  EXPECT_EQ(ReadChar(latin1, 4), 0x81);
}

TEST_F(StoryTextTest, WritingIsTheInverseOfReading) {
  const xt_box box = TextBox(u"abcd");
  EXPECT_EQ(WriteChar(box, 1, 31), 0);
  EXPECT_EQ(StoryOf(box), std::u16string(u"a\x001F" u"bcd"));
  WriteChar(box, 0, 0xB9);
  WriteChar(box, 0, 0xAC);
  WriteChar(box, 0, 0x81);
  WriteChar(box, 0, 0x84);
  EXPECT_EQ(StoryOf(box).substr(0, 4), std::u16string({0x201E, 0x0081, 0x00AC, 0x0105}));
  for (unsigned c = 1; c < 256; ++c) {
    if (c == kForeignCharPlaceholder) continue;
    EXPECT_EQ(UnicodeToWin1250(HostCodeOf(static_cast<uint8_t>(c))) & 0xFF, c) << c;
    StoryOf(box) = std::u16string(1, HostCodeOf(static_cast<uint8_t>(c)));
    EXPECT_EQ(ReadChar(box, 0), c == 0xAD ? 31 : c) << c;
  }
}

TEST_F(StoryTextTest, WritingInTheCurrentBoxShiftsTheRest) {
  Host().current = TextBox(u"xyz");
  EXPECT_EQ(WriteCharInCurrentBox(1, 'N'), 0);
  EXPECT_EQ(StoryOf(Host().current), u"xNyz");
  const std::vector<uint8_t> run(300, 0xB9);
  const int32_t blocks = Host().live_blocks;
  EXPECT_EQ(WriteCharsInCurrentBox(4, 300, run.data()), 0);
  EXPECT_EQ(StoryOf(Host().current), u"xNyz" + std::u16string(300, u'ą'));
  EXPECT_EQ(Host().live_blocks, blocks);  // the long run's host block is freed
  EXPECT_EQ(WriteCharsInCurrentBox(0, 3, reinterpret_cast<const uint8_t*>("\x84q\x94")), 0);
  EXPECT_EQ(StoryOf(Host().current).substr(0, 4), u"„q”x");
}

TEST_F(StoryTextTest, LongRunWithoutMemoryThrowsAndChangesNothing) {
  Host().current = TextBox(u"x");
  Host().fail_allocation = true;
  const std::vector<uint8_t> run(257, 'a');
  EXPECT_THROW(WriteCharsInCurrentBox(0, 257, run.data()), BlockError);
  EXPECT_EQ(StoryOf(Host().current), u"x");
}

TEST_F(StoryTextTest, DeleteAndSelectionOnTextBoxesOnly) {
  const xt_box text = TextBox(u"abcdef");
  const xt_box picture = AddBox({1, false, false, true, u"", 0, 0});
  EXPECT_EQ(DeleteChars(text, 1, 3), 0);
  EXPECT_EQ(StoryOf(text), u"adef");
  EXPECT_EQ(DeleteChars(picture, 0, 1), 4);
  SetSelection(text, 1, 2, 0);
  int32_t start = -1, end = -1, length = -1;
  xt_story story = 99;
  EXPECT_EQ(GetStorySelection(text, &story, &start, &end, &length), 0);
  EXPECT_EQ(story, text);
  EXPECT_EQ(start, 1);
  EXPECT_EQ(end, 2);
  EXPECT_EQ(length, 4);
  EXPECT_NE(GetStorySelection(picture, &story, &start, &end, &length), 0);
  EXPECT_EQ(story, 0u);
  EXPECT_EQ(length, 0);
  Host().current = 0;
  EXPECT_NE(GetStorySelection(0, nullptr, nullptr, nullptr, &length), 0);
}

// A pass reading ahead sees every change it makes through the text layer at
// once, wherever the change falls against the run read (before it, inside,
// across its start, after it), and reads nothing past the story's end. The
// story is long enough for full runs; edits wander near the reads.
TEST_F(StoryTextTest, ReadingAheadSeesEveryChangeMadeThroughTheTextLayer) {
  std::u16string text;
  for (int i = 0; i < 40000; ++i) text += static_cast<char16_t>(u'a' + i % 26);
  Host().current = TextBox(text);
  const xt_box box = Host().current;
  std::mt19937 random(2026);
  const auto pick = [&](int32_t low, int32_t high) {
    return std::uniform_int_distribution<int32_t>(low, high)(random);
  };
  const StoryReadAhead read_ahead;
  int32_t at = 20000;
  for (int step = 0; step < 5000; ++step) {
    const int32_t length = static_cast<int32_t>(StoryOf(box).size());
    const int32_t last = at;  // the run read last lies around it
    at = std::clamp(at + pick(-300, 300), 0, length);
    switch (pick(0, 5)) {
      case 0:
        WriteChar(box, at, static_cast<uint8_t>('A' + pick(0, 25)));
        break;
      case 1: {
        const std::vector<uint8_t> run(static_cast<size_t>(pick(1, 300)), 'Q');
        WriteCharsInCurrentBox(at, static_cast<int32_t>(run.size()), run.data());
        break;
      }
      case 2:
        DeleteChars(box, at, std::min(length, at + pick(1, 300)));
        break;
      case 3:
        if (at < length) ReplaceCharKeepingFormat(box, at, 'R');
        break;
      default:  // reading only
        break;
    }
    const std::u16string& now = StoryOf(box);
    const int32_t end = static_cast<int32_t>(now.size());
    // First from the run left by the last step, last the run the next starts with.
    for (const int32_t p : {last, last + 100, last - 20, at - 300, end - 1, end, at + 250, at - 40,
                            at + 1, at - 1, at}) {
      const uint16_t expected = p >= 0 && p < end ? now[static_cast<size_t>(p)] : 0;
      ASSERT_EQ(ReadChar(box, p), expected) << "step " << step << ", position " << p;
    }
  }
}

// What the host changes between two passes is read afresh by the second.
TEST_F(StoryTextTest, ReadingAheadEndsWithItsScope) {
  const xt_box box = TextBox(std::u16string(1000, u'a'));
  {
    const StoryReadAhead read_ahead;
    EXPECT_EQ(ReadChar(box, 500), 'a');
  }
  StoryOf(box)[501] = u'b';
  const StoryReadAhead read_ahead;
  EXPECT_EQ(ReadChar(box, 501), 'b');
}

struct Visits {
  std::vector<xt_box> boxes;
  xt_box stop_at = 0;
};

int16_t Visit(xt_box box, void* context) {
  auto* visits = static_cast<Visits*>(context);
  visits->boxes.push_back(box);
  return box == visits->stop_at ? 7 : 0;
}

TEST_F(StoryTextTest, BoxWalkOverSpreadsWithAnEmptyOne) {
  const xt_box a = TextBox(u"a", 1);
  const xt_box b = TextBox(u"b", 1);
  const xt_box c = TextBox(u"c", 3);
  Host().spreads = 3;
  Visits up;
  EXPECT_EQ(ForEachBoxInDocument(1, Visit, &up, 1), 0);
  EXPECT_EQ(up.boxes, (std::vector<xt_box>{a, b, c}));
  Visits down;
  EXPECT_EQ(ForEachBoxInDocument(1, Visit, &down, 0xFFFF), 0);
  EXPECT_EQ(down.boxes, (std::vector<xt_box>{c, a, b}));
  Visits stop;
  stop.stop_at = a;
  EXPECT_EQ(ForEachBoxInDocument(1, Visit, &stop, 1), 7);
  EXPECT_EQ(stop.boxes.size(), 1u);

  Host().layout_view = -1;
  const int32_t calls = Host().host_calls;
  Visits none;
  EXPECT_EQ(ForEachBoxInDocument(1, Visit, &none, 1), 0);
  EXPECT_TRUE(none.boxes.empty());
  EXPECT_EQ(Host().host_calls, calls);
}

TEST_F(StoryTextTest, ScopesCloseWhenAnExceptionPasses) {
  Host().events.clear();
  try {
    UndoableChangeScope change;
    BusyCursorScope busy;
    RedrawOffScope redraw;
    throw std::runtime_error("failure inside a command");
  } catch (const std::runtime_error&) {
  }
  const std::vector<std::string> expected = {"undo+", "busy-1", "redraw0",
                                             "redraw1", "busy0", "undo-"};
  EXPECT_EQ(Host().events, expected);
}

}  // namespace
