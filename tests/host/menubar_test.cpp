// Menus: ids from 101 up, and enabling and retitling by id wherever the item
// sits, never by position.
#include <gtest/gtest.h>

#include "host/menubar.h"

TEST(MenuBar, ItemIdsStartAt101AndAreUniqueAcrossMenus) {
  MenuBar bar;
  const xt_menu first = bar.NewMenu("A");
  const xt_menu second = bar.NewMenu("B");
  EXPECT_EQ(bar.AppendSubmenu(bar.BarId(), "A", first), XT_FIRST_ITEM_ID);
  EXPECT_EQ(bar.AppendItem(first, "one"), XT_FIRST_ITEM_ID + 1);
  bar.AppendSeparator(first);
  EXPECT_EQ(bar.AppendItem(second, "two"), XT_FIRST_ITEM_ID + 2);
  EXPECT_EQ(bar.AppendItem(999, "nowhere"), 0);
  ASSERT_EQ(bar.TopMenus().size(), 1u);  // B hangs nowhere yet
  EXPECT_EQ(bar.TopMenus()[0]->items.size(), 2u);
}

TEST(MenuBar, RetitleAndEnableAddressTheIdNotThePosition) {
  MenuBar bar;
  const xt_menu menu = bar.NewMenu("M");
  bar.AppendSubmenu(bar.BarId(), "M", menu);
  const uint16_t a = bar.AppendItem(menu, "a");
  bar.AppendSeparator(menu);
  const uint16_t b = bar.AppendItem(menu, "b");
  bar.SetItemText(menu, b, "b2");
  bar.EnableItem(0, a, false);  // the menu argument is not needed to find it
  bar.SetItemText(menu, 2, "position two");
  bar.SetItemText(menu, 0, "nothing");
  const Menu* shown = bar.Find(menu);
  EXPECT_EQ(shown->items[0].title, "a");
  EXPECT_FALSE(shown->items[0].enabled);
  EXPECT_TRUE(shown->items[1].separator);
  EXPECT_EQ(shown->items[1].title, "");
  EXPECT_EQ(shown->items[2].title, "b2");
  EXPECT_TRUE(shown->items[2].enabled);
}

TEST(MenuBar, SubmenuCannotHangUnderItselfOrTheBar) {
  MenuBar bar;
  const xt_menu menu = bar.NewMenu("M");
  EXPECT_EQ(bar.AppendSubmenu(menu, "self", menu), 0);
  EXPECT_EQ(bar.AppendSubmenu(menu, "bar", bar.BarId()), 0);
  EXPECT_EQ(bar.AppendSubmenu(bar.BarId(), "unknown", 77), 0);
}
