// Fuzz target for the language server's message reader: arbitrary bytes are
// framed, parsed and handled as requests, with a real dictionary and without
// the plug-in (clang's libFuzzer only):
//   build-x/bin/lsp_fuzz tests/host/editor/data/lsp_corpus
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/lsp_server.h"
#include "host/lsp_transport.h"
#include "host/speller.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Speller* speller = [] {
    auto* opened = new Speller;
    std::string error;
    std::string warning;
    opened->Open(WIRSEL_SON_DIC, "", &error, &warning);
    return opened;
  }();
  MessageReader reader;
  reader.Feed(std::string_view(reinterpret_cast<const char*>(data), size));
  LspServer server(*speller, nullptr);
  std::vector<std::string> errors;
  std::vector<std::string> out;
  server.Receive(TakeBodies(reader, &errors), 0, &out);
  server.Tick(1000000, &out);
  return 0;
}
