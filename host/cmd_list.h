// What main needs of the command registry: the registered commands and the
// exit status they set.
#pragma once

#include <string>
#include <vector>

#include "host/cmd_registry.h"

struct CommandEntry {
  const char* name;
  const char* description;
  CommandSetup setup;
};

std::vector<CommandEntry>& Commands();
int CurrentExitStatus();
// The host's folder: $WIRSEL_HOST_DIR, else the folder of the executable.
std::string HostFolder();
