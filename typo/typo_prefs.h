// The typography preferences dialog (resource 31120, Polish 31220): every
// typography option, the Default buttons of the character and word lists,
// and the Edit buttons that open the list editor.
#pragma once

#include <cstdint>

#include "dialogs/xt40_dialog.h"

inline constexpr int16_t kTypoPrefsDialog = 31120;

class CTypoPrefsDialog : public XT40xdlog {
 public:
  CTypoPrefsDialog() : XT40xdlog(kTypoPrefsDialog) {}

 protected:
  void SetValues() override;
  void ItemHit(int16_t item) override;
  bool Accept() override;

 private:
  void ApplyEnabling();
};
