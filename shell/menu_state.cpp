// The item-state and title rule of every menu update.
#include "shell/menu_state.h"

MenuState ComputeMenuState(const TextTarget& target) {
  MenuState state;
  const bool d = target.document;
  const bool g = target.valid && target.group;
  const bool t = target.valid && target.text;
  const bool e = target.content_tool;
  const bool s = t && e && target.sel_start != target.sel_end;
  state.box_items = d && (g || t);
  state.word_items = d && t && e;
  state.story_item = d && t;
  state.document_items = d;
  if (!d || !target.valid) return state;
  if (g) {
    state.titles = MenuState::kBoxes;
  } else if (t && e) {
    state.titles = s ? MenuState::kSelection : MenuState::kInsertion;
  } else if (t) {
    state.titles = MenuState::kBox;
  }
  return state;
}
