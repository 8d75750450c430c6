// The warning shown before hyphenating text whose paragraphs the host
// hyphenates automatically: Continue, Cancel, or Fix (switch the host's
// automatic hyphenation off in the listed H&J specifications).
#include "base/macce.h"
#include "hyph/hyph_dialogs.h"
#include "dialogs/bilingual.h"

namespace {

enum : int16_t { kFix = 1052, kSpecList = 1054 };

constexpr TwinItem kWarnItems[] = {
    {1055, XT_ITEM_STATIC, 0,
     MACCE("These styles have  autohyphenation turned on. This may cause bad hyphenation."),
     MACCE("Dla stylów włączone jest automatyczne dzielenie, co może powodować niepoprawne "
           "dzielenie wrazów.")},
    {kSpecList, XT_ITEM_LIST, 0, nullptr, nullptr},
    {1056, XT_ITEM_STATIC, 0, MACCE("Choose Cancel to stop the hyphenation process"),
     MACCE("Wybierz Anuluj, aby zatrzymać proces dzielenia wyrazów")},
    {1057, XT_ITEM_STATIC, 0,
     MACCE("Choose Fix to turn off auto hyphenation for these styles and hyphenate text"),
     MACCE("Wybierz Napraw, aby wyłączyć automatyczne dzielenie dla tych stylów i podzielić "
           "tekst")},
    {1058, XT_ITEM_STATIC, 0, MACCE("Choose Continue to hyphenate text"),
     MACCE("Wybierz Kontynuuj, aby podzielić tekst")},
    {1, XT_ITEM_BUTTON, 0, MACCE("Continue"), MACCE("Kontynuuj")},
    {2, XT_ITEM_BUTTON, 0, MACCE("Cancel"), MACCE("Anuluj")},
    {kFix, XT_ITEM_BUTTON, 0, MACCE("Fix"), MACCE("Napraw")},
};
const TwinDialog kResources(kHyphWarnDialog, MACCE("Autohyphenation Warning"),
                            MACCE("Ostrzeżenia automatycznego dzielenia"), kWarnItems);

}  // namespace

void CHyphWarnDialog::InitItems() {
  state_ = State::kUndecided;
  ListClear(kSpecList);
}

void CHyphWarnDialog::SetValues() {
  for (const HyphenationSpec& hj_spec : specs_) ListAppend(kSpecList, hj_spec.name.c_str());
}

void CHyphWarnDialog::ItemHit(int16_t item) {
  if (item != kFix) return;
  if (state_ == State::kUndecided) state_ = State::kFix;
  Close(kFix);
}

bool CHyphWarnDialog::Accept() {
  if (state_ == State::kUndecided) state_ = State::kContinue;
  return true;
}

AutoHyphenationChoice CHyphWarnDialog::Choice() const {
  switch (state_) {
    case State::kFix:
      return AutoHyphenationChoice::kFix;
    case State::kContinue:
      return AutoHyphenationChoice::kContinue;
    case State::kUndecided:
      break;
  }
  return AutoHyphenationChoice::kCancel;
}

AutoHyphenationChoice AskAboutAutoHyphenation(const std::vector<HyphenationSpec>& specs) {
  CHyphWarnDialog dialog(specs);
  dialog.Run();
  return dialog.Choice();
}
