// The typography preferences dialog: items, enabling rule, Default and Edit
// buttons, and OK storing the options.
#include "typo/typo_prefs.h"

#include <string>

#include "base/macce.h"
#include "dialogs/bilingual.h"
#include "typo/typo_list.h"
#include "typo/typo_options.h"

namespace {

constexpr int16_t kTypoPrefsDialog = 31120;
using Options = TypographyOptions;

// The quotation styles need Quotation-marks, and guessing needs the first
// style; the dash kinds and the spaces after dashes need Space-hyphen-space.
constexpr OptionItem<Options> kPrefsItems[] = {
    {1, XT_ITEM_BUTTON, 0, MACCE("OK"), MACCE("OK")},
    {2, XT_ITEM_BUTTON, 0, MACCE("Cancel"), MACCE("Anuluj")},
    {1077, XT_ITEM_CHECK, 0, MACCE("Quotation-marks"), MACCE("Popraw cudzysłowy"),
     &Options::quotes},
    {1001, XT_ITEM_RADIO, 1, MACCE("Quotation „Hamlet”"), MACCE("Cudzysłów typu „Hamlet”"),
     &Options::nested_style, 0, true, 1077},
    {1002, XT_ITEM_RADIO, 1, MACCE("Quotation ’Hamlet’"), MACCE("Cudzysłów typu ’Hamlet’"),
     &Options::nested_style, 1, false, 1077},
    {1003, XT_ITEM_RADIO, 1, MACCE("Quotation «Hamlet»"), MACCE("Cudzysłów typu «Hamlet»"),
     &Options::nested_style, 2, false, 1077},
    {1004, XT_ITEM_RADIO, 1, MACCE("Quotation »Hamlet«"), MACCE("Cudzysłów typu »Hamlet«"),
     &Options::nested_style, 3, false, 1077},
    {10001, XT_ITEM_CHECK, 0, MACCE("Try to guess opening/closing Quotation Mark"),
     MACCE("Odgadnij otwierający/zamykający cudzysłów"), &Options::guess_quotes, 0, false, 1001},
    {10002, XT_ITEM_CHECK, 0, MACCE("Insert/remove space if needed"),
     MACCE("Wstaw/usuń spacje, gdzie niezbędne"), &Options::quote_spaces, 0, false, 1001},
    {1011, XT_ITEM_CHECK, 0, MACCE("Space-hyphen-space"), MACCE("Spacja-myślnik-spacja"),
     &Options::dash},
    {1012, XT_ITEM_RADIO, 2, MACCE("pause"), MACCE("pauza"), &Options::dash_kind, 0, false, 1011},
    {1013, XT_ITEM_RADIO, 2, MACCE("half-pause"), MACCE("półpauza"), &Options::dash_kind, 1, true,
     1011},
    {10005, XT_ITEM_CHECK, 0, MACCE("Nonbreaking spaces after hyphens"),
     MACCE("Spacje łączliwe po myślnikach"), &Options::nbsp_after_dash, 0, false, 1011},
    {1006, XT_ITEM_CHECK, 0, MACCE("Remove  repeated spaces"), MACCE("Usuń spacje wielokrotne"),
     &Options::repeated_spaces},
    {1005, XT_ITEM_CHECK, 0, MACCE("Remove spaces before"), MACCE("Usuń spacje przed"),
     &Options::remove_before},
    {1071, XT_ITEM_EDIT, 0, nullptr, nullptr},
    {8, XT_ITEM_BUTTON, 0, MACCE("Default"), MACCE("Domyślne")},
    {1007, XT_ITEM_CHECK, 0, MACCE("Insert spaces before"), MACCE("Wstaw spacje przed"),
     &Options::insert_before},
    {1070, XT_ITEM_EDIT, 0, nullptr, nullptr},
    {7, XT_ITEM_BUTTON, 0, MACCE("Default"), MACCE("Domyślne")},
    {1014, XT_ITEM_CHECK, 0, MACCE("Remove spaces after"), MACCE("Usuń spacje po"),
     &Options::remove_after},
    {1069, XT_ITEM_EDIT, 0, nullptr, nullptr},
    {6, XT_ITEM_BUTTON, 0, MACCE("Default"), MACCE("Domyślne")},
    {1015, XT_ITEM_CHECK, 0, MACCE("Insert spaces after"), MACCE("Wstaw spacje po"),
     &Options::insert_after},
    {1068, XT_ITEM_EDIT, 0, nullptr, nullptr},
    {5, XT_ITEM_BUTTON, 0, MACCE("Default"), MACCE("Domyślne")},
    {1009, XT_ITEM_CHECK, 0, MACCE("Remove characters"), MACCE("Usuń znaki"),
     &Options::delete_chars},
    {1010, XT_ITEM_EDIT, 0, nullptr, nullptr},
    {4, XT_ITEM_BUTTON, 0, MACCE("Default"), MACCE("Domyślne")},
    {1084, XT_ITEM_CHECK, 0, MACCE("Nonbreaking spaces after words"),
     MACCE("Spacje łączliwe po wyrazach"), &Options::nbsp_after_words},
    {1087, XT_ITEM_BUTTON, 0, MACCE("Edit"), MACCE("Edytuj")},
    {1085, XT_ITEM_BUTTON, 0, MACCE("Default"), MACCE("Domyślne")},
    {1098, XT_ITEM_CHECK, 0, MACCE("Nonbreaking spaces before words"),
     MACCE("Spacja łączliwa przed wyrazami"), &Options::nbsp_before_words},
    {1100, XT_ITEM_BUTTON, 0, MACCE("Edit"), MACCE("Edytuj")},
    {1099, XT_ITEM_BUTTON, 0, MACCE("Default"), MACCE("Domyślne")},
    {1089, XT_ITEM_CHECK, 0, MACCE("Nonbreaking spaces after digits, before words"),
     MACCE("Spacje łączliwe po liczbach, przed wyrazami"), &Options::nbsp_after_digits},
    {1088, XT_ITEM_BUTTON, 0, MACCE("Edit"), MACCE("Edytuj")},
    {1086, XT_ITEM_BUTTON, 0, MACCE("Default"), MACCE("Domyślne")},
    {10000, XT_ITEM_CHECK, 0, MACCE("Use insert space exceptions"),
     MACCE("Wyjątki wstawiania spacji"), &Options::space_exceptions},
    {1091, XT_ITEM_BUTTON, 0, MACCE("Edit"), MACCE("Edytuj")},
    {1090, XT_ITEM_BUTTON, 0, MACCE("Default"), MACCE("Domyślne")},
    {10003, XT_ITEM_CHECK, 0, MACCE("Nonbreaking spaces before digits"),
     MACCE("Spacja łączliwa przed cyframi"), &Options::nbsp_before_digits},
    {10004, XT_ITEM_CHECK, 0, MACCE("Nonbreaking spaces before roman digits"),
     MACCE("Spacja łączliwa przed cyframi rzymskimi"), &Options::nbsp_before_roman},
};
const TwinDialog kResources(kTypoPrefsDialog, MACCE("Typography Preferences"),
                            MACCE("Preferencje typografii"), kPrefsItems);

// A character-list field, the button that resets it, and its default.
struct CharField {
  int16_t item;
  int16_t default_button;
  char (Options::*field)[kCharListSize];
  size_t size;
  const char* fallback;
};
constexpr CharField kCharFields[] = {
    {1071, 8, &Options::remove_before_chars, kCharListSize, kDefaultPunctAfter},
    {1070, 7, &Options::insert_before_chars, kCharListSize, kDefaultBrackets},
    {1069, 6, &Options::remove_after_chars, kCharListSize, kDefaultBrackets},
    {1068, 5, &Options::insert_after_chars, kCharListSize, kDefaultPunctAfter},
    {1010, 4, &Options::deleted_chars, kDeleteListSize, ""},
};

// The Default and Edit buttons of each word list.
struct ListButtons {
  int16_t default_button;
  int16_t edit_button;
  int16_t list;
};
constexpr ListButtons kListButtons[] = {
    {1085, 1087, kListAfterWords},
    {1086, 1088, kListAfterDigits},
    {1099, 1100, kListBeforeWords},
    {1090, 1091, kListExceptions},
};

}  // namespace

CTypoPrefsDialog::CTypoPrefsDialog() : OptionsDialog(kTypoPrefsDialog, gTypoOptions, kPrefsItems) {}

void CTypoPrefsDialog::SetValues() {
  OptionsDialog::SetValues();
  for (const CharField& f : kCharFields) SetText(f.item, options_.*f.field);
}

void CTypoPrefsDialog::ItemHit(int16_t item) {
  OptionsDialog::ItemHit(item);
  for (const CharField& f : kCharFields) {
    if (item == f.default_button) SetText(f.item, f.fallback);
  }
  for (const ListButtons& b : kListButtons) {
    if (item == b.default_button) PadWordList(gTypoOptions.lists[b.list], DefaultWordList(b.list));
    if (item == b.edit_button) EditTypoList(gTypoOptions.lists[b.list]);
  }
}

bool CTypoPrefsDialog::Accept() {
  for (const CharField& f : kCharFields) {
    CleanCharList(GetText(f.item).c_str(), options_.*f.field, f.size);
  }
  return OptionsDialog::Accept();
}

int32_t CTypoPrefsDialog::Save() { return SaveTypographyOptions(); }
