// The body shared by the libFuzzer target and the deterministic mutation test.
#include "tests/hyph/engine/fuzz/hyph_fuzz.h"

#include <cstdio>
#include <string>

#include "hyph/engine/hyph.h"
#include "tests/fuzz/scratch.h"

namespace {

void WriteFile(const std::string& path, const uint8_t* data, size_t size) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return;
  std::fwrite(data, 1, size, f);
  std::fclose(f);
}

}  // namespace

void HyphFuzzOne(const uint8_t* data, size_t size) {
  const std::string dat = fuzz::ScratchPath("PLHYPH.DAT");
  const std::string usr = fuzz::ScratchPath("PLHYPH.USR");
  WriteFile(dat, data, size);
  WriteFile(usr, data, size);
  HyphHandle engine = nullptr;
  if (hyph_open(dat.c_str(), &engine) == kHyphOk) {
    hyph_open_exceptions(usr.c_str(), engine);
    // Words: runs of the input's bytes up to each zero byte, at most 300 long.
    std::string word;
    char out[700];
    for (size_t i = 0; i < size; ++i) {
      if (data[i] != 0 && word.size() < 300) {
        word += char(data[i]);
        continue;
      }
      hyph_word(engine, word.c_str(), out, sizeof out, true);
      hyph_exc_contains(engine, word.c_str());
      word.clear();
    }
    for (bool restart = true; hyph_exc_next(engine, out, sizeof out, restart); restart = false) {
    }
    hyph_close(engine);
  }
  std::remove(dat.c_str());
  std::remove(usr.c_str());
  std::remove((usr + ".tmp").c_str());
}
