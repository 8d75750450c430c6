// libFuzzer target: arbitrary bytes as a settings file, read and rewritten.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/ini.h"
#include "tests/fuzz/scratch.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string name = fuzz::ScratchPath("settings.ini");
  const char* path = name.c_str();
  std::FILE* file = std::fopen(path, "wb");
  if (!file) return 0;
  std::fwrite(data, 1, size, file);
  std::fclose(file);
  char out[64];
  platform::IniRead(path, "1Dzielenie", "2UzywajWyjatkow", "d", out, sizeof out);
  platform::IniWrite(path, "1Dzielenie", "2UzywajWyjatkow", "1");
  platform::IniRead(path, "1Dzielenie", "2UzywajWyjatkow", "d", out, sizeof out);
  if (std::strcmp(out, "1") != 0) __builtin_trap();
  return 0;
}
