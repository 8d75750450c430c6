// XT40xdlog over the host's dialog service: the dialog's resource is looked
// up (Polish twin through MapDialog), its texts translated and converted, and
// the host's events are turned into the subclass's hooks.
#include "dialogs/xt40_dialog.h"

#include <string>
#include <vector>

#include "base/macce.h"
#include "dialogs/resources.h"
#include "services/guard.h"
#include "services/host.h"
#include "services/services.h"
#include "services/translate.h"

namespace {

inline constexpr int16_t kMissingResource = -192;
inline constexpr size_t kItemTextSize = 1024;

// The resource with its texts in the display character set, alive while the
// dialog runs.
class DisplayDialog {
 public:
  explicit DisplayDialog(const xt_dialog_def& def) : def_(def) {
    texts_.reserve(static_cast<size_t>(def.item_count) + 1);
    def_.title = Shown(def.title);
    for (int16_t i = 0; i < def.item_count; ++i) {
      xt_dialog_item_def item = def.items[i];
      item.text = Shown(item.text);
      items_.push_back(item);
    }
    def_.items = items_.data();
  }
  const xt_dialog_def* def() const { return &def_; }

 private:
  const char* Shown(const char* stored) {
    if (stored == nullptr) return nullptr;
    char text[kItemTextSize];
    texts_.emplace_back(ToDisplay(stored, text, sizeof text));
    return texts_.back().c_str();
  }
  xt_dialog_def def_;
  std::vector<xt_dialog_item_def> items_;
  std::vector<std::string> texts_;
};

}  // namespace

XT40xdlog::XT40xdlog(int16_t resource) : resource_(resource) {
  if (gShell != nullptr) gShell->RegisterXdlog(this);
}

XT40xdlog::~XT40xdlog() {
  if (gShell != nullptr) gShell->UnregisterXdlog(this);
}

int16_t XT40xdlog::Run() {
  const int16_t number = MapDialog(resource_);
  const xt_dialog_def* def = FindDialogResource(number);
  if (def == nullptr) {
    Alert(kMissingResource, "",
          MACCE("Nie udało się załadować zasobu okna nr %d, rozszerzenie jest zniszczone."),
          number);
    return kMissingResource;
  }
  const DisplayDialog shown(*def);
  const int16_t result = gDialogSuite->run(shown.def(), OnEvent, this);
  dialog_ = nullptr;
  return result;
}

int32_t XT40xdlog::OnEvent(xt_dialog dialog, int32_t event, int16_t item, void* self) {
  auto* me = static_cast<XT40xdlog*>(self);
  if (!XT40Root::IsValid(me)) return 0;
  me->dialog_ = dialog;
  const int32_t status = GuardedEntry([&]() -> int32_t {
    if (event == XT_DLG_INIT) {
      me->InitItems();
      me->SetValues();
    } else if (event == XT_DLG_ITEM_HIT) {
      if (item == XT_DLG_OK) {
        if (me->Accept()) me->Close(XT_DLG_OK);
      } else if (item == XT_DLG_CANCEL) {
        me->Close(XT_DLG_CANCEL);
      } else {
        me->ItemHit(item);
      }
    }
    return 0;
  });
  if (status != 0) gDialogSuite->close(dialog, XT_DLG_CANCEL);
  return status;
}

std::string XT40xdlog::GetText(int16_t item) const {
  char text[kItemTextSize] = {};
  gDialogSuite->get_text(dialog_, item, text, sizeof text);
  text[sizeof text - 1] = 0;
  return text;
}

void XT40xdlog::SetText(int16_t item, const char* text) {
  gDialogSuite->set_text(dialog_, item, text ? text : "");
}

void XT40xdlog::SetStoredText(int16_t item, const char* stored) {
  char text[kItemTextSize];
  SetText(item, ToDisplay(stored, text, sizeof text));
}

bool XT40xdlog::GetCheck(int16_t item) const {
  return gDialogSuite->get_check(dialog_, item) != 0;
}

void XT40xdlog::SetCheck(int16_t item, bool on) {
  gDialogSuite->set_check(dialog_, item, on ? 1 : 0);
}

void XT40xdlog::Enable(int16_t item, bool on) {
  gDialogSuite->enable_item(dialog_, item, on ? 1 : 0);
}

bool XT40xdlog::IsEnabled(int16_t item) const {
  return gDialogSuite->item_enabled(dialog_, item) != 0;
}

void XT40xdlog::ListClear(int16_t item) { gDialogSuite->list_clear(dialog_, item); }

int32_t XT40xdlog::ListCount(int16_t item) const {
  return gDialogSuite->list_count(dialog_, item);
}

int32_t XT40xdlog::ListAppend(int16_t item, const char* text) {
  return gDialogSuite->list_append(dialog_, item, text ? text : "");
}

void XT40xdlog::ListDelete(int16_t item, int32_t row) {
  gDialogSuite->list_delete(dialog_, item, row);
}

void XT40xdlog::ListSelect(int16_t item, int32_t row) {
  gDialogSuite->list_select(dialog_, item, row);
}

int32_t XT40xdlog::ListSelected(int16_t item) const {
  return gDialogSuite->list_selected(dialog_, item);
}

std::string XT40xdlog::ListText(int16_t item, int32_t row) const {
  char text[kItemTextSize] = {};
  gDialogSuite->list_get_text(dialog_, item, row, text, sizeof text);
  text[sizeof text - 1] = 0;
  return text;
}

void XT40xdlog::Close(int16_t result) { gDialogSuite->close(dialog_, result); }
