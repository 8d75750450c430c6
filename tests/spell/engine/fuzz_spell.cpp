// libFuzzer target for the readers of bytes from files: the first input byte
// picks son.dic (container, trees, record table, stem blocks, then lookups and
// a suggestion) or user.dic (load with repair, lookups, insert, remove,
// enumeration); the rest is the file.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "spell/engine/spell.h"
#include "spell/engine/user_dict.h"
#include "tests/fuzz/scratch.h"

namespace {

std::string WriteInput(const uint8_t* data, size_t size, const char* name) {
  const std::string path = fuzz::ScratchPath(name);
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f) {
    std::fwrite(data, 1, size, f);
    std::fclose(f);
  }
  return path;
}

const char* const kWords[] = {"kot", "kota", "Warszawa", "NATO", "ab-c", "\xbf\xf3\xb3w", "k", ""};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  if (data[0] & 1) {
    const std::string path = WriteInput(data + 1, size - 1, "input.dic");
    if (spell_open(path.c_str()) == 0) {
      for (const char* w : kWords) {
        spell_check_word(w);
        spell_check_word_ex(w, 1);
      }
      spell_free_suggestions(spell_suggest("kotx"));
    }
    spell_close();
    std::remove(path.c_str());
  } else {
    const std::string path = WriteInput(data + 1, size - 1, "input.user");
    UserDict* dict = nullptr;
    if (userdict_load(path.c_str(), &dict) == 0) {
      char buffer[256];
      for (int more = userdict_next_word(dict, buffer, sizeof buffer, 1); more;
           more = userdict_next_word(dict, buffer, sizeof buffer, 0)) {
      }
      for (const char* w : kWords) userdict_contains(dict, w);
      userdict_add_word(dict, "kot");
      userdict_remove_word(dict, "kota");
      userdict_unload(&dict);
    }
    std::remove(path.c_str());
    std::remove((path + ".tmp").c_str());
  }
  return 0;
}
