// `wirsel run`: open a document, choose menu items, write the document; and
// `wirsel menus`: the menu bar as the user would see it.
#include "host/cmd_run.h"

#include <sys/stat.h>
#include <unistd.h>

#include <iostream>
#include <map>

#include "host/cmd_list.h"
#include "host/cmd_registry.h"
#include "host/document_files.h"
#include "host/findings.h"
#include "host/io/files.h"
#include "host/io/io_error.h"
#include "host/messages/messages.h"
#include "host/session.h"
#include "host/text_stream.h"
#include "platform/safe_file.h"

namespace {

// Every story's text, by story id: what a command may change.
std::map<wirsel::model::StoryId, std::u16string> StoryTexts() {
  std::map<wirsel::model::StoryId, std::u16string> texts;
  const wirsel::model::Document* document = FrontDocument();
  if (!document) return texts;
  for (const wirsel::model::StoryId id : document->StoryIds()) {
    texts[id] = document->story(id)->Text();
  }
  return texts;
}

// Prints what the plug-ins reported in a batch run, positions counted in the
// document as `--format txt` writes it: in the output file when that is the
// text, else in FILE.
size_t ReportRunFindings(const RunOptions& options, const OpenedDocument& opened) {
  const wirsel::model::Document* document = FrontDocument();
  if (!document) return 0;
  const bool text_out = options.format == "text" || options.format == "txt" ||
                        (options.format.empty() && opened.format == DocumentFormat::kText);
  const std::string shown_name = !options.out.empty() && text_out ? options.out : options.file;
  return ReportFindings(shown_name, document->StoryIds());
}

}  // namespace

bool CheckOutput(const std::string& in, const std::string& out, bool in_place) {
  namespace io = wirsel::io;
  if (in_place && !out.empty()) return Fail(Msg("--in-place and -o exclude each other"));
  if (in_place && io::IsStandardStream(in)) {
    return Fail(Msg("--in-place needs a file, not standard input"));
  }
  if (!in_place && !io::IsStandardStream(in) && !io::IsStandardStream(out) &&
      platform::SameFile(out.c_str(), in.c_str())) {
    return Fail(Msg("{1}: -o names the input file; use --in-place to write over it", out));
  }
  try {
    io::CheckOutputPath(in_place ? in : out.empty() ? "-" : out);
  } catch (const io::IoError& e) {
    return Fail(e.what());
  }
  return true;
}

namespace {

// Standard input to standard output (or -o OUT), a block of paragraphs at a
// time, each block a document of its own.
bool RunStream(const RunOptions& options, const DocumentAction& act) {
  if (!StreamableFormat(options.format)) {
    return Fail(
        Msg("standard input is worked on as a stream and written as text or TeX; "
            "--format {1} needs a file",
            options.format));
  }
  if (options.in_place) return Fail(Msg("--in-place needs a file, not standard input"));
  HostRuntime runtime;
  if (!StartSession(options.session, runtime)) return false;
  StreamOutput out;
  std::string error;
  if (!out.Open(options.out, error)) return Fail(error);
  const bool done = RunTextStream(
      STDIN_FILENO, out.stream(), options.format, "-", StreamBlockBytes(),
      [&](int64_t, std::string& block_error) {
        return ApplyTargetOptions(options.session) && act(runtime, block_error) &&
               CheckHostErrors(false);
      },
      error);
  if (!done) return error.empty() ? false : Fail(error);
  if (!CheckHostErrors(true)) return false;
  return out.Commit(error) || Fail(error);
}

}  // namespace

bool WriteOutput(const std::string& target, const std::string& bytes) {
  try {
    wirsel::io::WriteFileAtomically(target.empty() ? "-" : target, bytes);
  } catch (const wirsel::io::IoError& e) {
    return Fail(e.what());
  }
  return true;
}

