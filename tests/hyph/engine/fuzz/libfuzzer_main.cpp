// libFuzzer entry (clang builds only).
#include "tests/hyph/engine/fuzz/hyph_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  HyphFuzzOne(data, size);
  return 0;
}
