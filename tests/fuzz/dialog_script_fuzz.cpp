// libFuzzer target: the dialog-script reader on arbitrary bytes, read from a
// file as `--dialogs` reads it. A script it cannot read gets an error line.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>

#include "host/frontend.h"
#include "tests/fuzz/scratch.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = fuzz::ScratchPath("input.dlg");
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  std::ostringstream err;
  std::string error;
  auto script = MakeScriptFrontEnd(path, err, error);
  if (script) script->Finish();
  return 0;
}
