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

// Exit statuses of every command: success, findings (words reported,
// marks that could not be placed), errors (usage, unreadable input, a failed
// write).
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFindings = 1;
inline constexpr int kExitError = 2;

// The exit status of `wirsel` once the running command's callback returns
// (0 unless a command sets it).
void SetExitStatus(int status);

// <folder of the wirsel executable>/XTensions, where the plug-in and its data
// files live.
std::string XTensionsFolder();

// Where the plug-in keeps a user file (user.dic, PLHYPH.USR, Wirsel13.ini):
// its XTensions folder, or the per-user data folder when that cannot be
// written (where the folder's file is copied once, as the plug-in does). ""
// when neither can be found. Every command uses this rule, so they and the
// plug-in share one user dictionary and one settings file.
std::string PluginFilePath(const char* name);
// The plug-in's user.dic by that rule, its word list user.txt beside it.
std::string UserDictionaryFile();
