// What the shell knows of a proofing module: its menu, its commands and the
// state of its items after a menu update. The shell computes the state once
// from the text target; each module enables and retitles its own items.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "xtapi/xtapi.h"

struct MenuState {
  bool box_items = false;       // Hyphenate, Remove Hyphens, Typography (box forms)
  bool word_items = false;      // Suggest Hyphenation..., Check Word...
  bool story_item = false;      // Check Story...
  bool document_items = false;  // Remove hyphens from document, Check Document...
  enum Titles {
    kKeepTitles,  // titles stay as they are
    kBoxes,       // a group: the "Boxes" forms
    kBox,         // a text box with another tool: the "Box" forms
    kInsertion,   // content tool, insertion point: "Box" forms and "Check Word..."
    kSelection    // content tool, a range: the "Selection" forms
  };
  Titles titles = kKeepTitles;
};

class ProofingModule {
 public:
  virtual ~ProofingModule() = default;
  // Adds the module's menu to the host's menu bar.
  virtual int32_t InstallMenus(xt_menu_record* record) = 0;
  // Runs the command of the chosen item when it is one of the module's.
  virtual int32_t DoMenuCommand(xt_menu_record* record) = 0;
  // Enables and retitles the module's items (items with id 0 are skipped).
  virtual void ApplyMenuState(const MenuState& state) = 0;
};

// Menus: the title and item texts are stored English keys, translated and
// converted before they reach the host.
xt_menu AddMenu(xt_menu host_menu, const char* title);
uint16_t AddMenuItem(xt_menu menu, const char* text);
void AddSeparator(xt_menu menu);
void EnableMenuItem(xt_menu menu, uint16_t item, bool on);
void SetMenuItemText(xt_menu menu, uint16_t item, const char* text);

// The stored titles of a box command's item: for one box, for a group's
// boxes and for a selection of text.
struct BoxItemTitles {
  const char* box;
  const char* boxes;
  const char* selection;
};

// One entry of a module's menu: its stored title (null for a separator) and
// what choosing it does; the part of the menu state that enables it (null: it
// stays enabled) and, for a box command, the titles it takes with the state
// (null: its title stays).
struct MenuEntry {
  const char* title;
  std::function<void()> command;
  bool MenuState::*enabled = nullptr;
  const BoxItemTitles* box_titles = nullptr;
};
using MenuEntries = std::vector<MenuEntry>;

// A module whose menu is a list of entries: adding its menu, running the
// command of a chosen item and applying the menu state to the entries are the
// same for every module.
class MenuModule : public ProofingModule {
 public:
  int32_t InstallMenus(xt_menu_record* record) override;
  int32_t DoMenuCommand(xt_menu_record* record) override;
  void ApplyMenuState(const MenuState& state) override;
  // The host id of the module's item `n`, counted in menu order without the
  // separators; 0 while the menu is not installed.
  uint16_t item_id(size_t n) const { return n < item_ids_.size() ? item_ids_[n] : 0; }

 protected:
  // `title` is the stored title of the module's menu.
  explicit MenuModule(const char* title) : title_(title) {}
  // Loads what the module needs before its menu is added (options, engine).
  virtual void Prepare() {}
  // The module's entries in menu order.
  virtual MenuEntries Entries() = 0;
  xt_menu menu() const { return menu_; }

 private:
  // Calls visit(entry, host id) for each entry that is an item (not a
  // separator), in menu order, until it answers true.
  template <typename Visit>
  void ForEachItem(Visit visit);

  const char* title_;
  xt_menu menu_ = 0;
  std::vector<uint16_t> item_ids_;
};

// Shows every item's title again in the current interface language; menus
// installed anew start with no titles remembered.
void RetitleMenuItems();
void ForgetMenuTitles();
