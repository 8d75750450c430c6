// `wirsel lsp`: the language server on standard input and output. Bytes are
// read as they come; everything that arrived together is handed to the
// server at once (so a cancellation reaches the request it names), and while
// diagnostics wait for their debounce the read times out to publish them.
#include <chrono>
#include <iostream>
#include <string>
#include <vector>

#include "host/cmd_registry.h"
#include "host/lsp_server.h"
#include "host/lsp_transport.h"
#include "host/lsp_typography.h"
#include "host/messages/messages.h"
#include "host/speller.h"
#include "platform/input.h"

namespace {

int64_t NowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void Write(std::vector<std::string>& out) {
  for (const std::string& message : out) std::cout << message;
  std::cout << std::flush;
  out.clear();
}

// The bodies that arrived; a frame that cannot be read gets a parse error.
std::vector<std::string> Bodies(MessageReader& reader, std::vector<std::string>* out) {
  std::vector<std::string> errors;
  std::vector<std::string> bodies = TakeBodies(reader, &errors);
  for (const std::string& error : errors) {
    std::cerr << "wirsel lsp: " << error << "\n";
    out->push_back(LspServer::FrameError(error));
  }
  return bodies;
}

int Serve() {
  Speller speller;
  std::string error;
  std::string warning;
  const std::string personal = UserDictionaryFile();
  if (!speller.Open(XTensionsFolder() + "/son.dic", "", &error, &warning)) {
    std::cerr << "wirsel lsp: " << error << "\n";
    return 2;
  }
  // An editor keeps its server even when the user dictionary is refused.
  if (!speller.SetUserDictionary(personal, &error, &warning)) {
    std::cerr << "wirsel lsp: " << Msg("{1}; checking without it", error) << "\n";
  }
  if (!warning.empty()) std::cerr << "wirsel lsp: " << warning << "\n";
  TypographyPass typography;
  if (!typography.Start(&error))
    std::cerr << "wirsel lsp: "
              << Msg("the typography pass is not available ({1}); only spelling is reported", error)
              << "\n";
  LspServer server(speller, &typography);
  MessageReader reader;
  std::vector<std::string> out;
  std::vector<char> buffer(1 << 16);
  for (;;) {
    const int64_t wait = server.WaitMs(NowMs());
    long got = platform::ReadWithTimeout(0, buffer.data(), buffer.size(),
                                         wait < 0 ? -1 : static_cast<int>(wait));
    if (got == platform::kReadTimedOut) {
      server.Tick(NowMs(), &out);
      Write(out);
      continue;
    }
    if (got <= 0) break;
    reader.Feed(std::string_view(buffer.data(), static_cast<size_t>(got)));
    // Whatever else is already there arrives with it.
    while ((got = platform::ReadWithTimeout(0, buffer.data(), buffer.size(), 0)) > 0)
      reader.Feed(std::string_view(buffer.data(), static_cast<size_t>(got)));
    const bool ended = got == 0 || got == platform::kReadFailed;
    server.Receive(Bodies(reader, &out), NowMs(), &out);
    server.Tick(NowMs(), &out);
    Write(out);
    if (server.exited()) return server.exit_status();
    if (ended) break;
  }
  if (reader.buffered()) std::cerr << "wirsel lsp: " << Msg("input ended inside a message") << "\n";
  return 1;  // the client went away without "exit"
}

void SetUpLsp(CLI::App& command) {
  command.callback([] { SetExitStatus(Serve()); });
}

const CommandRegistration kLsp("lsp",
                               "Language server on standard input/output: spelling diagnostics "
                               "and fixes for editors",
                               SetUpLsp);

}  // namespace
