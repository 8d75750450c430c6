// The spelling preferences dialog and its resources.
#include "spell/spell_prefs.h"

#include "base/macce.h"
#include "dialogs/bilingual.h"
#include "spell/spell_user_dict.h"

namespace {

enum : int16_t { kDialog = 31102, kEditUserDictionary = 1024 };

constexpr OptionItem<DictPrefs> kItems[] = {
    {1020, XT_ITEM_CHECK, 0, MACCE("Skip CAPITALIZED words"),
     MACCE("Pomiń wyrazy pisane wersalikami"), &DictPrefs::skip_all_capitals},
    {1021, XT_ITEM_CHECK, 0, MACCE("Skip words with numbers"),
     MACCE("Pomiń wyrazy zawierające cyfry"), &DictPrefs::skip_with_digits},
    {1022, XT_ITEM_CHECK, 0, MACCE("Always Suggest"), MACCE("Sugeruj poprawki"),
     &DictPrefs::always_suggest},
    {1023, XT_ITEM_CHECK, 0, MACCE("Use user dictionary"), MACCE("Użyj słownika użytkownika"),
     &DictPrefs::use_user_dictionary},
    {1025, XT_ITEM_CHECK, 0, MACCE("Accept hyphenated words whose parts are correct"),
     MACCE("Uznawaj wyrazy z łącznikiem, których części są poprawne"),
     &DictPrefs::accept_compounds},
    {kEditUserDictionary, XT_ITEM_BUTTON, 0, MACCE("Edit User Dictionary"),
     MACCE("Edycja słownika użytkownika")},
    {XT_DLG_OK, XT_ITEM_BUTTON, 0, MACCE("OK"), MACCE("OK")},
    {XT_DLG_CANCEL, XT_ITEM_BUTTON, 0, MACCE("Cancel"), MACCE("Anuluj")},
};
const TwinDialog kResources(kDialog, MACCE("Dictionary Preferences"), MACCE("Preferencje słownika"),
                            kItems);

}  // namespace

CDictPrefsDialog::CDictPrefsDialog(DictPrefs& prefs, UserDict* user)
    : OptionsDialog(kDialog, prefs, kItems), user_(user) {}

void CDictPrefsDialog::ItemHit(int16_t item) {
  OptionsDialog::ItemHit(item);
  if (item != kEditUserDictionary) return;
  EditUserDictionary(user_);
}

int32_t CDictPrefsDialog::Save() { return SaveDictPrefs(options_); }
