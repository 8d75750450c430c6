// Text translation and dialog mapping tables on XTLArray, sorted by their
// keys: (English text, language) and (dialog number, language).
#include "services/translate.h"

#include <cstdio>
#include <cstring>

#include "base/charset.h"
#include "base/macce.h"
#include "base/xtl_array.h"
#include "services/services.h"
#include "services/xt40_shell.h"

namespace {

inline constexpr size_t kTextSize = 512;

struct StringMapperRec {
  char english[kTextSize];
  int16_t language;
  char translated[kTextSize];
};

struct DialogMapperRec {
  int16_t number;
  int16_t language;
  int16_t translated;
};

struct TextKey {
  const char* english;
  int16_t language;
};

struct DialogKey {
  int16_t number;
  int16_t language;
};

int32_t Order(int32_t a, int32_t b) { return (a > b) - (a < b); }

TextKey KeyOf(const StringMapperRec& record) { return {record.english, record.language}; }
DialogKey KeyOf(const DialogMapperRec& record) { return {record.number, record.language}; }

// strcmp orders by unsigned bytes.
int32_t Ordered(const TextKey& a, const TextKey& b) {
  const int text = std::strcmp(a.english, b.english);
  return text != 0 ? Order(text, 0) : Order(a.language, b.language);
}
int32_t Ordered(const DialogKey& a, const DialogKey& b) {
  return a.number != b.number ? Order(a.number, b.number) : Order(a.language, b.language);
}

// Orders records by their keys, and a record against a bare key.
template <typename Record, typename Key>
class ByKey : public XTLComparator {
 public:
  int32_t Compare(const void* a, const void* b, uint32_t, uint32_t) const override {
    return Ordered(KeyOf(*static_cast<const Record*>(a)), KeyOf(*static_cast<const Record*>(b)));
  }
  int32_t CompareKey(const void* element, const void* key, uint32_t) const override {
    return Ordered(KeyOf(*static_cast<const Record*>(element)), *static_cast<const Key*>(key));
  }
  XTLComparator* Create() const override { return new ByKey; }
};

XTTArray<StringMapperRec>* gTexts = nullptr;
XTTArray<DialogMapperRec>* gDialogs = nullptr;
char gSharedText[kTextSize];

int16_t Resolve(int16_t language) {
  if (language != kLanguageCurrent) return language;
  return gShell ? gShell->InterfaceLanguage() : 0;
}

struct TextPair {
  const char* english;
  const char* polish;
};

// Menu texts, then messages.
const TextPair kPolishTexts[] = {
    {MACCE("Polish Spell Checker"), MACCE("Sprawdzanie pisowni PL")},
    {MACCE("About Wirsel..."), MACCE("Informacje o Wirselu...")},
    {MACCE("Check Word..."), MACCE("Sprawdź wyraz...")},
    {MACCE("Check Selection..."), MACCE("Sprawdź zaznaczenie...")},
    {MACCE("Check Story..."), MACCE("Sprawdź wątek...")},
    {MACCE("Check Document..."), MACCE("Sprawdź dokument...")},
    {MACCE("Dictionary Preferences..."), MACCE("Preferencje słownika...")},
    {MACCE("Polish Hyphenation"), MACCE("Dzielenie wyrazów PL")},
    {MACCE("Hyphenate Box"), MACCE("Dzielenie wyrazów w ramce")},
    {MACCE("Hyphenate Boxes"), MACCE("Dzielenie wyrazów w ramkach")},
    {MACCE("Hyphenate Selection"), MACCE("Dzielenie wyrazów w zaznaczeniu")},
    {MACCE("Remove Hyphens From Box"), MACCE("Usuń dywizy z ramki")},
    {MACCE("Remove Hyphens From Boxes"), MACCE("Usuń dywizy z ramek")},
    {MACCE("Remove Hyphens From Selection"), MACCE("Usuń dywizy z zaznaczenia")},
    {MACCE("Remove hyphens from document"), MACCE("Usuń wszystkie dywizy")},
    {MACCE("Suggest Hyphenation..."), MACCE("Sugeruj dzielenie wyrazów...")},
    {MACCE("Hyphenation Preferences..."), MACCE("Preferencje dzielenia wyrazów...")},
    {MACCE("Typography"), MACCE("Typografia")},
    {MACCE("Typography In Box"), MACCE("Typografia w ramce")},
    {MACCE("Typography In Boxes"), MACCE("Typografia w ramkach")},
    {MACCE("Typography In Selection"), MACCE("Typografia w zaznaczeniu")},
    {MACCE("Typography Preferences..."), MACCE("Preferencje typografii...")},
    {MACCE("Quotation mark between two spaces"), MACCE("Cudzysłów między spacjami")},
    {MACCE("Quotation mark between two non-spaces"), MACCE("Cudzysłów między znakami bez spacji")},
    {MACCE("Word is spelled correctly"), MACCE("Wyraz jest poprawny")},
    {MACCE("There are no errors in the selection."), MACCE("W zaznaczeniu nie ma błędów.")},
    {MACCE("There is no errors at all"), MACCE("Nie ma błędów")},
    {MACCE("No more errors."), MACCE("Nie ma więcej błędów.")},
    {MACCE("Do you want to check from the beginning of story?"),
     MACCE("Czy chcesz sprawdzać od początku wątku?")},
    {MACCE("Can't save %s: %s. Nothing was changed; try again or cancel."),
     MACCE("Nie można zapisać %s: %s. Nic nie zmieniono; spróbuj ponownie lub anuluj.")},
    {MACCE("Can't create user dictionary."), MACCE("Nie można utworzyć słownika użytkownika.")},
    {MACCE("Can't load user dictionary file."),
     MACCE("Nie można wczytać pliku słownika użytkownika.")},
    {MACCE("Can't open spell checker. [%s]"),
     MACCE("Podczas próby otwierania pliku słownika wystąpił błąd. [%s]")},
    {MACCE("Can't open hyphenation (probably file plhyph.dat is missing) [%s]"),
     MACCE("Podczas otwierania dzielenia wystąpił błąd (prawdopodobnie brak pliku plhyph.dat) "
           "[%s]")},
    {MACCE("Can't open hyphenation exceptions file [%s]"),
     MACCE("Podczas otwierania wyjątków dzielenia wystąpił błąd [%s]")},
    {MACCE("Do you really want to remove all hyphenation points from this document?"),
     MACCE("Czy na pewno chcesz usunąć wszystkie znaki dzielenia z dokumentu?")},
    // Buttons of the framework's alert dialogs.
    {MACCE("OK"), MACCE("OK")},
    {MACCE("Cancel"), MACCE("Anuluj")},
    {MACCE("Yes"), MACCE("Tak")},
    {MACCE("No"), MACCE("Nie")},
};

// Dialogs with a Polish twin at the number plus 100.
const int16_t kTwinnedDialogs[] = {31102, 31103, 31104, 31105, 31106,
                                   31108, 31109, 31111, 31119, 31120};

}  // namespace

