// libFuzzer target: arbitrary bytes as a settings file, read and rewritten.
#include <stdio.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "platform/ini.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static char path[64];
  if (!path[0]) snprintf(path, sizeof path, "/tmp/wirsel-ini-fuzz.%ld.ini", static_cast<long>(getpid()));
  FILE* file = fopen(path, "wb");
  if (!file) return 0;
  fwrite(data, 1, size, file);
  fclose(file);
  char out[64];
  platform::IniRead(path, "1Dzielenie", "2UzywajWyjatkow", "d", out, sizeof out);
  platform::IniWrite(path, "1Dzielenie", "2UzywajWyjatkow", "1");
  platform::IniRead(path, "1Dzielenie", "2UzywajWyjatkow", "d", out, sizeof out);
  if (strcmp(out, "1") != 0) __builtin_trap();
  return 0;
}
