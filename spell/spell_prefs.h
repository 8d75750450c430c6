// The spelling preferences dialog (31102, Polish 31202): the four switches
// and the way to the user dictionary editor. OK writes the preferences back.
#pragma once

#include "dialogs/options_dialog.h"
#include "spell/spell_options.h"

struct UserDict;

class CDictPrefsDialog : public OptionsDialog<DictPrefs> {
 public:
  // `prefs` is updated on OK (and saved); `user` is the loaded user
  // dictionary the editor works on.
  CDictPrefsDialog(DictPrefs& prefs, UserDict* user);

 protected:
  void ItemHit(int16_t item) override;
  int32_t Save() override;

 private:
  UserDict* user_;
};
