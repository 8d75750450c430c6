// Reading and writing the spelling preferences through the profile store.
#include "spell/spell_options.h"

#include "base/profile.h"

namespace {

inline constexpr char kSection[] = "1Slownik";

struct ShortcutKeys {
  const char* active;
  const char* key;
  DictShortcut DictPrefs::*field;
};

const ShortcutKeys kShortcuts[] = {
    {"6SprawdzSlowoSkrotAktywny", "7SprawdzSlowoSkrot", &DictPrefs::check_word},
    {"8SprawdzLancuchSkrotAktywny", "9SprawdzLancuchSkrot", &DictPrefs::check_story},
    {"ASprawdzDokumentSkrotAktywny", "BSprawdzDokumentSkrot", &DictPrefs::check_document},
};

int16_t ReadFlag(const char* key, int16_t def) {
  return static_cast<int16_t>(ReadProfileInt(key, def));
}

}  // namespace

DictPrefs LoadDictPrefs() {
  SetProfileTarget(nullptr, kSection);
  DictPrefs prefs;
  prefs.use_user_dictionary = ReadFlag("2SlownikiUzytkownika", 1);
  prefs.skip_all_capitals = ReadFlag("3PominWERSALIKI", 1);
  prefs.skip_with_digits = ReadFlag("4PominCYFRY", 1);
  prefs.always_suggest = ReadFlag("5ZawszeSugeruj", 1);
  for (const ShortcutKeys& keys : kShortcuts) {
    DictShortcut& shortcut = prefs.*keys.field;
    shortcut.active = ReadFlag(keys.active, 1);
    ReadProfileString(keys.key, "Brak", shortcut.key, sizeof shortcut.key);
  }
  prefs.accept_compounds = ReadFlag(kAcceptCompoundsKey, 1);
  return prefs;
}

int32_t SaveDictPrefs(const DictPrefs& prefs) {
  SetProfileTarget(nullptr, kSection);
  BeginProfileBatch();
  WriteProfileInt("2SlownikiUzytkownika", prefs.use_user_dictionary);
  WriteProfileInt("3PominWERSALIKI", prefs.skip_all_capitals);
  WriteProfileInt("4PominCYFRY", prefs.skip_with_digits);
  WriteProfileInt("5ZawszeSugeruj", prefs.always_suggest);
  for (const ShortcutKeys& keys : kShortcuts) {
    const DictShortcut& shortcut = prefs.*keys.field;
    WriteProfileInt(keys.active, shortcut.active);
    WriteProfileString(keys.key, shortcut.key);
  }
  WriteProfileInt(kAcceptCompoundsKey, prefs.accept_compounds);
  return FlushProfile();
}
