// Options and start-up shared by the commands that open documents and drive
// the plug-ins' menus: --lang, --select, --tool and --dialogs.
#pragma once

#include <string>
#include <string_view>

#include <CLI/CLI.hpp>

#include "host/runtime.h"

struct SessionOptions {
  std::string lang;
  std::string select;   // START:END
  std::string tool;     // content | item
  std::string dialogs;  // script file
};

void AddSessionOptions(CLI::App& command, SessionOptions& options);

// Chooses who answers dialogs (the script, the terminal, or the defaults) and
// starts the plug-ins. Prints the reason and sets exit status 2 on failure.
bool StartSession(const SessionOptions& options, HostRuntime& runtime);
// Applies --tool and --select to the front document; same failure handling.
bool ApplyTargetOptions(const SessionOptions& options);
// Prints and clears the errors met while the plug-ins had control, and the
// script lines never used; false (exit status 2) when there were any.
bool CheckHostErrors(bool finished);
// The text with control characters (escape sequences, line breaks) written
// as \xHH, for names and words that come from files or the command line.
std::string Printable(std::string_view text);
// Prints "wirsel: message" (control characters escaped) and sets exit
// status 2; answers false.
bool Fail(const std::string& message);
