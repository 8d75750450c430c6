// Subcommands of `wirsel`. A file that adds one defines a setup function that
// adds the command's options and callback, and registers it with a static
// CommandRegistration; main builds the command line from every registration.
#pragma once

#include <string>

#include <CLI/CLI.hpp>

using CommandSetup = void (*)(CLI::App& command);

class CommandRegistration {
 public:
  CommandRegistration(const char* name, const char* description, CommandSetup setup);
};

// The exit status of `wirsel` once the running command's callback returns
// (0 unless a command sets it).
void SetExitStatus(int status);

// <folder of the wirsel executable>/XTensions, where the plug-in and its data
// files live.
std::string XTensionsFolder();
