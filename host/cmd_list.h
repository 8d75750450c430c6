// What main needs of the command registry: the registered commands and the
// exit status they set.
#pragma once

#include <CLI/CLI.hpp>
#include <string>
#include <vector>

#include "host/cmd_registry.h"

struct CommandEntry {
  const char* name;
  const char* description;
  CommandSetup setup;
};

std::vector<CommandEntry>& Commands();
// The whole command line of `wirsel`: --version, every command, and the
// help texts in the chosen language.
void BuildCommandLine(CLI::App& app, bool& version);
// A usage error as the user reads it, in the chosen language.
std::string UsageErrorText(const CLI::ParseError& error);
int CurrentExitStatus();
// The host's folder: $WIRSEL_HOST_DIR, else the folder of the executable.
std::string HostFolder();
