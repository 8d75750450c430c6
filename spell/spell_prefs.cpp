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

constexpr CheckField<DictPrefs> kChecks[] = {
    {kSkipCapitals, &DictPrefs::skip_all_capitals},
    {kSkipDigits, &DictPrefs::skip_with_digits},
    {kAlwaysSuggest, &DictPrefs::always_suggest},
    {kUseUserDictionary, &DictPrefs::use_user_dictionary},
    {kAcceptCompounds, &DictPrefs::accept_compounds},
};

}  // namespace

CDictPrefsDialog::CDictPrefsDialog(DictPrefs& prefs, UserDict* user)
    : OptionsDialog(kDialog, prefs, kChecks), user_(user) {}

void CDictPrefsDialog::ItemHit(int16_t item) {
  if (item != kEditUserDictionary) return;
  EditUserDictionary(user_);
}

int32_t CDictPrefsDialog::Save() { return SaveDictPrefs(options_); }
