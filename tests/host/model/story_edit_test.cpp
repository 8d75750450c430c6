// Story edits against a plain std::u16string reference, and the per-character
// queries the host answers from a story.
#include <gtest/gtest.h>

#include <random>

#include "host/model/document.h"

namespace wirsel::model {
namespace {

constexpr CharAttributes kPlain{};

CharAttributes Style(uint32_t flags) {
  CharAttributes words{};
  words[kStyleKind] = flags;
  return words;
}

struct Fixture {
  Document document;
  BoxId box;
  Story* story;
  Fixture() : document("t") {
    document.AddSpread(1);
    box = document.AddBox(BoxKind::kText, 1, 1);
    story = document.story(document.StoryOfBox(box));
  }
};

// Random inserts and erases, clustered like an editing pass and sometimes
// jumping far, compared after every step with a u16string and a parallel
// vector of style words. A fault in moving or growing the gap shows up as a
// character or attribute out of place.
TEST(StoryEdits, RandomEditsMatchReference) {
  Fixture f;
  std::u16string chars;
  std::vector<uint32_t> styles;
  std::mt19937 random(1234);
  int32_t cursor = 0;
  for (int step = 0; step < 20000; ++step) {
    const int32_t length = static_cast<int32_t>(chars.size());
    if (random() % 16 == 0) cursor = length == 0 ? 0 : static_cast<int32_t>(random() % (length + 1));
    cursor = std::min(cursor, length);
    if (random() % 3 != 0 || length == 0) {
      std::u16string run(1 + random() % 4, u'\0');
      for (auto& c : run) c = static_cast<char16_t>(u'a' + random() % 26);
      uint32_t style = random() % 5 == 0 ? kNonBreakingFlag : 0;
      ASSERT_EQ(f.story->Insert(cursor, run, Style(style)), Result::kOk);
      chars.insert(static_cast<std::size_t>(cursor), run);
      styles.insert(styles.begin() + cursor, run.size(), style);
      cursor += static_cast<int32_t>(run.size());
    } else {
      int32_t start = std::max(0, cursor - static_cast<int32_t>(random() % 3));
      int32_t end = std::min(length, start + 1 + static_cast<int32_t>(random() % 3));
      ASSERT_EQ(f.story->Erase(start, end), Result::kOk);
      chars.erase(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
      styles.erase(styles.begin() + start, styles.begin() + end);
      cursor = start;
    }
    ASSERT_EQ(f.story->length(), static_cast<int32_t>(chars.size()));
    if (step % 97 == 0 || step > 19990) {
      ASSERT_EQ(f.story->Text(), chars) << "step " << step;
      for (std::size_t i = 0; i < styles.size(); ++i) {
        ASSERT_EQ(f.story->Attribute(static_cast<int32_t>(i), kStyleKind), styles[i])
            << "step " << step << " position " << i;
      }
    }
  }
}

TEST(StoryEdits, BadPositionsAreRefusedWithoutChange) {
  Fixture f;
  ASSERT_EQ(f.story->Insert(0, u"abc", kPlain), Result::kOk);
  EXPECT_EQ(f.story->Insert(4, u"x", kPlain), Result::kBadPosition);
  EXPECT_EQ(f.story->Insert(-1, u"x", kPlain), Result::kBadPosition);
  EXPECT_EQ(f.story->Erase(2, 4), Result::kBadPosition);
  EXPECT_EQ(f.story->Erase(2, 1), Result::kBadPosition);
  EXPECT_EQ(f.story->SetSelection(0, 4), Result::kBadPosition);
  EXPECT_EQ(f.story->SetAttribute(0, 1, kAttributeKinds, 1), Result::kBadValue);
  EXPECT_EQ(f.story->ToggleFlags(-1, 1, kStyleKind, 1), Result::kBadPosition);
  EXPECT_EQ(f.story->Text(), u"abc");
  char16_t out[4] = {u'z', u'z', u'z', u'z'};
  EXPECT_EQ(f.story->Read(3, 1, out), 0);
  EXPECT_EQ(f.story->Read(1, 0, out), 0);
  EXPECT_EQ(f.story->Read(1, 10, out), 2);
  EXPECT_EQ(out[0], u'b');
  EXPECT_EQ(out[2], u'z');
  EXPECT_EQ(f.story->CharAt(3), 0);
  EXPECT_EQ(f.story->Attribute(7, kStyleKind), 0u);
}

TEST(StoryEdits, NextAndPreviousPositionsStopAtTheEnds) {
  Fixture f;
  f.story->Insert(0, u"ab", kPlain);
  EXPECT_EQ(f.story->NextPosition(0), 1);
  EXPECT_EQ(f.story->NextPosition(1), 2);
  EXPECT_EQ(f.story->NextPosition(2), -1);
  EXPECT_EQ(f.story->PreviousPosition(2), 1);
  EXPECT_EQ(f.story->PreviousPosition(0), -1);
  EXPECT_EQ(f.story->PreviousPosition(3), -1);
  EXPECT_EQ(f.story->NextPosition(-1), -1);
}

TEST(StoryAttributes, ToggleFlipsOnlyItsFlagPerCharacter) {
  Fixture f;
  f.story->Insert(0, u"a b c", Style(0x01));
  f.story->SetAttribute(1, 2, kStyleKind, 0x81);
  ASSERT_EQ(f.story->ToggleFlags(0, 4, kStyleKind, kNonBreakingFlag), Result::kOk);
  EXPECT_EQ(f.story->Attribute(0, kStyleKind), 0x81u);
  EXPECT_EQ(f.story->Attribute(1, kStyleKind), 0x01u);
  EXPECT_EQ(f.story->Attribute(3, kStyleKind), 0x81u);
  EXPECT_EQ(f.story->Attribute(4, kStyleKind), 0x01u);
  EXPECT_EQ(f.story->Attribute(0, 0), 0u);
}

TEST(StoryAttributes, InsertedTextTakesTheSelectionsAttributes) {
  Fixture f;
  f.story->Insert(0, u"a\"b", kPlain);
  f.story->SetAttribute(1, 2, kStyleKind, 0x01);  // the quote is bold
  // Replacing one character: select it, insert next to it, delete it.
  f.story->SetSelection(1, 2);
  f.story->Insert(2, u"\u201E", f.story->SelectionAttributes());
  f.story->Erase(1, 2);
  EXPECT_EQ(f.story->Text(), u"a\u201Eb");
  EXPECT_EQ(f.story->Attribute(1, kStyleKind), 0x01u);
  EXPECT_EQ(f.story->Attribute(2, kStyleKind), 0u);
  // With an insertion point the character before it gives the attributes.
  f.story->SetSelection(2, 2);
  EXPECT_EQ(f.story->SelectionAttributes()[kStyleKind], 0x01u);
  f.story->SetSelection(0, 0);
  EXPECT_EQ(f.story->SelectionAttributes()[kStyleKind], 0u);
}

TEST(StorySelection, FollowsInsertsAndErasesAroundIt) {
  Fixture f;
  f.story->Insert(0, u"abcdef", kPlain);
  f.story->SetSelection(2, 4);
  f.story->Insert(0, u"xy", kPlain);
  EXPECT_EQ(f.story->selection(), (Selection{4, 6}));
  f.story->Insert(6, u"z", kPlain);  // at the end of the selection: stays out
  EXPECT_EQ(f.story->selection(), (Selection{4, 6}));
  f.story->Erase(5, 8);  // takes the end of the selection with it
  EXPECT_EQ(f.story->selection(), (Selection{4, 5}));
  f.story->Erase(0, 6);
  EXPECT_EQ(f.story->selection(), (Selection{0, 0}));
}

TEST(StoryParagraphs, EachParagraphKeepsItsHjThroughSplitsAndJoins) {
  Document document("t", {{"Standard", true}, {"Bez dzielenia", false}});
  document.AddSpread(1);
  Story& story = *document.story(document.StoryOfBox(document.AddBox(BoxKind::kText, 1)));
  story.Insert(0, u"one\rtwo\rthree", kPlain);
  ASSERT_EQ(story.ParagraphCount(), 3);
  ASSERT_EQ(story.SetParagraphHj(5, 1), Result::kOk);
  EXPECT_EQ(story.SetParagraphHj(5, 2), Result::kBadValue);
  Paragraph two = story.ParagraphAt(4);
  EXPECT_EQ(two.start, 4);
  EXPECT_EQ(two.end, 8);  // its paragraph end included
  EXPECT_EQ(two.hj, 1);
  EXPECT_EQ(story.ParagraphAt(7).hj, 1);  // on its paragraph end
  EXPECT_EQ(story.ParagraphAt(3).hj, 0);
  // A paragraph end typed into "two" splits it; both halves keep H&J 1.
  story.Insert(5, u"\r", kPlain);
  EXPECT_EQ(story.ParagraphAt(4).hj, 1);
  EXPECT_EQ(story.ParagraphAt(6).hj, 1);
  EXPECT_EQ(story.ParagraphAt(9).hj, 0);
  // The last paragraph, with no paragraph end, has its own H&J too.
  story.SetParagraphHj(story.length(), 1);
  EXPECT_EQ(story.ParagraphAt(10).hj, 1);
  story.Insert(story.length(), u"\r", kPlain);
  EXPECT_EQ(story.ParagraphAt(story.length()).hj, 1);
  EXPECT_EQ(story.ParagraphAt(story.length() - 1).hj, 1);
  // Deleting a paragraph end joins two paragraphs; the later one's H&J stays.
  story.Erase(3, 4);
  EXPECT_EQ(story.ParagraphAt(0).hj, 1);
  EXPECT_EQ(story.ParagraphAt(0).start, 0);
}

TEST(StoryParagraphs, EmptyStoryIsOneEmptyParagraph) {
  Fixture f;
  Paragraph only = f.story->ParagraphAt(0);
  EXPECT_EQ(only.start, 0);
  EXPECT_EQ(only.end, 0);
  EXPECT_EQ(f.story->ParagraphCount(), 1);
  EXPECT_EQ(f.story->ParagraphAt(99).end, 0);  // clamped, no overrun
}

}  // namespace
}  // namespace wirsel::model
