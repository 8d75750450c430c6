// The list editor: its resource and the behaviour of its items.
#include "dialogs/list_editor.h"

#include <string>

#include "base/macce.h"
#include "dialogs/bilingual.h"

namespace {

constexpr TwinItem kListItems[] = {
    {1, XT_ITEM_BUTTON, 0, MACCE("Close"), MACCE("Zamknij")},
    {1078, XT_ITEM_LIST, 0, nullptr, nullptr},
    {1079, XT_ITEM_EDIT, 0, nullptr, nullptr},
    {1080, XT_ITEM_BUTTON, 0, MACCE("Add"), MACCE("Dodaj")},
    {1081, XT_ITEM_BUTTON, 0, MACCE("Remove"), MACCE("Usuń")},
    {1082, XT_ITEM_BUTTON, 0, MACCE("Change"), MACCE("Zmień")},
};
const TwinDialog kResources(kListEditorDialog, MACCE("Edit list"), MACCE("Edycja listy"),
                            kListItems);

}  // namespace

bool CdlgListEditor::ListBoxContains(const char* word) {
  const int32_t count = ListCount(kListBox);
  for (int32_t row = 0; row < count; ++row) {
    if (ListText(kListBox, row) == word) return true;
  }
  return false;
}

void CdlgListEditor::InitItems() {
  Enable(kAdd, false);
  Enable(kRemove, false);
  Enable(kChange, false);
}

void CdlgListEditor::SetValues() { Refresh(); }

void CdlgListEditor::Refresh() {
  FillListBox(kListBox, kWordField);
  UpdateButtons();
}

void CdlgListEditor::UpdateButtons() {
  const std::string word = GetText(kWordField);
  const int32_t row = ListSelected(kListBox);
  const std::string entry = row >= 0 ? ListText(kListBox, row) : std::string();
  const bool contained = ListContains(word.c_str());
  Enable(kAdd, !word.empty() && !contained && Fits(nullptr, word.c_str()));
  Enable(kRemove, row >= 0 && (word.empty() || contained));
  Enable(kChange, !word.empty() && row >= 0 && !ListBoxContains(word.c_str()) &&
                      Fits(entry.c_str(), word.c_str()));
}

void CdlgListEditor::ItemHit(int16_t item) {
  const int32_t row = ListSelected(kListBox);
  switch (item) {
    case kListBox:
      if (row >= 0) SetText(kWordField, ListText(kListBox, row).c_str());
      UpdateButtons();
      return;
    case kWordField:
      UpdateButtons();
      return;
    case kAdd:
      if (IsEnabled(kAdd)) AddWord(GetText(kWordField).c_str());
      break;
    case kRemove:
      if (!IsEnabled(kRemove) || row < 0) return;
      RemoveWord(ListText(kListBox, row).c_str());
      break;
    case kChange:
      if (!IsEnabled(kChange) || row < 0) return;
      ChangeWord(ListText(kListBox, row).c_str(), GetText(kWordField).c_str());
      break;
    default:
      return;
  }
  Refresh();
}

void CdlgListEditor::FillListBox(int16_t list_box, int16_t word_field) {
  int32_t selected = ListSelected(list_box);
  ListClear(list_box);
  AppendWords(list_box);
  const int32_t count = ListCount(list_box);
  if (count == 0) {
    SetText(word_field, "");
    return;
  }
  if (selected < 0) selected = 0;
  if (selected >= count) selected = count - 1;
  ListSelect(list_box, selected);
  SetText(word_field, ListText(list_box, selected).c_str());
}
