// The spelling preferences dialog (31102, Polish 31202): the four switches
// and the way to the user dictionary editor. OK writes the preferences back.
#pragma once

#include "dialogs/xt40_dialog.h"
#include "spell/spell_options.h"

struct UserDict;

class CDictPrefsDialog : public XT40xdlog {
 public:
  // `prefs` is updated on OK (and saved); `user` is the loaded user
  // dictionary the editor works on.
  CDictPrefsDialog(DictPrefs& prefs, UserDict* user);

 protected:
  void SetValues() override;
  void ItemHit(int16_t item) override;
  bool Accept() override;

 private:
  DictPrefs& prefs_;
  UserDict* user_;
};
