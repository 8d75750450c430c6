// The exceptions editor: the user exception list of the module's engine in
// the list editor, in list order (longest words first), each word written
// with "-" at its breaks. Every change is saved to PLHYPH.USR by the engine.
#include <cstring>
#include <string>

#include "base/charset.h"
#include "dialogs/list_editor.h"
#include "hyph/hyph_dialogs.h"
#include "hyph/engine/hyph.h"
#include "hyph/hyph_open.h"

namespace {

// Limits of one stored exception: at most 49 breaks, and letters plus
// breaks within one length byte.
constexpr size_t kMaxBreaks = 49;
constexpr size_t kMaxLettersAndBreaks = 251;

std::string LettersOf(const char* word) {
  std::string letters;
  for (const char* p = word; *p != 0; ++p) {
    if (*p != '-') letters += *p;
  }
  return letters;
}

// The letters in lower case, as the engine compares them.
std::string FoldedLettersOf(const char* word) {
  static const CharsetConverter converter(kCharsetWin, kCharsetWin);
  std::string letters = LettersOf(word);
  for (char& c : letters) c = static_cast<char>(converter.ToLower(static_cast<uint8_t>(c)));
  return letters;
}

// The engine can store `word`: it has a user file, and the word has letters
// and stays within the limits.
bool Storable(const char* word) {
  const size_t length = std::strlen(word);
  const size_t letters = LettersOf(word).size();
  return hyph_has_user_file(gHyphEngine) && letters > 0 && length - letters <= kMaxBreaks &&
         length <= kMaxLettersAndBreaks;
}

// Says when a change could not be saved (the list then shows it undone).
int AlertWhenNotSaved(int result) {
  if (result == kHyphExcNotSaved) {
    char path[kPathSize];
    hyph_user_path(gHyphEngine, path, sizeof path);
    SaveFailedAlert(path, hyph_save_error());
  }
  return result;
}

class CdlgHyphExc : public CdlgListEditor {
 protected:
  bool ListContains(const char* word) override {
    return hyph_exc_contains(gHyphEngine, LettersOf(word).c_str());
  }
  void AppendWords(int16_t list_box) override {
    char entry[256];
    for (bool restart = true; hyph_exc_next(gHyphEngine, entry, sizeof entry, restart) == 1;
         restart = false) {
      ListAppend(list_box, entry);
    }
  }
  void AddWord(const char* word) override {
    if (word[0] != 0) AlertWhenNotSaved(hyph_exc_add(gHyphEngine, word));
  }
  void RemoveWord(const char* word) override {
    if (word[0] != 0) AlertWhenNotSaved(hyph_exc_remove(gHyphEngine, word));
  }
  void ChangeWord(const char* old_word, const char* new_word) override {
    if (old_word[0] == 0 || new_word[0] == 0 || !Fits(old_word, new_word)) return;
    if (AlertWhenNotSaved(hyph_exc_remove(gHyphEngine, old_word)) != kHyphOk) return;
    // The old entry comes back when the new one cannot be stored.
    if (AlertWhenNotSaved(hyph_exc_add(gHyphEngine, new_word)) != kHyphOk) {
      hyph_exc_add(gHyphEngine, old_word);
    }
  }
  bool Fits(const char* old_word, const char* new_word) override {
    if (!Storable(new_word)) return false;
    if (old_word != nullptr && FoldedLettersOf(old_word) == FoldedLettersOf(new_word)) return true;
    return !hyph_exc_contains(gHyphEngine, LettersOf(new_word).c_str());
  }
};

}  // namespace

void EditHyphenationExceptions() {
  CdlgHyphExc editor;
  editor.Run();
}
