// The spelling preferences dialog and its resources.
#include "spell/spell_prefs.h"

#include "base/macce.h"
#include "spell/spell_user_dict.h"
#include "dialogs/bilingual.h"

namespace {

enum : int16_t {
  kDialog = 31102,
  kSkipCapitals = 1020,
  kSkipDigits = 1021,
  kAlwaysSuggest = 1022,
  kUseUserDictionary = 1023,
  kEditUserDictionary = 1024,
  kAcceptCompounds = 1025,
};

constexpr TwinItem kItems[] = {
    {kSkipCapitals, XT_ITEM_CHECK, 0, MACCE("Skip CAPITALIZED words"),
     MACCE("Pomiń wyrazy pisane wersalikami")},
    {kSkipDigits, XT_ITEM_CHECK, 0, MACCE("Skip words with numbers"),
     MACCE("Pomiń wyrazy zawierające cyfry")},
    {kAlwaysSuggest, XT_ITEM_CHECK, 0, MACCE("Always Suggest"), MACCE("Sugeruj poprawki")},
    {kUseUserDictionary, XT_ITEM_CHECK, 0, MACCE("Use user dictionary"),
     MACCE("Użyj słownika użytkownika")},
    {kAcceptCompounds, XT_ITEM_CHECK, 0, MACCE("Accept hyphenated words whose parts are correct"),
     MACCE("Uznawaj wyrazy z łącznikiem, których części są poprawne")},
    {kEditUserDictionary, XT_ITEM_BUTTON, 0, MACCE("Edit User Dictionary"),
     MACCE("Edycja słownika użytkownika")},
    {XT_DLG_OK, XT_ITEM_BUTTON, 0, MACCE("OK"), MACCE("OK")},
    {XT_DLG_CANCEL, XT_ITEM_BUTTON, 0, MACCE("Cancel"), MACCE("Anuluj")},
};
const TwinDialog kResources(kDialog, MACCE("Dictionary Preferences"), MACCE("Preferencje słownika"),
                            kItems);

}  // namespace

CDictPrefsDialog::CDictPrefsDialog(DictPrefs& prefs, UserDict* user)
    : XT40xdlog(kDialog), prefs_(prefs), user_(user) {}

void CDictPrefsDialog::SetValues() {
  SetCheck(kSkipCapitals, prefs_.skip_all_capitals != 0);
  SetCheck(kSkipDigits, prefs_.skip_with_digits != 0);
  SetCheck(kAlwaysSuggest, prefs_.always_suggest != 0);
  SetCheck(kUseUserDictionary, prefs_.use_user_dictionary != 0);
  SetCheck(kAcceptCompounds, prefs_.accept_compounds != 0);
}

void CDictPrefsDialog::ItemHit(int16_t item) {
  if (item != kEditUserDictionary) return;
  EditUserDictionary(user_);
}

bool CDictPrefsDialog::Accept() {
  prefs_.skip_all_capitals = GetCheck(kSkipCapitals) ? 1 : 0;
  prefs_.skip_with_digits = GetCheck(kSkipDigits) ? 1 : 0;
  prefs_.always_suggest = GetCheck(kAlwaysSuggest) ? 1 : 0;
  prefs_.use_user_dictionary = GetCheck(kUseUserDictionary) ? 1 : 0;
  prefs_.accept_compounds = GetCheck(kAcceptCompounds) ? 1 : 0;
  // A failed save keeps the dialog open with the user's values.
  if (const int32_t error = SaveDictPrefs(prefs_); error != 0) {
    SettingsSaveFailedAlert(error);
    return false;
  }
  return true;
}
