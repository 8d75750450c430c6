// The misspelled-word dialog and its resources.
#include "spell/spell_misspelled.h"

#include "base/macce.h"
#include "spell/spell_prefs.h"
#include "dialogs/bilingual.h"
#include "services/services.h"
#include "spell/spell_run.h"

namespace {

enum : int16_t {
  kDialog = 31108,
  kWord = 1059,
  kChangeTo = 1045,
  kSuggestions = 1044,
  kIgnore = 1046,
  kIgnoreAll = 1047,
  kChange = 1048,
  kChangeAll = 1049,
  kAdd = 1051,
  kSuggest = 1058,
  kOptions = 1050,
  kContext = 1043,
};

// The word is a button so that clicking it copies it into the change-to
// field; the context line shows the word among its neighbours.
constexpr TwinItem kItems[] = {
    {1040, XT_ITEM_STATIC, 0, MACCE("Not in Dictionary:"), MACCE("Nie ma w słowniku:")},
    {kWord, XT_ITEM_BUTTON, 0, nullptr, nullptr},
    {kContext, XT_ITEM_STATIC, 0, nullptr, nullptr},
    {1041, XT_ITEM_STATIC, 0, MACCE("Change To:"), MACCE("Zamień na:")},
    {kChangeTo, XT_ITEM_EDIT, 0, nullptr, nullptr},
    {1042, XT_ITEM_STATIC, 0, MACCE("Suggestions:"), MACCE("Propozycje:")},
    {kSuggestions, XT_ITEM_LIST, 0, nullptr, nullptr},
    {kIgnore, XT_ITEM_BUTTON, 0, MACCE("Ignore"), MACCE("Ignoruj")},
    {kIgnoreAll, XT_ITEM_BUTTON, 0, MACCE("Ignore All"), MACCE("Ignoruj wszystkie")},
    {kChange, XT_ITEM_BUTTON, 0, MACCE("Change"), MACCE("Zamień")},
    {kChangeAll, XT_ITEM_BUTTON, 0, MACCE("Change All"), MACCE("Zamień wszystkie")},
    {kAdd, XT_ITEM_BUTTON, 0, MACCE("Add"), MACCE("Dodaj")},
    {kSuggest, XT_ITEM_BUTTON, 0, MACCE("Suggest"), MACCE("Sugeruj poprawki")},
    {kOptions, XT_ITEM_BUTTON, 0, MACCE("Options"), MACCE("Opcje")},
    {XT_DLG_OK, XT_ITEM_BUTTON, 0, MACCE("Close"), MACCE("Zamknij")},
};
const TwinDialog kResources(kDialog, MACCE("Check Spelling"), MACCE("Sprawdzanie pisowni"), kItems);

}  // namespace

CDictMissDialog::CDictMissDialog(SpellCheckRun& run) : XT40xdlog(kDialog), run_(run) {}

void CDictMissDialog::InitItems() { ShowError(run_.SuggestionsFor(run_.current_word())); }

void CDictMissDialog::ShowError(const std::vector<std::string>& suggestions) {
  FillSuggestions(suggestions);
  SetText(kWord, run_.current_word().c_str());
  SetText(kContext, run_.Context().c_str());
  SetText(kChangeTo, run_.change_to().c_str());
  Enable(kAdd, run_.prefs().use_user_dictionary != 0);
  UpdateChangeButtons();
  run_.ShowCurrentWord();
}

void CDictMissDialog::FillSuggestions(const std::vector<std::string>& suggestions) {
  ListClear(kSuggestions);
  Enable(kSuggestions, !suggestions.empty());
  for (const std::string& word : suggestions) ListAppend(kSuggestions, word.c_str());
  if (!suggestions.empty()) ListSelect(kSuggestions, 0);
}

void CDictMissDialog::UpdateChangeButtons() {
  const bool text = !GetText(kChangeTo).empty();
  Enable(kChange, text);
  Enable(kChangeAll, text);
}

void CDictMissDialog::Suggest() {
  std::string word = GetText(kChangeTo);
  if (word.empty()) word = run_.current_word();
  if (run_.IsCorrect(word)) {
    Alert(0, "", MACCE("Word is spelled correctly"));
  } else {
    FillSuggestions(run_.SuggestionsFor(word));
  }
}

void CDictMissDialog::Next() {
  if (run_.NextError()) {
    ShowError(run_.suggestions());
    return;
  }
  Alert(0, "", MACCE("No more errors."));
  run_.Stop();
  Close(XT_DLG_OK);
}

void CDictMissDialog::ItemHit(int16_t item) {
  switch (item) {
    case kWord:
      SetText(kChangeTo, run_.current_word().c_str());
      UpdateChangeButtons();
      return;
    case kChangeTo:
      UpdateChangeButtons();
      return;
    case kSuggestions:
      if (const int32_t row = ListSelected(kSuggestions); row >= 0) {
        SetText(kChangeTo, ListText(kSuggestions, row).c_str());
      }
      UpdateChangeButtons();
      return;
    case kIgnore:
      Next();
      return;
    case kIgnoreAll:
      run_.IgnoreAll();
      Next();
      return;
    case kChange:
      if (run_.Change(GetText(kChangeTo))) Next();
      return;
    case kChangeAll:
      if (run_.ChangeAll(GetText(kChangeTo))) Next();
      return;
    case kAdd:
      run_.AddCurrentWord();
      Next();
      return;
    case kSuggest:
      Suggest();
      return;
    case kOptions: {
      CDictPrefsDialog options(run_.prefs(), run_.user_dictionary());
      options.Run();
      Enable(kAdd, run_.prefs().use_user_dictionary != 0);
      return;
    }
    default:
      return;
  }
}

bool CDictMissDialog::Accept() {
  run_.Stop();
  return true;
}
