// `wirsel typo FILE [-o OUT] [--format tex]`: the typography pass over the
// document's current box, as `wirsel run FILE --do "Typography In Box"`
// would run it, whatever the item's title is for the current selection.
#include <iostream>
#include <string>

#include "host/commands.h"
#include "host/document_files.h"
#include "host/io/files.h"
#include "host/io/io_error.h"
#include "host/session_options.h"

namespace {

struct TypoOptions {
  SessionOptions session;
  std::string file;
  std::string out;
  std::string format;
};

// The box item's titles: for a text box, a selection, a group.
constexpr const char* kTitles[] = {"Typography In Box", "Typography In Selection",
                                   "Typography In Boxes"};

bool Typo(const TypoOptions& options) {
  if (!ValidOutputFormat(options.format)) {
    return Fail("--format must be text, tex, html or json, not \"" + options.format + "\"");
  }
  HostRuntime runtime;
  if (!StartSession(options.session, runtime)) return false;
  OpenedDocument opened;
  std::string error;
  if (!OpenDocumentFile(options.file, opened, error)) return Fail(error);
  if (!ApplyTargetOptions(options.session)) return false;
  std::string first_error;
  bool chosen = false;
  for (const char* title : kTitles) {
    if (!chosen) chosen = runtime.Choose(title, error);
    if (first_error.empty()) first_error = error;
  }
  if (!chosen) return Fail(first_error);
  if (!CheckHostErrors(true)) return false;
  std::string bytes;
  if (!RenderFrontDocument(opened, options.format, bytes, error)) return Fail(error);
  if (options.out.empty()) {
    std::cout << bytes << std::flush;
    return true;
  }
  try {
    wirsel::io::WriteFileAtomically(options.out, bytes);
  } catch (const wirsel::io::IoError& e) {
    return Fail(e.what());
  }
  return true;
}

void SetUpTypo(CLI::App& command) {
  static TypoOptions options;
  command.add_option("FILE", options.file, "Document: UTF-8 text, or JSON (.json)")->required();
  command.add_option("-o,--output", options.out, "Write the document here instead of stdout");
  command.add_option("--format", options.format, "Output: text, tex, html or json");
  AddSessionOptions(command, options.session);
  command.callback([] { Typo(options); });
}

const CommandRegistration kTypo("typo", "Run the typography pass over a document's current box",
                                SetUpTypo);

}  // namespace
