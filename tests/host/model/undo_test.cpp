// Undo of change brackets: one step per outermost bracket, restoring
// characters, attributes, paragraph H&J, anchored boxes and selection.
#include <gtest/gtest.h>

#include "host/model/workspace.h"

namespace wirsel::model {
namespace {

constexpr CharAttributes kPlain{};

class UndoTest : public ::testing::Test {
 protected:
  UndoTest() {
    document.AddSpread(1);
    box = document.AddBox(BoxKind::kText, 1, 1);
    story = document.story(document.StoryOfBox(box));
    story->Insert(0, u"Ala ma kota\ri psa", kPlain);
    story->SetSelection(4, 6);
  }
  Document document{"t", {{"Standard", true}, {"Wąskie", true}}};
  BoxId box;
  Story* story;
};

TEST_F(UndoTest, EditsOutsideABracketAreNotUndoable) {
  EXPECT_EQ(document.undo_steps(), 0u);
  EXPECT_FALSE(document.Undo());
  EXPECT_EQ(story->Text(), u"Ala ma kota\ri psa");
}

TEST_F(UndoTest, NestedBracketsUndoAsOneStep) {
  document.BeginChange();
  story->Insert(0, u"X", kPlain);
  document.BeginChange();  // a command run inside another one
  story->Erase(5, 8);
  story->ToggleFlags(0, 3, kStyleKind, kNonBreakingFlag);
  document.EndChange();
  EXPECT_EQ(document.undo_steps(), 0u);
  EXPECT_FALSE(document.Undo());  // not while a bracket is open
  story->SetAttribute(1, 2, 5, 77);
  story->SetParagraphHj(0, 1);
  story->SetSelection(0, 0);
  document.SetHjAutoHyphenation(0, false);
  document.EndChange();
  ASSERT_EQ(document.undo_steps(), 1u);

  ASSERT_TRUE(document.Undo());
  EXPECT_EQ(story->Text(), u"Ala ma kota\ri psa");
  for (int32_t i = 0; i < story->length(); ++i) {
    EXPECT_EQ(story->Attributes(i), kPlain) << i;
  }
  EXPECT_EQ(story->ParagraphAt(0).hj, 0);
  EXPECT_EQ(story->selection(), (Selection{4, 6}));
  EXPECT_TRUE(document.hj(0)->auto_hyphenation);
  EXPECT_EQ(document.undo_steps(), 0u);
}

TEST_F(UndoTest, StepsUndoInReverseOrder) {
  document.BeginChange();
  story->Insert(0, u"1", kPlain);
  document.EndChange();
  document.BeginChange();
  story->Erase(0, 4);
  document.EndChange();
  document.BeginChange();  // an empty bracket makes no step
  document.EndChange();
  ASSERT_EQ(document.undo_steps(), 2u);
  document.Undo();
  EXPECT_EQ(story->Text(), u"1Ala ma kota\ri psa");
  document.Undo();
  EXPECT_EQ(story->Text(), u"Ala ma kota\ri psa");
}

TEST_F(UndoTest, ErasedAttributesAndParagraphsComeBack) {
  story->SetAttribute(0, 3, kStyleKind, 0x81);
  story->SetParagraphHj(0, 1);
  document.BeginChange();
  story->Erase(1, 13);  // across the paragraph end
  EXPECT_EQ(story->ParagraphAt(0).hj, 0);
  document.EndChange();
  document.Undo();
  EXPECT_EQ(story->Text(), u"Ala ma kota\ri psa");
  EXPECT_EQ(story->Attribute(2, kStyleKind), 0x81u);
  EXPECT_EQ(story->Attribute(3, kStyleKind), 0u);
  EXPECT_EQ(story->ParagraphAt(0).hj, 1);
  EXPECT_EQ(story->ParagraphAt(13).hj, 0);
}

// Character-at-a-time commands: typing and backspacing merge into one delta
// each, and text typed then deleted in the same step leaves nothing behind.
TEST_F(UndoTest, CharacterByCharacterEditsUndoExactly) {
  document.BeginChange();
  for (int i = 0; i < 1000; ++i) {
    story->Insert(3, u"-", kPlain);
    story->Erase(3, 4);
  }
  for (int i = 0; i < 3; ++i) story->Erase(7, 8);  // forward delete of "kot"
  for (int32_t p = 3; p > 0; --p) story->Erase(p - 1, p);  // backspace "Ala"
  story->SetSelection(0, 0);
  const std::u16string typed = u"Ola";
  for (int32_t i = 0; i < 3; ++i) story->Insert(i, &typed[static_cast<std::size_t>(i)], 1, kPlain);
  document.EndChange();
  EXPECT_EQ(story->Text(), u"Ola ma a\ri psa");
  document.Undo();
  EXPECT_EQ(story->Text(), u"Ala ma kota\ri psa");
  EXPECT_EQ(story->selection(), (Selection{4, 6}));
}

TEST_F(UndoTest, AnchoredBoxIsInvalidWhileItsAnchorIsDeleted) {
  BoxId inline_box = document.InsertAnchoredBox(story->id(), 4, BoxKind::kPicture);
  ASSERT_NE(inline_box, kNoBox);
  EXPECT_TRUE(document.BoxValid(inline_box));
  document.BeginChange();
  story->Erase(0, 6);
  document.EndChange();
  EXPECT_FALSE(document.BoxValid(inline_box));
  EXPECT_EQ(document.SetCurrentBox(inline_box), Result::kNoSuchBox);
  document.Undo();
  EXPECT_TRUE(document.BoxValid(inline_box));
  EXPECT_EQ(story->AnchoredBoxAt(4), inline_box);
}

TEST_F(UndoTest, ADocumentThatKeepsNoJournalStillEditsAndCountsBrackets) {
  document.BeginChange();
  story->Insert(0, u"x", kPlain);
  document.EndChange();
  ASSERT_EQ(document.undo_steps(), 1u);
  document.SetUndoKept(false);  // drops what was kept
  EXPECT_EQ(document.undo_steps(), 0u);
  document.BeginChange();
  document.BeginChange();
  story->Insert(0, u"y", kPlain);
  story->Erase(2, 5);
  story->ToggleFlags(0, 3, kStyleKind, kNonBreakingFlag);
  EXPECT_EQ(document.change_depth(), 2);
  document.EndChange();
  document.EndChange();
  EXPECT_EQ(document.change_depth(), 0);
  EXPECT_EQ(story->Text(), u"yx ma kota\ri psa");
  EXPECT_EQ(story->Attribute(0, kStyleKind), kNonBreakingFlag);
  EXPECT_EQ(document.undo_steps(), 0u);
  EXPECT_FALSE(document.Undo());
}

TEST(WorkspaceBracket, BracketStaysWithTheDocumentItOpenedOn) {
  Workspace workspace;
  workspace.BeginUndoableChange();  // no document: only counted
  workspace.EndUndoableChange();
  auto first = std::make_unique<Document>("a");
  first->AddSpread(1);
  Story* story = first->story(first->StoryOfBox(first->AddBox(BoxKind::kText, 1)));
  Document* a = first.get();
  workspace.Open(std::move(first));
  workspace.BeginUndoableChange();
  story->Insert(0, u"x", kPlain);
  workspace.Open(std::make_unique<Document>("b"));
  workspace.BeginUndoableChange();
  EXPECT_EQ(workspace.change_depth(), 2);
  workspace.EndUndoableChange();
  workspace.EndUndoableChange();
  workspace.EndUndoableChange();  // unbalanced: ignored
  EXPECT_EQ(workspace.change_depth(), 0);
  EXPECT_EQ(a->undo_steps(), 1u);
  EXPECT_EQ(workspace.front()->undo_steps(), 0u);
}

}  // namespace
}  // namespace wirsel::model
