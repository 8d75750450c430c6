// A preferences dialog: check boxes bound to the 0/1 fields of an options
// struct, shown when it opens and read back on OK, then the options saved to
// the settings file. A failed save says so and keeps the dialog open with the
// user's values.
#pragma once

#include <cstdint>
#include <span>

#include "dialogs/xt40_dialog.h"

template <typename Options>
struct CheckField {
  int16_t item;
  int16_t Options::*field;
};

template <typename Options>
class OptionsDialog : public XT40xdlog {
 protected:
  OptionsDialog(int16_t resource, Options& options, std::span<const CheckField<Options>> checks)
      : XT40xdlog(resource), options_(options), checks_(checks) {}

  // A dialog with more items shows them after calling this.
  void SetValues() override {
    for (const CheckField<Options>& check : checks_) {
      SetCheck(check.item, options_.*check.field != 0);
    }
  }
  // A dialog with more items reads them before calling this.
  bool Accept() override {
    for (const CheckField<Options>& check : checks_) {
      options_.*check.field = GetCheck(check.item) ? 1 : 0;
    }
    if (const int32_t error = Save(); error != 0) {
      SettingsSaveFailedAlert(error);
      return false;
    }
    return true;
  }
  // Writes the options to the settings file: 0, or the errno of the failure.
  virtual int32_t Save() = 0;

  Options& options_;

 private:
  std::span<const CheckField<Options>> checks_;
};
