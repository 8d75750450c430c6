// The typography preferences dialog: items, enabling rule, Default and Edit
// buttons, and OK storing the options.
#include "typo/typo_prefs.h"

#include <string>

#include "base/macce.h"
#include "typo/typo_list.h"
#include "dialogs/bilingual.h"
#include "typo/typo_options.h"

namespace {

enum : int16_t {
  kTypoPrefsDialog = 31120,
  kQuotes = 1077,
  kStyleFirst = 1001,
  kStyleLast = 1004,
  kGuess = 10001,
  kQuoteSpaces = 10002,
  kDash = 1011,
  kEmDash = 1012,
  kEnDash = 1013,
  kNbspAfterDash = 10005,
};

constexpr TwinItem kPrefsItems[] = {
    {1, XT_ITEM_BUTTON, 0, MACCE("OK"), MACCE("OK")},
    {2, XT_ITEM_BUTTON, 0, MACCE("Cancel"), MACCE("Anuluj")},
    {1077, XT_ITEM_CHECK, 0, MACCE("Quotation-marks"), MACCE("Popraw cudzysłowy")},
    {1001, XT_ITEM_RADIO, 1, MACCE("Quotation „Hamlet”"), MACCE("Cudzysłów typu „Hamlet”")},
    {1002, XT_ITEM_RADIO, 1, MACCE("Quotation ’Hamlet’"), MACCE("Cudzysłów typu ’Hamlet’")},
    {1003, XT_ITEM_RADIO, 1, MACCE("Quotation «Hamlet»"), MACCE("Cudzysłów typu «Hamlet»")},
    {1004, XT_ITEM_RADIO, 1, MACCE("Quotation »Hamlet«"), MACCE("Cudzysłów typu »Hamlet«")},
    {10001, XT_ITEM_CHECK, 0, MACCE("Try to guess opening/closing Quotation Mark"),
     MACCE("Odgadnij otwierający/zamykający cudzysłów")},
    {10002, XT_ITEM_CHECK, 0, MACCE("Insert/remove space if needed"),
     MACCE("Wstaw/usuń spacje, gdzie niezbędne")},
    {1011, XT_ITEM_CHECK, 0, MACCE("Space-hyphen-space"), MACCE("Spacja-myślnik-spacja")},
    {1012, XT_ITEM_RADIO, 2, MACCE("pause"), MACCE("pauza")},
    {1013, XT_ITEM_RADIO, 2, MACCE("half-pause"), MACCE("półpauza")},
    {10005, XT_ITEM_CHECK, 0, MACCE("Nonbreaking spaces after hyphens"),
     MACCE("Spacje łączliwe po myślnikach")},
    {1006, XT_ITEM_CHECK, 0, MACCE("Remove  repeated spaces"), MACCE("Usuń spacje wielokrotne")},
    {1005, XT_ITEM_CHECK, 0, MACCE("Remove spaces before"), MACCE("Usuń spacje przed")},
    {1071, XT_ITEM_EDIT, 0, nullptr, nullptr},
    {8, XT_ITEM_BUTTON, 0, MACCE("Default"), MACCE("Domyślne")},
    {1007, XT_ITEM_CHECK, 0, MACCE("Insert spaces before"), MACCE("Wstaw spacje przed")},
    {1070, XT_ITEM_EDIT, 0, nullptr, nullptr},
    {7, XT_ITEM_BUTTON, 0, MACCE("Default"), MACCE("Domyślne")},
    {1014, XT_ITEM_CHECK, 0, MACCE("Remove spaces after"), MACCE("Usuń spacje po")},
    {1069, XT_ITEM_EDIT, 0, nullptr, nullptr},
    {6, XT_ITEM_BUTTON, 0, MACCE("Default"), MACCE("Domyślne")},
    {1015, XT_ITEM_CHECK, 0, MACCE("Insert spaces after"), MACCE("Wstaw spacje po")},
    {1068, XT_ITEM_EDIT, 0, nullptr, nullptr},
    {5, XT_ITEM_BUTTON, 0, MACCE("Default"), MACCE("Domyślne")},
    {1009, XT_ITEM_CHECK, 0, MACCE("Remove characters"), MACCE("Usuń znaki")},
    {1010, XT_ITEM_EDIT, 0, nullptr, nullptr},
    {4, XT_ITEM_BUTTON, 0, MACCE("Default"), MACCE("Domyślne")},
    {1084, XT_ITEM_CHECK, 0, MACCE("Nonbreaking spaces after words"),
     MACCE("Spacje łączliwe po wyrazach")},
    {1087, XT_ITEM_BUTTON, 0, MACCE("Edit"), MACCE("Edytuj")},
    {1085, XT_ITEM_BUTTON, 0, MACCE("Default"), MACCE("Domyślne")},
    {1098, XT_ITEM_CHECK, 0, MACCE("Nonbreaking spaces before words"),
     MACCE("Spacja łączliwa przed wyrazami")},
    {1100, XT_ITEM_BUTTON, 0, MACCE("Edit"), MACCE("Edytuj")},
    {1099, XT_ITEM_BUTTON, 0, MACCE("Default"), MACCE("Domyślne")},
    {1089, XT_ITEM_CHECK, 0, MACCE("Nonbreaking spaces after digits, before words"),
     MACCE("Spacje łączliwe po liczbach, przed wyrazami")},
    {1088, XT_ITEM_BUTTON, 0, MACCE("Edit"), MACCE("Edytuj")},
    {1086, XT_ITEM_BUTTON, 0, MACCE("Default"), MACCE("Domyślne")},
    {10000, XT_ITEM_CHECK, 0, MACCE("Use insert space exceptions"),
     MACCE("Wyjątki wstawiania spacji")},
    {1091, XT_ITEM_BUTTON, 0, MACCE("Edit"), MACCE("Edytuj")},
    {1090, XT_ITEM_BUTTON, 0, MACCE("Default"), MACCE("Domyślne")},
    {10003, XT_ITEM_CHECK, 0, MACCE("Nonbreaking spaces before digits"),
     MACCE("Spacja łączliwa przed cyframi")},
    {10004, XT_ITEM_CHECK, 0, MACCE("Nonbreaking spaces before roman digits"),
     MACCE("Spacja łączliwa przed cyframi rzymskimi")},
};
const TwinDialog kResources(kTypoPrefsDialog, MACCE("Typography Preferences"),
                            MACCE("Preferencje typografii"), kPrefsItems);

constexpr CheckField<TypographyOptions> kChecks[] = {
    {1077, &TypographyOptions::quotes},
    {10001, &TypographyOptions::guess_quotes},
    {10002, &TypographyOptions::quote_spaces},
    {1011, &TypographyOptions::dash},
    {10005, &TypographyOptions::nbsp_after_dash},
    {1006, &TypographyOptions::repeated_spaces},
    {1005, &TypographyOptions::remove_before},
    {1007, &TypographyOptions::insert_before},
    {1014, &TypographyOptions::remove_after},
    {1015, &TypographyOptions::insert_after},
    {1009, &TypographyOptions::delete_chars},
    {1084, &TypographyOptions::nbsp_after_words},
    {1098, &TypographyOptions::nbsp_before_words},
    {1089, &TypographyOptions::nbsp_after_digits},
    {10000, &TypographyOptions::space_exceptions},
    {10003, &TypographyOptions::nbsp_before_digits},
    {10004, &TypographyOptions::nbsp_before_roman},
};

// A character-list field, the button that resets it, and its default.
struct CharField {
  int16_t item;
  int16_t default_button;
  char (TypographyOptions::*field)[kCharListSize];
  size_t size;
  const char* fallback;
};
constexpr CharField kCharFields[] = {
    {1071, 8, &TypographyOptions::remove_before_chars, kCharListSize, kDefaultPunctAfter},
    {1070, 7, &TypographyOptions::insert_before_chars, kCharListSize, kDefaultBrackets},
    {1069, 6, &TypographyOptions::remove_after_chars, kCharListSize, kDefaultBrackets},
    {1068, 5, &TypographyOptions::insert_after_chars, kCharListSize, kDefaultPunctAfter},
    {1010, 4, &TypographyOptions::deleted_chars, kDeleteListSize, ""},
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

CTypoPrefsDialog::CTypoPrefsDialog() : OptionsDialog(kTypoPrefsDialog, gTypoOptions, kChecks) {}

void CTypoPrefsDialog::SetValues() {
  OptionsDialog::SetValues();
  const TypographyOptions& o = options_;
  for (int16_t item = kStyleFirst; item <= kStyleLast; ++item) {
    const int16_t style = o.nested_style >= 0 && o.nested_style <= 3 ? o.nested_style : 0;
    SetCheck(item, item - kStyleFirst == style);
  }
  const int16_t dash = o.dash_kind == 0 ? 0 : 1;
  SetCheck(kEmDash, dash == 0);
  SetCheck(kEnDash, dash == 1);
  for (const CharField& f : kCharFields) SetText(f.item, o.*f.field);
  ApplyEnabling();
}

void CTypoPrefsDialog::ApplyEnabling() {
  const bool quotes = GetCheck(kQuotes);
  for (int16_t item = kStyleFirst; item <= kStyleLast; ++item) Enable(item, quotes);
  const bool guessing = quotes && GetCheck(kStyleFirst);
  Enable(kGuess, guessing);
  Enable(kQuoteSpaces, guessing);
  const bool dash = GetCheck(kDash);
  Enable(kEmDash, dash);
  Enable(kEnDash, dash);
  Enable(kNbspAfterDash, dash);
}

void CTypoPrefsDialog::ItemHit(int16_t item) {
  if (item == kQuotes || item == kDash || (item >= kStyleFirst && item <= kStyleLast)) {
    ApplyEnabling();
    return;
  }
  for (const CharField& f : kCharFields) {
    if (item == f.default_button) SetText(f.item, f.fallback);
  }
  for (const ListButtons& b : kListButtons) {
    if (item == b.default_button) PadWordList(gTypoOptions.lists[b.list], DefaultWordList(b.list));
    if (item == b.edit_button) EditTypoList(gTypoOptions.lists[b.list]);
  }
}

bool CTypoPrefsDialog::Accept() {
  TypographyOptions& o = options_;
  for (int16_t item = kStyleFirst; item <= kStyleLast; ++item) {
    if (GetCheck(item)) o.nested_style = static_cast<int16_t>(item - kStyleFirst);
  }
  if (GetCheck(kEmDash)) o.dash_kind = 0;
  if (GetCheck(kEnDash)) o.dash_kind = 1;
  for (const CharField& f : kCharFields) CleanCharList(GetText(f.item).c_str(), o.*f.field, f.size);
  return OptionsDialog::Accept();
}

int32_t CTypoPrefsDialog::Save() { return SaveTypographyOptions(); }
