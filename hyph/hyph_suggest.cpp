// The suggestion dialog: the word at the caret without and with its
// discretionary hyphens, and as the engine would hyphenate it without and
// with the user's exceptions.
#include "base/macce.h"
#include "hyph/hyph_dialogs.h"
#include "dialogs/bilingual.h"

namespace {

enum : int16_t { kWithout = 1039, kCurrent = 1040, kNoExceptions = 1041, kExceptions = 1042 };

constexpr TwinItem kSuggItems[] = {
    {1, XT_ITEM_BUTTON, 0, MACCE("OK"), MACCE("OK")},
    {1043, XT_ITEM_STATIC, 0, MACCE("Without hyphens:"), MACCE("Bez dywizów:")},
    {kWithout, XT_ITEM_STATIC, 0, nullptr, nullptr},
    {1044, XT_ITEM_STATIC, 0, MACCE("Currently:"), MACCE("Bieżący:")},
    {kCurrent, XT_ITEM_STATIC, 0, nullptr, nullptr},
    {1045, XT_ITEM_STATIC, 0, MACCE("Without exceptions:"), MACCE("Bez wyjątków dzielenia:")},
    {kNoExceptions, XT_ITEM_STATIC, 0, nullptr, nullptr},
    {1046, XT_ITEM_STATIC, 0, MACCE("With exceptions:"), MACCE("Z wyjątkami dzielenia:")},
    {kExceptions, XT_ITEM_STATIC, 0, nullptr, nullptr},
};
const TwinDialog kResources(kHyphSuggDialog, MACCE("Suggested Hyphenation"),
                            MACCE("Sugerowanie dzielenia"), kSuggItems);

}  // namespace

void CHyphSuggDialog::SetValues() {
  SetText(kWithout, suggestion_.without_hyphens);
  SetText(kCurrent, suggestion_.current);
  SetText(kNoExceptions, suggestion_.without_exceptions);
  SetText(kExceptions, suggestion_.with_exceptions);
}
