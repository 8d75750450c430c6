// libFuzzer target: the JSON document reader on arbitrary bytes. A document
// it cannot read must be refused with IoError, never crash or abort.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "host/io/io_error.h"
#include "host/io/json_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    wirsel::io::ParseJson(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.json");
  } catch (const wirsel::io::IoError&) {
  }
  return 0;
}
