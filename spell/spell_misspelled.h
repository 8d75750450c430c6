// The misspelled-word dialog (31108, Polish 31208): the word, the text to
// change it to, suggestions, and the buttons that lead the check run from
// one error to the next.
#pragma once

#include <string>
#include <vector>

#include "dialogs/xt40_dialog.h"

class SpellCheckRun;

class CDictMissDialog : public XT40xdlog {
 public:
  explicit CDictMissDialog(SpellCheckRun& run);

 protected:
  void InitItems() override;
  void ItemHit(int16_t item) override;
  // "Close": the run stops.
  bool Accept() override;

 private:
  void ShowError(const std::vector<std::string>& suggestions);
  void FillSuggestions(const std::vector<std::string>& suggestions);
  void UpdateChangeButtons();
  void Suggest();
  // Goes on to the next error, or ends the dialog when there is none.
  void Next();
  SpellCheckRun& run_;
};
