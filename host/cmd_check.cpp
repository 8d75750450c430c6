// `wirsel check FILE`: "Check Story..." from the start of the story of the
// current box (`--document`: "Check Document..."), with the misspelled-word
// dialog answered at the terminal or by a dialog script. The corrected
// document is written only when some text changed, to standard output, to
// OUT, or over FILE with --in-place.
#include <string>

#include "host/cmd_registry.h"
#include "host/cmd_run.h"
#include "host/messages/messages.h"
#include "host/session.h"

namespace {

struct CheckOptions {
  RunOptions run;
  bool document = false;
};

bool StartOfStory(std::string& error) {
  wirsel::model::Document* document = FrontDocument();
  wirsel::model::Story* story =
      document ? document->story(document->StoryOfBox(document->current_box())) : nullptr;
  if (!story) {
    error = Msg("the document has no text box to check");
    return false;
  }
  story->SetSelection(0, 0);
  return true;
}

void SetUpCheck(CLI::App& command) {
  static CheckOptions options;
  options.run.command = "check";
  options.run.only_when_changed = true;
  AddRunOptions(command, options.run);
  command.add_flag("--document", options.document, "Check every story of the document");
  command.callback([] {
    RunDocument(options.run, [](HostRuntime& runtime, std::string& error) {
      if (!options.document && options.run.session.select.empty() && !StartOfStory(error)) {
        return false;
      }
      // An empty story is a document too: there is nothing to check.
      const wirsel::model::Document* document = FrontDocument();
      const wirsel::model::Story* story =
          document ? document->story(document->StoryOfBox(document->current_box())) : nullptr;
      if (!options.document && story && story->length() == 0) return true;
      return runtime.Choose(options.document ? "Check Document..." : "Check Story...", error);
    });
  });
}

const CommandRegistration kCheck("check", "Spell-check a story or document with the plug-in",
                                 SetUpCheck);

}  // namespace
