// The hyphenation preferences dialog: five options and the button that opens
// the exceptions editor; OK stores the options in the settings file.
#include "base/macce.h"
#include "hyph/hyph_dialogs.h"
#include "dialogs/bilingual.h"
#include "hyph/hyph_options.h"

namespace {

enum : int16_t { kEditExceptions = 1019 };

constexpr TwinItem kPrefsItems[] = {
    {1, XT_ITEM_BUTTON, 0, MACCE("OK"), MACCE("OK")},
    {2, XT_ITEM_BUTTON, 0, MACCE("Cancel"), MACCE("Anuluj")},
    {1014, XT_ITEM_CHECK, 0, MACCE("Use Typography First"), MACCE("Najpierw zastosuj typografię")},
    {1015, XT_ITEM_CHECK, 0, MACCE("Don't hyphenate CAPITALIZED words"),
     MACCE("Nie dziel wyrazów pisanych wersalikami")},
    {1016, XT_ITEM_CHECK, 0, MACCE("Don't Hyphenate words like XPress"),
     MACCE("Nie dziel wyrazów typu PeKaO")},
    {1017, XT_ITEM_CHECK, 0, MACCE("Turn Off Auto Hyphenation"),
     MACCE("Wyłącz automatyczne dzielenie wyrazów")},
    {1018, XT_ITEM_CHECK, 0, MACCE("Use Hyph Exceptions"),
     MACCE("Użyj wyjątków dzielenia wyrazów")},
    {kEditExceptions, XT_ITEM_BUTTON, 0, MACCE("Edit Hyph Exceptions"),
     MACCE("Edycja wyjątków dzielenia wyrazów")},
};
const TwinDialog kResources(kHyphPrefsDialog, MACCE("Hyphenation Preferences"),
                            MACCE("Preferencje dzielenia wyrazów"), kPrefsItems);

constexpr CheckField<HyphOptions> kChecks[] = {
    {1014, &HyphOptions::typography_first}, {1015, &HyphOptions::skip_all_caps},
    {1016, &HyphOptions::skip_mixed_case},  {1017, &HyphOptions::auto_disable},
    {1018, &HyphOptions::use_exceptions},
};

}  // namespace

CHyphPrefsDialog::CHyphPrefsDialog() : OptionsDialog(kHyphPrefsDialog, gHyphOptions, kChecks) {}

void CHyphPrefsDialog::ItemHit(int16_t item) {
  if (item != kEditExceptions) return;
  EditHyphenationExceptions();
}

int32_t CHyphPrefsDialog::Save() { return SaveHyphenationOptions(); }
