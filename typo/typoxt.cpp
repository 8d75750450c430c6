// The typography module: its menu, the state of its box item, and its
// commands.
#include "typo/typoxt.h"

#include "base/macce.h"
#include "dialogs/typo_prefs.h"
#include "shell/shell.h"
#include "text/storytext.h"
#include "typo/typobox.h"
#include "typo/typooptions.h"

TypoXT* gTypoXT = nullptr;
xt_menu gTypoMenu = 0;

int32_t TypoXT::InstallMenus(xt_menu_record* record) {
  LoadTypographyOptions();
  gTypoMenu = AddMenu(record->menu_bar, MACCE("Typography"));
  typography_item = AddMenuItem(gTypoMenu, MACCE("Typography In Box"));
  AddSeparator(gTypoMenu);
  preferences_item = AddMenuItem(gTypoMenu, MACCE("Typography Preferences..."));
  about_item = AddMenuItem(gTypoMenu, MACCE("About Wirsel..."));
  return 0;
}

int32_t TypoXT::UpdateMenus() {
  if (typography_item == 0) return 0;
  EnableMenuItem(gTypoMenu, typography_item, false);
  const xt_box box = DocumentOpen() ? GetCurrentBox() : 0;
  const char* title = nullptr;
  if (box != 0 && IsGroup(box)) {
    title = MACCE("Typography In Boxes");
  } else if (box != 0 && IsTextBox(box)) {
    int32_t start = 0, end = 0, length = 0;
    GetStorySelection(box, nullptr, &start, &end, &length);
    if (length > 0) {
      const bool selection = GetCurrentTool() == kContentTool && start != end;
      title = selection ? MACCE("Typography In Selection") : MACCE("Typography In Box");
    }
  }
  if (title != nullptr) {
    EnableMenuItem(gTypoMenu, typography_item, true);
    SetMenuItemText(gTypoMenu, typography_item, title);
  }
  return 0;
}

int32_t TypoXT::DoMenuCommand(xt_menu_record* record) {
  const uint16_t item = record->item;
  if (item == 0) return 0;
  if (item == typography_item) {
    TypographyInBox();
  } else if (item == preferences_item) {
    TypographyPreferences();
  } else if (item == about_item) {
    ShowAboutDialog();
  }
  return 0;
}

int32_t TypoXT::Notify(xt_language_record*) { return 0; }

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
