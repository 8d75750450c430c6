// `wirsel hyphenate FILE` and `wirsel dehyphenate FILE`: the plug-in's
// "Hyphenate Box" and "Remove Hyphens From Box" on a document, under
// whichever title the target gives the item (Box, Selection or Boxes).
#include <string>
#include <vector>

#include "host/cmd_registry.h"
#include "host/cmd_run.h"

namespace {

const std::vector<std::string> kHyphenateTitles = {"Hyphenate Box", "Hyphenate Selection",
                                                   "Hyphenate Boxes"};
const std::vector<std::string> kDehyphenateTitles = {
    "Remove Hyphens From Box", "Remove Hyphens From Selection", "Remove Hyphens From Boxes"};

void SetUp(CLI::App& command, RunOptions& options, const std::vector<std::string>& titles) {
  AddRunOptions(command, options);
  command.callback([&options, &titles] {
    RunDocument(options, [&titles](HostRuntime& runtime, std::string& error) {
      return ChooseOneOf(titles, runtime, error);
    });
  });
}

void SetUpHyphenate(CLI::App& command) {
  static RunOptions options;
  options.streams = true;
  SetUp(command, options, kHyphenateTitles);
}

void SetUpDehyphenate(CLI::App& command) {
  static RunOptions options;
  SetUp(command, options, kDehyphenateTitles);
}

const CommandRegistration kHyphenate("hyphenate",
                                     "Write discretionary hyphens into the current box (or the "
                                     "selection, or a group's boxes)",
                                     SetUpHyphenate);
const CommandRegistration kDehyphenate("dehyphenate",
                                       "Remove discretionary hyphens from the current box (or "
                                       "the selection, or a group's boxes)",
                                       SetUpDehyphenate);

}  // namespace
