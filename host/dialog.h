// A running dialog as the host holds it: the plug-in's definition, the state
// of every item, and the user actions that front ends (terminal, script,
// default) play on it. Texts are held as the plug-in sent them (Windows-1250).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "xtapi/xtapi.h"

struct DialogItem {
  int16_t id = 0;
  int16_t kind = 0;
  int16_t group = 0;
  std::string text;
  bool checked = false;
  bool enabled = true;
  std::vector<std::string> rows;
  int32_t selected = -1;
};

struct xt_dialog_s {
  int16_t number = 0;
  std::string title;
  std::vector<DialogItem> items;
  xt_dialog_handler handler = nullptr;
  void* context = nullptr;
  bool closed = false;
  int16_t result = XT_DLG_CANCEL;

  DialogItem* Item(int16_t id);
  // The item whose id is `key` (all digits) or whose visible title is `key`
  // (UTF-8); null when there is none.
  DialogItem* Find(const std::string& key);

  // User actions. Each answers an empty string when done, or the reason it
  // could not be done (unknown item, wrong kind, disabled, bad row).
  std::string Click(DialogItem& item);
  std::string SetText(DialogItem& item, const std::string& win1250);
  std::string SetCheck(DialogItem& item, bool on);
  std::string Choose(DialogItem& item, int32_t row);  // 0-based
  std::string Ok();
  // Cancel hits item 2 when the dialog has one, else closes the dialog as
  // Cancel (the Escape key of a real dialog).
  void Cancel();

  // A readable picture of the dialog in UTF-8; buttons and boxes carry the
  // keys of the terminal front end when `keys` is true.
  std::string Render(bool keys) const;
  // How the dialog is named in messages: its title and number.
  std::string Name() const;

 private:
  std::string Hit(DialogItem& item);
};

// Runs a dialog definition modally through the current front end; answers
// the value the handler closed it with.
int16_t RunDialog(const xt_dialog_def* def, xt_dialog_handler handler, void* context);
// True while `dialog` runs; a handle kept after its run is refused.
bool IsRunningDialog(xt_dialog dialog);

// The terminal front end's key of an item (OK 'o', Cancel 'c', others 'a',
// 'b', 'd', ... in item order); 0 for items without one.
char ItemKey(const xt_dialog_s& dialog, const DialogItem& item);
