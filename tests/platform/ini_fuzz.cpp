// libFuzzer target: arbitrary bytes as a settings file, read and rewritten.
#include <stdio.h>
#include <unistd.h>

#include <cstddef>
#include <cstdlib>
#include <cstdint>
#include <cstring>

#include "platform/ini.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static char path[64];
  // Memory-backed /dev/shm keeps the flush of every write cheap.
  if (!path[0]) {
    const char* folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    snprintf(path, sizeof path, "%s/wirsel-ini-fuzz.%ld.ini", folder, static_cast<long>(getpid()));
    atexit([] { unlink(path); });
  }
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
