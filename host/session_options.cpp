// Shared start-up of the document commands.
#include "host/session_options.h"

#include <unistd.h>

#include <cstdio>
#include <iostream>

#include "host/cmd_registry.h"
#include "host/frontend.h"
#include "host/messages/messages.h"
#include "host/progress.h"
#include "host/session.h"
#include "platform/safe_file.h"

void AddSessionOptions(CLI::App& command, SessionOptions& options) {
  command.add_option(
      "--lang", options.lang,
      "Language of the plug-in and of messages: en or pl (default: pl under a Polish locale)");
  command.add_option("--select", options.select,
                     "Selection START:END in the story of the current box");
  command.add_option("--tool", options.tool, "Current tool: content or item");
  command.add_option("--dialogs", options.dialogs,
                     "Dialog script that answers the plug-in's dialogs and message boxes");
}

std::string Printable(std::string_view text) {
  static const char kHex[] = "0123456789abcdef";
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) {
      out += "\\x";
      out += kHex[byte >> 4];
      out += kHex[byte & 15];
    } else {
      out += c;
    }
  }
  return out;
}

bool Fail(const std::string& message) {
  HostProgress().Clear();
  std::cerr << "wirsel: " << Printable(message) << "\n";
  SetExitStatus(kExitError);
  return false;
}

bool StartSession(const SessionOptions& options, HostRuntime& runtime) {
  const int16_t language = LanguageFromOption(options.lang);
  if (language < 0) return Fail(Msg("--lang must be en or pl, not \"{1}\"", options.lang));
  if (options.tool != "" && options.tool != "content" && options.tool != "item") {
    return Fail(Msg("--tool must be content or item, not \"{1}\"", options.tool));
  }
  if (!options.dialogs.empty()) {
    std::string error;
    auto script = MakeScriptFrontEnd(options.dialogs, std::cerr, error);
    if (!script) return Fail(error);
    SetFrontEnd(std::move(script));
  } else if (platform::IsTerminal(STDIN_FILENO)) {
    SetFrontEnd(MakeTerminalFrontEnd(std::cin, std::cerr));
  } else {
    SetFrontEnd(MakeDefaultFrontEnd(std::cerr));
  }
  std::string error;
  if (!runtime.Start(language, error)) return Fail(error);
  return true;
}

bool ApplyTargetOptions(const SessionOptions& options) {
  auto& workspace = Session().workspace;
  if (options.tool == "content") workspace.SetTool(wirsel::model::kContentTool);
  if (options.tool == "item") workspace.SetTool(wirsel::model::kItemTool);
  if (options.select.empty()) return true;
  long start = -1;
  long end = -1;
  char tail = 0;
  if (std::sscanf(options.select.c_str(), "%ld:%ld%c", &start, &end, &tail) != 2 || start < 0 ||
      end < start) {
    return Fail(
        Msg("--select must be START:END with 0 <= START <= END, not \"{1}\"", options.select));
  }
  wirsel::model::Document* document = FrontDocument();
  wirsel::model::Story* story =
      document ? document->story(document->StoryOfBox(document->current_box())) : nullptr;
  if (!story) return Fail(Msg("--select needs a document whose current box is a text box"));
  if (end > story->length()) {
    return Fail(Msg("--select {1} is past the end of the story ({2} characters)", options.select,
                    std::to_string(story->length())));
  }
  story->SetSelection(static_cast<int32_t>(start), static_cast<int32_t>(end));
  return true;
}

bool CheckHostErrors(bool finished) {
  std::vector<std::string> errors = TakeHostErrors();
  if (finished) {
    if (std::string leftover = CurrentFrontEnd().Finish(); !leftover.empty()) {
      errors.push_back(leftover);
    }
  }
  for (const std::string& error : errors) Fail(error);
  return errors.empty();
}
