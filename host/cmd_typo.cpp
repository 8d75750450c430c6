// `wirsel typo FILE [-o OUT] [--format tex]`: the typography pass over the
// document's current box, as `wirsel run FILE --do "Typography In Box"`
// would run it, whatever the item's title is for the current selection.
#include <string>
#include <vector>

#include "host/cmd_registry.h"
#include "host/cmd_run.h"

namespace {

// The box item's titles: for a text box, a selection, a group.
const std::vector<std::string> kTitles = {"Typography In Box", "Typography In Selection",
                                          "Typography In Boxes"};

void SetUpTypo(CLI::App& command) {
  static RunOptions options;
  options.command = "typo";
  options.streams = true;
  AddRunOptions(command, options);
  command.callback([] {
    RunDocument(options, [](HostRuntime& runtime, std::string& error) {
      return ChooseOneOf(kTitles, runtime, error);
    });
  });
}

const CommandRegistration kTypo("typo", "Run the typography pass over a document's current box",
                                SetUpTypo);

}  // namespace
