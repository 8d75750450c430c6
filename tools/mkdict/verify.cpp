// Verification of a compiled son.dic through the spelling engine itself.
#include <algorithm>

#include "spell/engine/letters.h"
#include "spell/engine/spell.h"
#include "tools/mkdict/son_builder.h"

namespace {

std::string ToText(const std::string& codes) {
  std::string text;
  for (char c : codes) text.push_back(char(LetterChar(uint8_t(c))));
  return text;
}

}  // namespace

bool VerifySonDic(const std::string& path, const PlacedForms& placed, MkdictSummary* summary,
                  std::string* error) {
  if (spell_open(path.c_str()) != 0) {
    *error = "the engine cannot open " + path + " (" + std::to_string(spell_open_detail()) + ")";
    return false;
  }
  // The dictionary's own words, not compounds of them.
  spell_dict_set_compounds(spell_default_dict(), false);
  std::string first_failure;
  auto expect = [&](const std::string& codes) {
    if (spell_check_word(ToText(codes).c_str())) {
      ++summary->verified;
    } else {
      if (first_failure.empty()) first_failure = ToText(codes);
      ++summary->verify_failures;
    }
  };
  for (const std::string& form : placed.small) expect(form);
  for (const std::string& form : placed.capitalised) expect(form);
  for (const std::string& form : placed.mixed) expect(form);

  // One-letter deletions of every seventh small-letter form that are not
  // words themselves must be rejected.
  std::string probe;
  for (size_t i = 0; i < placed.small.size(); i += 7) {
    const std::string& form = placed.small[i];
    if (form.size() < 2) continue;
    probe = form;
    probe.erase(i % form.size(), 1);
    if (std::binary_search(placed.small.begin(), placed.small.end(), probe)) continue;
    ++summary->probes;
    if (spell_check_word(ToText(probe).c_str())) {
      if (first_failure.empty()) first_failure = "non-word " + ToText(probe);
      ++summary->false_accepts;
    }
  }
  spell_close();
  if (summary->verify_failures || summary->false_accepts) {
    *error = "verification failed, first: " + first_failure;
    return false;
  }
  return true;
}
