// The dialog suite: running a dialog definition and the item operations its
// handler calls while it runs. Every operation tolerates an unknown item.
#include <cstring>

#include "host/dialog.h"
#include "host/suites.h"

namespace {

DialogItem* ItemOf(xt_dialog dialog, int16_t item) {
  return IsRunningDialog(dialog) ? dialog->Item(item) : nullptr;
}

// Copies text into out (size bytes, always terminated); answers its length.
int32_t CopyOut(const std::string& text, char* out, int32_t size) {
  if (!out || size < 1) return 0;
  const size_t length = text.size() < static_cast<size_t>(size) - 1 ? text.size() : size - 1;
  std::memcpy(out, text.data(), length);
  out[length] = 0;
  return static_cast<int32_t>(length);
}

int16_t Run(const xt_dialog_def* def, xt_dialog_handler handler, void* context) {
  return RunDialog(def, handler, context);
}

void Close(xt_dialog dialog, int16_t result) {
  if (!IsRunningDialog(dialog)) return;
  dialog->closed = true;
  dialog->result = result;
}

int32_t GetText(xt_dialog dialog, int16_t item, char* out, int32_t size) {
  const DialogItem* found = ItemOf(dialog, item);
  return CopyOut(found ? found->text : std::string(), out, size);
}

void SetText(xt_dialog dialog, int16_t item, const char* text) {
  if (DialogItem* found = ItemOf(dialog, item)) found->text = text ? text : "";
}

int32_t GetCheck(xt_dialog dialog, int16_t item) {
  const DialogItem* found = ItemOf(dialog, item);
  return found && found->checked ? 1 : 0;
}

void SetCheck(xt_dialog dialog, int16_t item, int32_t on) {
  DialogItem* found = ItemOf(dialog, item);
  if (!found) return;
  if (on && found->kind == XT_ITEM_RADIO) {  // the others of its group go off
    for (DialogItem& other : dialog->items) {
      if (other.kind == XT_ITEM_RADIO && other.group == found->group) other.checked = false;
    }
  }
  found->checked = on != 0;
}

void EnableItem(xt_dialog dialog, int16_t item, int32_t on) {
  if (DialogItem* found = ItemOf(dialog, item)) found->enabled = on != 0;
}

int32_t ItemEnabled(xt_dialog dialog, int16_t item) {
  const DialogItem* found = ItemOf(dialog, item);
  return found && found->enabled ? 1 : 0;
}

void ListClear(xt_dialog dialog, int16_t item) {
  if (DialogItem* found = ItemOf(dialog, item)) {
    found->rows.clear();
    found->selected = -1;
  }
}

int32_t ListCount(xt_dialog dialog, int16_t item) {
  const DialogItem* found = ItemOf(dialog, item);
  return found ? static_cast<int32_t>(found->rows.size()) : 0;
}

int32_t ListAppend(xt_dialog dialog, int16_t item, const char* text) {
  DialogItem* found = ItemOf(dialog, item);
  if (!found) return -1;
  found->rows.emplace_back(text ? text : "");
  return static_cast<int32_t>(found->rows.size()) - 1;
}

bool ValidRow(const DialogItem* item, int32_t row) {
  return item && row >= 0 && row < static_cast<int32_t>(item->rows.size());
}

void ListDelete(xt_dialog dialog, int16_t item, int32_t row) {
  DialogItem* found = ItemOf(dialog, item);
  if (!ValidRow(found, row)) return;
  found->rows.erase(found->rows.begin() + row);
  if (found->selected == row) found->selected = -1;
  if (found->selected > row) --found->selected;
}

void ListSelect(xt_dialog dialog, int16_t item, int32_t row) {
  DialogItem* found = ItemOf(dialog, item);
  if (found) found->selected = ValidRow(found, row) ? row : -1;
}

int32_t ListSelected(xt_dialog dialog, int16_t item) {
  const DialogItem* found = ItemOf(dialog, item);
  return found ? found->selected : -1;
}

int32_t ListGetText(xt_dialog dialog, int16_t item, int32_t row, char* out, int32_t size) {
  const DialogItem* found = ItemOf(dialog, item);
  return CopyOut(ValidRow(found, row) ? found->rows[row] : std::string(), out, size);
}

}  // namespace

std::span<const xt_fn> DialogSuiteTable() {
  return Suite<XT_DIALOG_SUITE_COUNT, Run, Close, GetText, SetText, GetCheck, SetCheck, EnableItem,
               ItemEnabled, ListClear, ListCount, ListAppend, ListDelete, ListSelect, ListSelected,
               ListGetText>();
}
