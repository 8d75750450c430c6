// The typography module: its menu, the state of its box item, and its
// commands.
#include "typo/typo_module.h"

#include "base/macce.h"
#include "dialogs/about.h"
#include "text/story_text.h"
#include "typo/typo_box.h"
#include "typo/typo_options.h"
#include "typo/typo_prefs.h"

TypoXT* gTypoXT = nullptr;

namespace {

const BoxItemTitles kTypographyTitles = {MACCE("Typography In Box"), MACCE("Typography In Boxes"),
                                         MACCE("Typography In Selection")};

}  // namespace

TypoXT::TypoXT() : MenuModule(MACCE("Typography")) {}

void TypoXT::Prepare() { LoadTypographyOptions(); }

MenuEntries TypoXT::Entries() {
  return {
      {kTypographyTitles.box, TypographyInBox, &MenuState::box_items, &kTypographyTitles},
      {nullptr, nullptr},
      {MACCE("Typography Preferences..."), [] { TypographyPreferences(); }},
      {MACCE("About Wirsel..."), ShowAboutDialog},
  };
}

void TypographyInBox() {
  if (!DocumentOpen()) return;
  const xt_box box = GetCurrentBox();
  if (box == 0 || !(IsTextBox(box) || IsGroup(box))) return;
  LoadTypographyOptions();
  BeginUndoableChange();
  TypographyInCurrentBox();
  EndUndoableChange();
}

int32_t TypographyPreferences() {
  LoadTypographyOptions();
  CTypoPrefsDialog dialog;
  dialog.Run();
  return 1;
}
