// The typography preferences dialog (resource 31120, Polish 31220): every
// typography option, the Default buttons of the character and word lists,
// and the Edit buttons that open the list editor.
#pragma once

#include <cstdint>

#include "dialogs/options_dialog.h"
#include "typo/typo_options.h"

class CTypoPrefsDialog : public OptionsDialog<TypographyOptions> {
 public:
  CTypoPrefsDialog();

 protected:
  void SetValues() override;
  void ItemHit(int16_t item) override;
  bool Accept() override;
  int32_t Save() override;
};
