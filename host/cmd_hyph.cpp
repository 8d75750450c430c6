// `wirsel hyph [WORD...]`: prints each word (the arguments, or the lines of
// standard input) hyphenated with "-" by the plug-in's hyphenation engine
// and <XTensions>/PLHYPH.DAT, for scripts. Words are UTF-8.
#include <iostream>
#include <string>
#include <vector>

#include "host/cmd_registry.h"
#include "host/cp1250.h"
#include "hyph/engine/hyph.h"

namespace {

struct HyphOptions {
  std::vector<std::string> words;
};

// Room for any word the engine hyphenates: its letters, a hyphen after
// each, and the NUL.
constexpr size_t kOutputSize = 2 * kHyphMaxWord + 2;

void PrintHyphenated(HyphHandle engine, const std::string& utf8) {
  char out[kOutputSize];
  hyph_word(engine, Utf8ToWin1250(utf8).c_str(), out, sizeof out, true);
  std::cout << Win1250ToUtf8(out) << '\n';
}

void Hyph(const HyphOptions& options) {
  const std::string data = XTensionsFolder() + "/PLHYPH.DAT";
  HyphHandle engine = nullptr;
  const int result = hyph_open(data.c_str(), &engine);
  if (result != kHyphOk) {
    std::cerr << "wirsel hyph: " << data << ": " << hyph_result_text(result) << " (" << result
              << ")\n";
    SetExitStatus(kExitError);
    return;
  }
  if (options.words.empty()) {
    for (std::string line; std::getline(std::cin, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      PrintHyphenated(engine, line);
    }
  } else {
    for (const std::string& word : options.words) PrintHyphenated(engine, word);
  }
  hyph_close(engine);
}

void SetUpHyph(CLI::App& command) {
  static HyphOptions options;
  command.add_option("WORD", options.words, "Words to hyphenate (default: standard input)");
  command.callback([] { Hyph(options); });
}

const CommandRegistration kHyph("hyph", "Print words hyphenated by PLHYPH.DAT", SetUpHyph);

}  // namespace