void RegisterTranslation(const char* english, int16_t language, const char* translated) {
  StringMapperRec record{};
  std::snprintf(record.english, sizeof record.english, "%s", english);
  record.language = language;
  std::snprintf(record.translated, sizeof record.translated, "%s", translated);
  if (gTexts == nullptr) {
    gTexts = new XTTArray<StringMapperRec>(0, new ByKey<StringMapperRec, TextKey>, true, true);
  }
  const TextKey key{record.english, language};
  const int32_t found = gTexts->FindKey(&key);
  if (found > 0) gTexts->Delete(found);
  gTexts->Append(record);
}

void RegisterDialogMapping(int16_t number, int16_t language, int16_t translated) {
  if (gDialogs == nullptr) {
    gDialogs = new XTTArray<DialogMapperRec>(0, new ByKey<DialogMapperRec, DialogKey>, true, true);
  }
  const DialogKey key{number, language};
  const int32_t found = gDialogs->FindKey(&key);
  if (found > 0) gDialogs->Delete(found);
  gDialogs->Append(DialogMapperRec{number, language, translated});
}

void RegisterTranslations() {
  for (const TextPair& pair : kPolishTexts) {
    RegisterTranslation(pair.english, kLanguagePolish, pair.polish);
  }
  for (int16_t number : kTwinnedDialogs) {
    RegisterDialogMapping(number, kLanguagePolish, static_cast<int16_t>(number + 100));
  }
}

void ReleaseTranslations() {
  delete gTexts;
  delete gDialogs;
  gTexts = nullptr;
  gDialogs = nullptr;
}

const char* Translate(const char* english, int16_t language, char* buffer, size_t size) {
  if (english == nullptr) english = "";
  const TextKey key{english, Resolve(language)};
  const int32_t found = gTexts ? gTexts->FindKey(&key) : 0;
  if (found == 0) {
    if (buffer == nullptr) return english;
    if (size > 0) std::snprintf(buffer, size, "%s", english);
    return buffer;
  }
  StringMapperRec record;
  gTexts->Get(found, &record);
  if (buffer == nullptr) {
    buffer = gSharedText;
    size = sizeof gSharedText;
  }
  if (size > 0) std::snprintf(buffer, size, "%s", record.translated);
  return buffer;
}

int16_t MapDialog(int16_t number, int16_t language) {
  const DialogKey key{number, Resolve(language)};
  const int32_t found = gDialogs ? gDialogs->FindKey(&key) : 0;
  DialogMapperRec record;
  if (found == 0 || !gDialogs->Get(found, &record)) return number;
  return record.translated;
}

const char* ToDisplay(const char* stored, char* out, size_t size) {
  char translated[kTextSize];
  Translate(stored, kLanguageCurrent, translated, sizeof translated);
  return ToWindowsText(translated, out, size);
}
