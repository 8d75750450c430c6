// The list editor (resource 31119 "Edit list", Polish 31219): a list box of
// words, a text field and Add, Remove, Change and Close. CdlgListEditor holds
// the dialog's behaviour; a subclass says which words it edits, and every
// change reaches the edited data at once.
#pragma once

#include <cstdint>

#include "dialogs/xt40_dialog.h"

inline constexpr int16_t kListEditorDialog = 31119;

class CdlgListEditor : public XT40xdlog {
 public:
  CdlgListEditor() : XT40xdlog(kListEditorDialog) {}

 protected:
  enum : int16_t {
    kListBox = 1078,
    kWordField = 1079,
    kAdd = 1080,
    kRemove = 1081,
    kChange = 1082
  };

  // The word is in the edited data.
  virtual bool ListContains(const char* word) = 0;
  // The word equals an entry of the list box.
  virtual bool ListBoxContains(const char* word);
  // Appends every word of the data to the list box, in the data's order.
  virtual void AppendWords(int16_t list_box) = 0;
  virtual void AddWord(const char* word) = 0;
  virtual void RemoveWord(const char* word) = 0;
  virtual void ChangeWord(const char* old_word, const char* new_word) = 0;
  // The data can take `new_word`, in place of `old_word` when that is not
  // null.
  virtual bool Fits(const char* old_word, const char* new_word) = 0;

  // Rebuilds the list box from the data, keeping the selected row where it
  // can and showing that row's word in the field.
  void FillListBox(int16_t list_box, int16_t word_field);

  void InitItems() override;
  void SetValues() override;
  void ItemHit(int16_t item) override;

 private:
  void Refresh();
  void UpdateButtons();
};
