// Loading and saving the hyphenation options with the profile store. One
// table of keys drives both directions, in the order the file keeps them.
#include "hyph/hyph_options.h"

#include "base/profile.h"

HyphOptions gHyphOptions;

namespace {

// One key of the section: a flag or a shortcut text, in file order.
struct OptionKey {
  const char* key;
  int16_t HyphOptions::*flag;                  // null for a text
  char (HyphOptions::*text)[kHyphShortcutSize];  // null for a flag
};

constexpr OptionKey kKeys[] = {
    {"2UzywajWyjatkow", &HyphOptions::use_exceptions, nullptr},
    {"3NajpierTypografia", &HyphOptions::typography_first, nullptr},
    {"4PominWersaliki", &HyphOptions::skip_all_caps, nullptr},
    {"5PominXPress", &HyphOptions::skip_mixed_case, nullptr},
    {"6AutomatycznieWylaczAutoHyphenation", &HyphOptions::auto_disable, nullptr},
    {"7WstawSkrotAktywny", &HyphOptions::hyphenate_shortcut_on, nullptr},
    {"8WstawSkrot", nullptr, &HyphOptions::hyphenate_shortcut},
    {"9UsunSkrotAktywny", &HyphOptions::remove_shortcut_on, nullptr},
    {"AUsunSkrot", nullptr, &HyphOptions::remove_shortcut},
    {"BSugerujSkrotAktywny", &HyphOptions::suggest_shortcut_on, nullptr},
    {"CSugerujSkrot", nullptr, &HyphOptions::suggest_shortcut},
};

}  // namespace

void LoadHyphenationOptions() {
  SetProfileTarget(nullptr, kHyphSection);
  const HyphOptions defaults;
  HyphOptions& options = gHyphOptions;
  for (const OptionKey& k : kKeys) {
    if (k.flag != nullptr) {
      options.*k.flag = static_cast<int16_t>(ReadProfileInt(k.key, defaults.*k.flag));
    } else {
      ReadProfileString(k.key, defaults.*k.text, options.*k.text, kHyphShortcutSize);
    }
  }
}

int32_t SaveHyphenationOptions() {
  SetProfileTarget(nullptr, kHyphSection);
  BeginProfileBatch();
  const HyphOptions& options = gHyphOptions;
  for (const OptionKey& k : kKeys) {
    if (k.flag != nullptr) {
      WriteProfileInt(k.key, options.*k.flag);
    } else {
      WriteProfileString(k.key, options.*k.text);
    }
  }
  return FlushProfile();
}
