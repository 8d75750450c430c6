// `wirsel check FILE`: "Check Story..." from the start of the story of the
// current box (`--document`: "Check Document..."), with the misspelled-word
// dialog answered at the terminal or by a dialog script. The corrected
// document is written only when some text changed, to standard output, to
// OUT, or over FILE with --in-place.
#include <filesystem>
#include <iostream>
#include <map>

#include "host/commands.h"
#include "host/document_files.h"
#include "host/io/files.h"
#include "host/io/io_error.h"
#include "host/session.h"
#include "host/session_options.h"

namespace {

struct CheckOptions {
  SessionOptions session;
  std::string file;
  std::string out;
  bool document = false;
  bool in_place = false;
};

// Every story's text, by story id: what a check may change.
std::map<wirsel::model::StoryId, std::u16string> StoryTexts() {
  std::map<wirsel::model::StoryId, std::u16string> texts;
  const wirsel::model::Document* document = FrontDocument();
  if (!document) return texts;
  for (const wirsel::model::StoryId id : document->StoryIds()) {
    texts[id] = document->story(id)->Text();
  }
  return texts;
}

bool StartOfStory() {
  wirsel::model::Document* document = FrontDocument();
  wirsel::model::Story* story =
      document ? document->story(document->StoryOfBox(document->current_box())) : nullptr;
  if (!story) return Fail("the document has no text box to check");
  story->SetSelection(0, 0);
  return true;
}

bool Check(const CheckOptions& options) {
  if (options.in_place && !options.out.empty()) return Fail("--in-place and -o exclude each other");
  std::error_code ignored;
  if (!options.out.empty() && std::filesystem::equivalent(options.out, options.file, ignored)) {
    return Fail("-o names the input file; use --in-place to write over it");
  }
  HostRuntime runtime;
  if (!StartSession(options.session, runtime)) return false;
  OpenedDocument opened;
  std::string error;
  if (!OpenDocumentFile(options.file, opened, error)) return Fail(error);
  if (!ApplyTargetOptions(options.session)) return false;
  if (!options.document && options.session.select.empty() && !StartOfStory()) return false;
  const auto before = StoryTexts();
  const char* item = options.document ? "Check Document..." : "Check Story...";
  if (!runtime.Choose(item, error)) return Fail(error);
  if (!CheckHostErrors(true)) return false;
  if (StoryTexts() == before) {
    std::cerr << "wirsel check: nothing changed, nothing written\n";
    return true;
  }
  std::string bytes;
  if (!RenderFrontDocument(opened, "", bytes, error)) return Fail(error);
  const std::string target = options.in_place ? options.file : options.out;
  if (target.empty()) {
    std::cout << bytes << std::flush;
    return true;
  }
  try {
    wirsel::io::WriteFileAtomically(target, bytes);
  } catch (const wirsel::io::IoError& e) {
    return Fail(e.what());
  }
  return true;
}

void SetUpCheck(CLI::App& command) {
  static CheckOptions options;
  command.add_option("FILE", options.file, "Document: UTF-8 text, or JSON (.json)")->required();
  command.add_option("-o,--output", options.out, "Write the corrected document here");
  command.add_flag("--document", options.document, "Check every story of the document");
  command.add_flag("--in-place", options.in_place, "Write the corrected document over FILE");
  AddSessionOptions(command, options.session);
  command.callback([] { Check(options); });
}

const CommandRegistration kCheck("check", "Spell-check a story or document with the plug-in",
                                 SetUpCheck);

}  // namespace
