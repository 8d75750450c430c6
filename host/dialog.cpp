// Running dialogs: item state, user actions and the text rendering.
#include "host/dialog.h"

#include <algorithm>
#include <cctype>

#include "host/cp1250.h"
#include "host/frontend.h"
#include "host/messages/messages.h"
#include "host/progress.h"

namespace {

constexpr int16_t kMostItems = 512;

// Dialogs run nested: a handler may open another dialog.
std::vector<xt_dialog>& Running() {
  static std::vector<xt_dialog> running;
  return running;
}

bool AllDigits(const std::string& text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

// What the user is told an item is, by its kind.
struct KindText {
  int16_t kind;
  const char* name;
};
constexpr KindText kKindTexts[] = {
    {XT_ITEM_STATIC, "a text"},     {XT_ITEM_EDIT, "an edit field"},
    {XT_ITEM_CHECK, "a check box"}, {XT_ITEM_RADIO, "a radio button"},
    {XT_ITEM_BUTTON, "a button"},   {XT_ITEM_LIST, "a list"}};

std::string KindName(int16_t kind) {
  for (const KindText& known : kKindTexts) {
    if (known.kind == kind) return Msg(known.name);
  }
  return Msg("an item");
}

}  // namespace

DialogItem* xt_dialog_s::Item(int16_t id) {
  for (DialogItem& item : items) {
    if (item.id == id) return &item;
  }
  return nullptr;
}

DialogItem* xt_dialog_s::Find(const std::string& key) {
  if (AllDigits(key) && key.size() < 6) return Item(static_cast<int16_t>(std::stoi(key)));
  for (DialogItem& item : items) {
    if (Win1250ToUtf8(item.text) == key) return &item;
  }
  return nullptr;
}

std::string xt_dialog_s::Hit(DialogItem& item) {
  handler(this, XT_DLG_ITEM_HIT, item.id, context);
  return {};
}

std::string xt_dialog_s::Click(DialogItem& item) {
  if (!item.enabled) return Msg("item {1} is disabled", std::to_string(item.id));
  switch (item.kind) {
    case XT_ITEM_BUTTON:
      return Hit(item);
    case XT_ITEM_CHECK:
      item.checked = !item.checked;
      return Hit(item);
    case XT_ITEM_RADIO:
      for (DialogItem& other : items) {
        if (other.kind == XT_ITEM_RADIO && other.group == item.group) other.checked = false;
      }
      item.checked = true;
      return Hit(item);
    default:
      return Msg("item {1} is {2}, which cannot be clicked", std::to_string(item.id),
                 KindName(item.kind));
  }
}

std::string xt_dialog_s::SetText(DialogItem& item, const std::string& win1250) {
  if (item.kind != XT_ITEM_EDIT) {
    return Msg("item {1} is {2}, not an edit field", std::to_string(item.id), KindName(item.kind));
  }
  if (!item.enabled) return Msg("item {1} is disabled", std::to_string(item.id));
  item.text = win1250;
  return Hit(item);
}

std::string xt_dialog_s::SetCheck(DialogItem& item, bool on) {
  if (item.kind != XT_ITEM_CHECK && item.kind != XT_ITEM_RADIO) {
    return Msg("item {1} is {2}, not a check box", std::to_string(item.id), KindName(item.kind));
  }
  if (item.checked == on) return {};
  if (item.kind == XT_ITEM_RADIO && !on)
    return Msg("a radio button is unchecked by checking another");
  return Click(item);
}

std::string xt_dialog_s::Choose(DialogItem& item, int32_t row) {
  if (item.kind != XT_ITEM_LIST) {
    return Msg("item {1} is {2}, not a list", std::to_string(item.id), KindName(item.kind));
  }
  if (!item.enabled) return Msg("item {1} is disabled", std::to_string(item.id));
  if (row < 0 || row >= static_cast<int32_t>(item.rows.size())) {
    return Msg("list {1} has no row {2}", std::to_string(item.id), std::to_string(row + 1));
  }
  item.selected = row;
  return Hit(item);
}

std::string xt_dialog_s::Ok() {
  DialogItem* ok = Item(XT_DLG_OK);
  if (!ok) return Msg("the dialog has no OK button (item 1)");
  return Click(*ok);
}

void xt_dialog_s::Cancel() {
  if (DialogItem* cancel = Item(XT_DLG_CANCEL); cancel && cancel->enabled) Hit(*cancel);
  if (!closed) {
    closed = true;
    result = XT_DLG_CANCEL;
  }
}

std::string xt_dialog_s::Name() const {
  return Msg("dialog \"{1}\" ({2})", Win1250ToUtf8(title), std::to_string(number));
}

char ItemKey(const xt_dialog_s& dialog, const DialogItem& item) {
  const auto ok_or_cancel = [](const DialogItem& i) {
    return i.kind == XT_ITEM_BUTTON && (i.id == XT_DLG_OK || i.id == XT_DLG_CANCEL);
  };
  const auto lettered = [&](const DialogItem& i) {
    return !ok_or_cancel(i) && (i.kind == XT_ITEM_BUTTON || i.kind == XT_ITEM_CHECK ||
                                i.kind == XT_ITEM_RADIO || i.kind == XT_ITEM_EDIT);
  };
  if (ok_or_cancel(item)) return item.id == XT_DLG_OK ? 'o' : 'c';
  if (!lettered(item)) return 0;
  static constexpr char kKeys[] = "abdefghijklmnpqrstuvwxyz";
  size_t n = 0;
  for (const DialogItem& other : dialog.items) {
    if (&other == &item) break;
    if (lettered(other)) ++n;
  }
  return n < sizeof(kKeys) - 1 ? kKeys[n] : 0;
}

std::string xt_dialog_s::Render(bool keys) const {
  std::string out = "== " + Win1250ToUtf8(title) + " ==\n";
  for (const DialogItem& item : items) {
    std::string line = "  " + std::to_string(item.id) + " ";
    const char key = keys ? ItemKey(*this, item) : 0;
    if (key) line += std::string("[") + key + "] ";
    const std::string text = Win1250ToUtf8(item.text);
    switch (item.kind) {
      case XT_ITEM_EDIT: line += "edit: [" + text + "]"; break;
      case XT_ITEM_CHECK: line += (item.checked ? "[x] " : "[ ] ") + text; break;
      case XT_ITEM_RADIO: line += (item.checked ? "(o) " : "( ) ") + text; break;
      case XT_ITEM_BUTTON: line += "<" + text + ">"; break;
      case XT_ITEM_LIST: line += "list:"; break;
      default: line += text; break;
    }
    if (!item.enabled) line += "  (disabled)";
    out += line + "\n";
    for (size_t row = 0; row < item.rows.size(); ++row) {
      out += (static_cast<int32_t>(row) == item.selected ? "     > " : "       ") +
             std::to_string(row + 1) + ". " + Win1250ToUtf8(item.rows[row]) + "\n";
    }
  }
  return out;
}

int16_t RunDialog(const xt_dialog_def* def, xt_dialog_handler handler, void* context) {
  if (!def || !handler || def->item_count < 0 || def->item_count > kMostItems ||
      (def->item_count > 0 && !def->items)) {
    ReportHostError("the plug-in asked to run a dialog with a damaged definition");
    return XT_DLG_CANCEL;
  }
  xt_dialog_s dialog;
  dialog.number = def->number;
  dialog.title = def->title ? def->title : "";
  dialog.handler = handler;
  dialog.context = context;
  for (int16_t i = 0; i < def->item_count; ++i) {
    const xt_dialog_item_def& d = def->items[i];
    DialogItem item;
    item.id = d.id;
    item.kind = d.kind;
    item.group = d.group;
    item.text = d.text ? d.text : "";
    dialog.items.push_back(item);
  }
  Running().push_back(&dialog);
  handler(&dialog, XT_DLG_INIT, 0, context);
  if (!dialog.closed) {
    HostProgress().Clear();
    CurrentFrontEnd().Drive(dialog);
  }
  Running().pop_back();
  return dialog.result;
}

bool IsRunningDialog(xt_dialog dialog) {
  return std::find(Running().begin(), Running().end(), dialog) != Running().end();
}
