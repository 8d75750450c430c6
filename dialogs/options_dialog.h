// A preferences dialog: one table of items gives both the dialog's bilingual
// resources and what each item shows of an options struct. Check boxes and
// radio buttons bound to fields are shown when the dialog opens, enabled by
// the items they depend on while it runs, and read back on OK; then the
// options are saved to the settings file. A failed save says so and keeps
// the dialog open with the user's values.
#pragma once

#include <cstdint>
#include <span>

#include "dialogs/xt40_dialog.h"
#include "xtapi/xtapi.h"

// One item of a preferences dialog: its resource (id, kind, radio group,
// English and Polish stored texts) and, for a check box or radio button, the
// field it shows. A check box shows a 0/1 field. A radio button is on when
// its field holds `value`; the group's `fallback` button is on when no
// button's value matches. `enabled_by` names the check box or radio button
// that must be on (and itself enabled) for this item to be enabled; 0 when
// the item is always enabled. The chain of enabling items has no loop.
template <typename Options>
struct OptionItem {
  int16_t id;
  int16_t kind;
  int16_t group;
  const char* english;
  const char* polish;
  int16_t Options::*field = nullptr;
  int16_t value = 0;
  bool fallback = false;
  int16_t enabled_by = 0;
};

template <typename Options>
class OptionsDialog : public XT40xdlog {
 protected:
  using Item = OptionItem<Options>;

  OptionsDialog(int16_t resource, Options& options, std::span<const Item> items)
      : XT40xdlog(resource), options_(options), items_(items) {}

  // A dialog with more items shows them after calling this.
  void SetValues() override {
    for (const Item& item : items_) {
      if (item.field != nullptr) SetCheck(item.id, Shows(item));
    }
    ApplyEnabling();
  }
  // A check box or radio button may enable others; a dialog with buttons of
  // its own handles them after calling this.
  void ItemHit(int16_t id) override {
    const Item* hit = Find(id);
    if (hit != nullptr && (hit->kind == XT_ITEM_CHECK || hit->kind == XT_ITEM_RADIO)) {
      ApplyEnabling();
    }
  }
  // A dialog with more items reads them before calling this.
  bool Accept() override {
    for (const Item& item : items_) {
      if (item.field == nullptr) continue;
      if (item.kind == XT_ITEM_CHECK) {
        options_.*item.field = GetCheck(item.id) ? 1 : 0;
      } else if (GetCheck(item.id)) {
        options_.*item.field = item.value;
      }
    }
    if (const int32_t error = Save(); error != 0) {
      SettingsSaveFailedAlert(error);
      return false;
    }
    return true;
  }
  // Writes the options to the settings file: 0, or the errno of the failure.
  virtual int32_t Save() = 0;

  Options& options_;

 private:
  const Item* Find(int16_t id) const {
    for (const Item& item : items_) {
      if (item.id == id) return &item;
    }
    return nullptr;
  }
  // Whether the item's field puts its check box or radio button on.
  bool Shows(const Item& item) const {
    const int16_t value = options_.*item.field;
    if (item.kind == XT_ITEM_CHECK) return value != 0;
    if (value == item.value) return true;
    if (!item.fallback) return false;
    for (const Item& other : items_) {
      if (other.field == item.field && other.kind == XT_ITEM_RADIO && other.value == value) {
        return false;
      }
    }
    return true;
  }
  // Whether the check box or radio button `id` is on and enabled.
  bool Enables(int16_t id) const {
    const Item* item = Find(id);
    return GetCheck(id) && (item == nullptr || item->enabled_by == 0 || Enables(item->enabled_by));
  }
  void ApplyEnabling() {
    for (const Item& item : items_) {
      if (item.enabled_by != 0) Enable(item.id, Enables(item.enabled_by));
    }
  }

  std::span<const Item> items_;
};
