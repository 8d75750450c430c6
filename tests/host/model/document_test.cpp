// Boxes of a document: spread and page walks, groups, text chains, anchored
// boxes, and the workspace around documents.
#include <gtest/gtest.h>

#include "host/model/workspace.h"

namespace wirsel::model {
namespace {

std::vector<BoxId> SpreadWalk(const Document& document, int32_t spread, Walk walk) {
  std::vector<BoxId> seen;
  for (BoxId at = document.FirstBoxOfSpread(spread, walk); at != kNoBox;
       at = document.NextBox(at, walk)) {
    seen.push_back(at);
  }
  return seen;
}

// Spread 1: text 1, group 5 of (picture 2, group 4 of (text 3)), picture 6.
// Spread 2 is empty, spread 3 holds text 7 on page 4.
class DocumentTest : public ::testing::Test {
 protected:
  DocumentTest() {
    document.AddSpread(2);
    document.AddSpread(1);
    document.AddSpread(1);
    t1 = document.AddBox(BoxKind::kText, 1, 1);
    p2 = document.AddBox(BoxKind::kPicture, 1, 2);
    t3 = document.AddBox(BoxKind::kText, 1, 2);
    g4 = document.AddGroup({t3});
    g5 = document.AddGroup({p2, g4});
    p6 = document.AddBox(BoxKind::kPicture, 1, 1);
    t7 = document.AddBox(BoxKind::kText, 3, 4);
  }
  Document document{"t"};
  BoxId t1, p2, t3, g4, g5, p6, t7;
};

TEST_F(DocumentTest, SpreadWalksDeliverTopLevelItemsOrMembersToo) {
  EXPECT_EQ(SpreadWalk(document, 1, Walk::kTopLevel), (std::vector<BoxId>{t1, g5, p6}));
  EXPECT_EQ(SpreadWalk(document, 1, Walk::kWithMembers),
            (std::vector<BoxId>{t1, g5, p2, g4, t3, p6}));
  EXPECT_TRUE(SpreadWalk(document, 2, Walk::kWithMembers).empty());
  EXPECT_EQ(SpreadWalk(document, 3, Walk::kTopLevel), (std::vector<BoxId>{t7}));
  EXPECT_EQ(document.FirstBoxOfSpread(0, Walk::kTopLevel), kNoBox);
  EXPECT_EQ(document.FirstBoxOfSpread(4, Walk::kTopLevel), kNoBox);
  EXPECT_EQ(document.NextBox(999, Walk::kTopLevel), kNoBox);
}

TEST_F(DocumentTest, PageWalkCrossesGroupsAndSpreads) {
  EXPECT_EQ(document.page_count(), 4);
  std::vector<BoxId> page2;
  for (BoxId at = document.FirstBoxOfPage(2); at != kNoBox; at = document.NextBoxOnPage(at)) {
    page2.push_back(at);
  }
  EXPECT_EQ(page2, (std::vector<BoxId>{g5, p2, g4, t3}));  // groups take their first item's page
  EXPECT_EQ(document.FirstBoxOfPage(4), t7);
  EXPECT_EQ(document.NextBoxOnPage(t7), kNoBox);
  EXPECT_EQ(document.FirstBoxOfPage(3), kNoBox);
  EXPECT_EQ(document.FirstTextBox(), t1);
}

TEST_F(DocumentTest, GroupsRefuseBoxesThatAreNotTopLevelOnOneSpread) {
  EXPECT_EQ(document.AddGroup({t1, t7}), kNoBox);
  EXPECT_EQ(document.LastResult(), Result::kWrongPlacement);
  EXPECT_EQ(document.AddGroup({t3}), kNoBox);  // already in a group
  EXPECT_EQ(document.AddGroup({t1, t1}), kNoBox);
  EXPECT_EQ(document.AddGroup({}), kNoBox);
  EXPECT_EQ(document.AddGroup({42}), kNoBox);
  EXPECT_EQ(document.LastResult(), Result::kNoSuchBox);
  EXPECT_TRUE(document.IsGroup(g5));
  EXPECT_EQ(document.box(g5)->items, (std::vector<BoxId>{p2, g4}));
  EXPECT_EQ(document.box(t3)->group, g4);
}

TEST_F(DocumentTest, LinkedBoxesShareOneStory) {
  BoxId t8 = document.AddBox(BoxKind::kText, 3, 4);
  document.story(document.StoryOfBox(t1))->Insert(0, u"ciąg", {});
  StoryId dropped = document.StoryOfBox(t8);
  ASSERT_EQ(document.Link(t1, t8), Result::kOk);
  EXPECT_EQ(document.StoryOfBox(t8), document.StoryOfBox(t1));
  EXPECT_EQ(document.story(dropped), nullptr);
  EXPECT_EQ(document.box(t1)->next_linked, t8);
  EXPECT_EQ(document.box(t8)->previous_linked, t1);
  EXPECT_EQ(document.ChainOf(document.StoryOfBox(t1)), (std::vector<BoxId>{t1, t8}));
  // A box with text of its own, a picture, or a box already linked is refused.
  document.story(document.StoryOfBox(t7))->Insert(0, u"x", {});
  EXPECT_EQ(document.Link(t8, t7), Result::kBadValue);
  EXPECT_EQ(document.Link(t8, p6), Result::kNotTextBox);
  EXPECT_EQ(document.Link(t3, t8), Result::kWrongPlacement);
  // A box added with an existing story joins the end of its chain.
  BoxId t9 = document.AddBox(BoxKind::kText, 2, 3, {}, 0, document.StoryOfBox(t1));
  EXPECT_EQ(document.ChainOf(document.StoryOfBox(t1)), (std::vector<BoxId>{t1, t8, t9}));
  ASSERT_EQ(document.SetChainOrder(document.StoryOfBox(t1), {t9, t1, t8}), Result::kOk);
  EXPECT_EQ(document.ChainOf(document.StoryOfBox(t1)), (std::vector<BoxId>{t9, t1, t8}));
  EXPECT_EQ(document.SetChainOrder(document.StoryOfBox(t1), {t9, t1}), Result::kWrongPlacement);
}

TEST_F(DocumentTest, AnchoredBoxesAreFoundInStoryOrder) {
  Story& story = *document.story(document.StoryOfBox(t1));
  story.Insert(0, u"ab\uFFFCcd", {});  // an anchor character with no box
  BoxId a = document.InsertAnchoredBox(story.id(), 4, BoxKind::kPicture);
  BoxId b = document.InsertAnchoredBox(story.id(), 1, BoxKind::kText);
  ASSERT_NE(a, kNoBox);
  ASSERT_NE(b, kNoBox);
  EXPECT_EQ(story.Text(), u"a\uFFFCb\uFFFCc\uFFFCd");
  int32_t position = -1;
  BoxId found = kNoBox;
  ASSERT_EQ(story.FindAnchored(0, story.length(), 0, &position, &found), Result::kOk);
  EXPECT_EQ(position, 1);
  EXPECT_EQ(found, b);
  ASSERT_EQ(story.FindAnchored(0, story.length(), 1, &position, &found), Result::kOk);
  EXPECT_EQ(position, 5);
  EXPECT_EQ(found, a);
  EXPECT_EQ(story.FindAnchored(0, story.length(), 2, &position, &found), Result::kNoSuchBox);
  EXPECT_EQ(story.FindAnchored(2, 5, 0, &position, &found), Result::kNoSuchBox);
  EXPECT_EQ(story.FindAnchored(0, 99, 0, &position, &found), Result::kBadPosition);
  EXPECT_EQ(document.box(b)->anchored_in, story.id());
  EXPECT_NE(document.StoryOfBox(b), kNoStory);  // an anchored text box has its own story
  // An anchored box is on no spread.
  EXPECT_EQ(SpreadWalk(document, 1, Walk::kTopLevel), (std::vector<BoxId>{t1, g5, p6}));
  // Attaching needs a free anchor character.
  EXPECT_EQ(document.AttachAnchoredBox(story.id(), 0, BoxKind::kPicture), kNoBox);
  EXPECT_EQ(document.AttachAnchoredBox(story.id(), 1, BoxKind::kPicture), kNoBox);
  EXPECT_NE(document.AttachAnchoredBox(story.id(), 3, BoxKind::kPicture), kNoBox);
}

TEST_F(DocumentTest, IdsAreKeptWhenAskedAndNeverReused) {
  EXPECT_EQ(document.AddBox(BoxKind::kPicture, 1, 0, {}, t1), kNoBox);
  EXPECT_EQ(document.LastResult(), Result::kIdTaken);
  EXPECT_EQ(document.AddBox(BoxKind::kPicture, 1, 0, {}, 100), 100u);
  EXPECT_EQ(document.AddBox(BoxKind::kPicture, 1), 101u);
  EXPECT_EQ(document.AddBox(BoxKind::kPicture, 9), kNoBox);
  EXPECT_EQ(document.AddBox(BoxKind::kPicture, 1, 5), kNoBox);  // page past the end
  EXPECT_EQ(document.AddBox(BoxKind::kPicture, 1, 0, {}, 0, document.StoryOfBox(t1)), kNoBox);
  EXPECT_EQ(document.NewStory(document.StoryOfBox(t1)), kNoStory);
  // The highest id does not wrap the next free id round to "none".
  EXPECT_EQ(document.AddBox(BoxKind::kText, 1, 0, {}, UINT32_MAX), UINT32_MAX);
  EXPECT_EQ(document.NewStory(UINT32_MAX), UINT32_MAX);
  EXPECT_EQ(document.AddBox(BoxKind::kPicture, 1), 102u);
  EXPECT_NE(document.NewStory(), kNoStory);
}

TEST(Workspace, FrontDocumentToolAndSwitches) {
  Workspace workspace;
  EXPECT_EQ(workspace.front_index(), -1);
  EXPECT_EQ(workspace.front(), nullptr);
  workspace.Open(std::make_unique<Document>("a"));
  workspace.Open(std::make_unique<Document>("b"));
  EXPECT_EQ(workspace.front_index(), 1);
  EXPECT_EQ(workspace.front()->name(), "b");
  EXPECT_EQ(workspace.SetFront(0), Result::kOk);
  EXPECT_EQ(workspace.front()->name(), "a");
  EXPECT_EQ(workspace.SetFront(2), Result::kNoDocument);
  EXPECT_EQ(workspace.Close(0), Result::kOk);
  EXPECT_EQ(workspace.front()->name(), "b");
  EXPECT_EQ(workspace.Close(0), Result::kOk);
  EXPECT_EQ(workspace.front_index(), -1);
  EXPECT_EQ(workspace.Close(0), Result::kNoDocument);
  EXPECT_EQ(workspace.tool(), kContentTool);
  EXPECT_EQ(workspace.SetTool(kItemTool), Result::kOk);
  EXPECT_EQ(workspace.SetTool(3), Result::kBadValue);
  EXPECT_EQ(workspace.tool(), kItemTool);
}

}  // namespace
}  // namespace wirsel::model
