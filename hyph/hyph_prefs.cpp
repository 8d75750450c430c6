// The hyphenation preferences dialog: five options and the button that opens
// the exceptions editor; OK stores the options in the settings file.
#include "base/macce.h"
#include "dialogs/bilingual.h"
#include "hyph/hyph_dialogs.h"
#include "hyph/hyph_options.h"

namespace {

enum : int16_t { kEditExceptions = 1019 };

constexpr OptionItem<HyphOptions> kPrefsItems[] = {
    {1, XT_ITEM_BUTTON, 0, MACCE("OK"), MACCE("OK")},
    {2, XT_ITEM_BUTTON, 0, MACCE("Cancel"), MACCE("Anuluj")},
    {1014, XT_ITEM_CHECK, 0, MACCE("Use Typography First"), MACCE("Najpierw zastosuj typografię"),
     &HyphOptions::typography_first},
    {1015, XT_ITEM_CHECK, 0, MACCE("Don't hyphenate CAPITALIZED words"),
     MACCE("Nie dziel wyrazów pisanych wersalikami"), &HyphOptions::skip_all_caps},
    {1016, XT_ITEM_CHECK, 0, MACCE("Don't Hyphenate words like XPress"),
     MACCE("Nie dziel wyrazów typu PeKaO"), &HyphOptions::skip_mixed_case},
    {1017, XT_ITEM_CHECK, 0, MACCE("Turn Off Auto Hyphenation"),
     MACCE("Wyłącz automatyczne dzielenie wyrazów"), &HyphOptions::auto_disable},
    {1018, XT_ITEM_CHECK, 0, MACCE("Use Hyph Exceptions"), MACCE("Użyj wyjątków dzielenia wyrazów"),
     &HyphOptions::use_exceptions},
    {kEditExceptions, XT_ITEM_BUTTON, 0, MACCE("Edit Hyph Exceptions"),
     MACCE("Edycja wyjątków dzielenia wyrazów")},
};
const TwinDialog kResources(kHyphPrefsDialog, MACCE("Hyphenation Preferences"),
                            MACCE("Preferencje dzielenia wyrazów"), kPrefsItems);

}  // namespace

CHyphPrefsDialog::CHyphPrefsDialog() : OptionsDialog(kHyphPrefsDialog, gHyphOptions, kPrefsItems) {}

void CHyphPrefsDialog::ItemHit(int16_t item) {
  OptionsDialog::ItemHit(item);
  if (item != kEditExceptions) return;
  EditHyphenationExceptions();
}

int32_t CHyphPrefsDialog::Save() { return SaveHyphenationOptions(); }
