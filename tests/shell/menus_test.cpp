// Bounded translations and what the host's menu golden files cannot show:
// titles kept when no text is targeted, nested and failed updates.
#include <string>
#include <vector>

#include "base/block_alloc.h"
#include "hyph/hyph_module.h"
#include "services/services.h"
#include "services/translate.h"
#include "services/xt40_shell.h"
#include "spell/spell_module.h"
#include "tests/shell/fake_host.h"
#include "typo/typo_module.h"

namespace {

class MenusTest : public PluginTest {
 protected:
  void Start(int16_t language = 0) {
    Host().language = language;
    ASSERT_EQ(StartPlugin(), 0);
    SendMenuCallback(XT_CB_INSTALL_MENUS);
  }
  // Title (UTF-8) and enabled state of an item after a menu update.
  static std::string Title(uint16_t id) { return testutil::Utf8(FindItem(id)->text); }
  static bool Enabled(uint16_t id) { return FindItem(id)->enabled; }
  static void Update() { SendMenuCallback(XT_CB_UPDATE_MENUS); }
};

TEST_F(MenusTest, TranslateWithABufferAlwaysCopies) {
  Start(42);
  char a[64] = "junk", b[8] = "junk";
  EXPECT_EQ(Translate("Untranslated text", 42, a, sizeof a), a);
  EXPECT_STREQ(a, "Untranslated text");
  Translate("Typography", 42, b, sizeof b);
  EXPECT_STREQ(b, "Typogra");  // bounded by the buffer
}

// The item states of each situation are pinned by the host's menu golden
// files (tests/host/data/menus_*.expected); what a single golden file cannot
// show is that titles stay as they were when no text is targeted.
TEST_F(MenusTest, TitlesStayWhenNoTextIsTargeted) {
  Start();
  const xt_box text = AddBox({1, true, false, true, u"abc", 1, 3});
  const xt_box empty = AddBox({1, true, false, true, u"", 0, 0});
  const xt_box invalid = AddBox({1, true, false, false, u"abc", 0, 0});
  Host().spreads = 1;
  Host().layout_view = 0;
  Host().tool = XT_TOOL_CONTENT;
  Host().current = text;
  Update();
  for (const xt_box box : {empty, invalid}) {
    Host().current = box;
    Update();
    EXPECT_FALSE(Enabled(gHyphXT->item_id(HyphXT::kHyphenate)));
    EXPECT_EQ(Title(gHyphXT->item_id(HyphXT::kHyphenate)), "Hyphenate Selection");
    EXPECT_EQ(Title(gHyphXT->item_id(HyphXT::kRemoveHyphens)), "Remove Hyphens From Selection");
    EXPECT_EQ(Title(gTypoXT->item_id(TypoXT::kTypography)), "Typography In Selection");
    EXPECT_EQ(Title(gDictXT->item_id(DictXT::kCheckWord)), "Check Selection...");
  }
}

TEST_F(MenusTest, NestedUpdateReturnsAtOnceAndAFailedUpdateDoesNotBlockTheNext) {
  Start();
  Host().layout_view = 0;
  const xt_box text = AddBox({1, true, false, true, u"abc", 0, 2});
  Host().current = text;

  static int32_t nested_status = -1;
  static int32_t nested_host_calls = -1;
  Host().on_layout_view = [] {
    Host().on_layout_view = nullptr;
    const int32_t before = Host().host_calls;
    nested_status = SendMenuCallback(XT_CB_UPDATE_MENUS);
    nested_host_calls = Host().host_calls - before;
  };
  EXPECT_EQ(SendMenuCallback(XT_CB_UPDATE_MENUS), 0);
  EXPECT_EQ(nested_status, 0);
  EXPECT_EQ(nested_host_calls, 0);
  EXPECT_EQ(Title(gHyphXT->item_id(HyphXT::kHyphenate)), "Hyphenate Selection");

  Host().on_layout_view = [] { throw BlockError(-41); };
  EXPECT_EQ(SendMenuCallback(XT_CB_UPDATE_MENUS), -41);
  Host().on_layout_view = nullptr;
  Host().boxes[text].sel_end = 0;
  EXPECT_EQ(SendMenuCallback(XT_CB_UPDATE_MENUS), 0);
  EXPECT_EQ(Title(gHyphXT->item_id(HyphXT::kHyphenate)), "Hyphenate Box");
}

}  // namespace