bool RunDocument(const RunOptions& options, const DocumentAction& act) {
  if (options.streams && options.file == "-") {
    if (!options.input_format.empty() && options.input_format != "txt" &&
        options.input_format != "text") {
      return Fail(Msg("standard input is read as plain text; give a {1} source as a file",
                      options.input_format));
    }
    return RunStream(options, act);
  }
  if (!ValidOutputFormat(options.format)) {
    return Fail(
        Msg("--format must be text, tex, html, markdown or json, not \"{1}\"", options.format));
  }
  if (!ValidInputFormat(options.input_format)) {
    return Fail(Msg("--input-format must be txt, json, tex, html or markdown, not \"{1}\"",
                    options.input_format));
  }
  if (!CheckOutput(options.file, options.out, options.in_place)) return false;
  HostRuntime runtime;
  if (!StartSession(options.session, runtime)) return false;
  OpenedDocument opened;
  std::string error;
  if (!OpenDocumentFile(options.file, opened, error, options.input_format)) return Fail(error);
  if (!ApplyTargetOptions(options.session)) return false;
  const auto before = options.only_when_changed ? StoryTexts() : decltype(StoryTexts()){};
  if (!act(runtime, error)) return error.empty() ? false : Fail(error);
  if (!CheckHostErrors(true)) return false;
  const bool findings = ReportRunFindings(options, opened) > 0;
  if (options.only_when_changed && StoryTexts() == before) {
    std::cerr << "wirsel " << options.command << ": " << Msg("nothing changed, nothing written")
              << "\n";
    return true;
  }
  std::string bytes;
  if (!RenderFrontDocument(opened, options.format, bytes, error)) return Fail(error);
  if (!WriteOutput(options.in_place ? options.file : options.out, bytes)) return false;
  if (findings && CurrentExitStatus() == kExitSuccess) SetExitStatus(kExitFindings);
  return true;
}

bool ChooseOneOf(const std::vector<std::string>& titles, HostRuntime& runtime,
                 std::string& error) {
  for (const std::string& title : titles) {
    if (runtime.Choose(title, error)) return true;
  }
  // An empty story is a document too: the passes have nothing to do.
  const wirsel::model::Document* document = FrontDocument();
  const wirsel::model::Story* story =
      document ? document->story(document->StoryOfBox(document->current_box())) : nullptr;
  if (story && story->length() == 0) return true;
  error = Msg("no text box or group to work on (\"{1}\" is not available)", titles.front());
  return false;
}

void AddFormatOptions(CLI::App& command, std::string& out, std::string& format,
                      std::string& input_format) {
  command.add_option("-o,--output", out, "Write the document here (- or none: stdout)");
  command.add_option("--format", format,
                     "Output: text, tex, html, markdown or json (default: FILE's own kind)");
  command.add_option("--input-format", input_format,
                     "Read FILE as txt, json, tex, html or markdown (default: by its name)");
}

void AddRunOptions(CLI::App& command, RunOptions& options) {
  command
      .add_option("FILE", options.file,
                  options.streams
                      ? "Document: UTF-8 text, JSON (.json), LaTeX (.tex), HTML (.html, .htm) or "
                        "Markdown (.md, .markdown); - reads text from standard input as a "
                        "stream, a block of paragraphs at a time"
                      : "Document: UTF-8 text, JSON (.json), LaTeX (.tex), HTML (.html, .htm) or "
                        "Markdown (.md, .markdown)")
      ->required();
  AddFormatOptions(command, options.out, options.format, options.input_format);
  command.add_flag("--in-place", options.in_place, "Write the document back over FILE");
  AddSessionOptions(command, options.session);
}

namespace {

// Chooses each --do item in turn.
bool ChooseItems(const RunOptions& options, HostRuntime& runtime, std::string& error) {
  for (const std::string& item : options.items) {
    if (!runtime.Choose(item, error)) return false;
    if (!CheckHostErrors(false)) return false;
  }
  return true;
}

void SetUpRun(CLI::App& command) {
  static RunOptions options;
  AddRunOptions(command, options);
  command.add_option("--do", options.items, "Menu item to choose, by its title (repeatable)");
  command.callback([] {
    RunDocument(options, [](HostRuntime& runtime, std::string& error) {
      return ChooseItems(options, runtime, error);
    });
  });
}

struct MenusOptions {
  SessionOptions session;
  std::vector<std::string> files;
};

bool Menus(const MenusOptions& options) {
  HostRuntime runtime;
  if (!StartSession(options.session, runtime)) return false;
  if (options.files.empty()) {
    if (!ApplyTargetOptions(options.session)) return false;
    runtime.UpdateMenus();
    std::cout << runtime.MenuListing();
    return CheckHostErrors(true);
  }
  for (const std::string& file : options.files) {
    OpenedDocument opened;
    std::string error;
    if (!OpenDocumentFile(file, opened, error)) return Fail(error);
    if (!ApplyTargetOptions(options.session)) return false;
    runtime.UpdateMenus();
    if (options.files.size() > 1) std::cout << "== " << file << " ==\n";
    std::cout << runtime.MenuListing();
  }
  return CheckHostErrors(true);
}

void SetUpMenus(CLI::App& command) {
  static MenusOptions options;
  command.add_option("FILE", options.files, "Documents to open, each in front in turn");
  AddSessionOptions(command, options.session);
  command.callback([] { Menus(options); });
}

const CommandRegistration kRun("run", "Open a document, choose menu items, write the document",
                               SetUpRun);
const CommandRegistration kMenus("menus", "Print the menu bar after a menu update", SetUpMenus);

}  // namespace
