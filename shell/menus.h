// The state of the plug-in's menu items after a menu update: which items are
// enabled and which titles they carry, computed from the text target.
#pragma once

#include "text/storytext.h"

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

MenuState ComputeMenuState(const TextTarget& target);
// Enables and retitles the modules' items (items with id 0 are skipped).
void ApplyMenuState(const MenuState& state);
