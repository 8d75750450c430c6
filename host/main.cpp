// wirsel: a layout host on the command line. It loads the plug-ins of its
// XTensions folder and runs one subcommand; `--version` lists the host and the
// plug-ins. Run as `wirsel-spell` it is `wirsel spell`.
#include <cerrno>
#include <cstring>
#include <iostream>
#include <vector>

#include <CLI/CLI.hpp>

#include "host/cmd_list.h"
#include "host/runtime.h"
#include "platform/safe_file.h"

namespace {

int PrintVersions() {
  std::cout << PluginHost::kHostName << " " << HostVersion() << "\n";
  PluginHost plugins;
  std::string error;
  const bool loaded = plugins.LoadFolder(XTensionsFolder(), error);
  for (const auto& plugin : plugins.plugins()) {
    if (!plugin->started) continue;
    std::cout << "  " << plugin->file_name << ": "
              << (plugin->product.empty() ? plugin->file_name : plugin->product) << " "
              << (plugin->version.empty() ? "(version unknown)" : plugin->version) << "\n";
  }
  if (!loaded) {
    std::cerr << "wirsel: " << error << "\n";
    return kExitError;
  }
  return kExitSuccess;
}

// Standard output is checked as GNU tools check it: a write that failed
// (a full disk, a closed pipe) is an error, never exit status 0.
int CheckedExit(int status) {
  errno = 0;
  std::cout.flush();
  int error = std::cout ? 0 : errno != 0 ? errno : EIO;
  if (const int closed = platform::CloseStandardOutput(); error == 0) error = closed;
  if (error == 0) return status;
  std::cerr << "wirsel: standard output: cannot write: " << std::strerror(error) << "\n";
  return kExitError;
}

int Run(int argc, char** argv) {
  // Editors call `wirsel-spell` (a link to this program) as they call hunspell.
  std::vector<char*> args(argv, argv + argc);
  const char* slash = argc > 0 ? std::strrchr(argv[0], '/') : nullptr;
  const char* run_as = slash ? slash + 1 : argc > 0 ? argv[0] : "";
  char spell[] = "spell";
  if (std::strcmp(run_as, "wirsel-spell") == 0) args.insert(args.begin() + 1, spell);
  argc = static_cast<int>(args.size());
  argv = args.data();
  CLI::App app{"wirsel: a layout host that loads proofing plug-ins and runs their menu commands"};
  bool version = false;
  app.add_flag("--version", version, "Print the host's and each plug-in's name and version");
  for (const CommandEntry& command : Commands()) {
    command.setup(*app.add_subcommand(command.name, command.description));
  }
  app.require_subcommand(0, 1);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    // A usage error ends with status 2, as a missing command does; --help is
    // no error.
    return app.exit(e) == 0 ? kExitSuccess : kExitError;
  }
  if (version) return PrintVersions();
  if (app.get_subcommands().empty()) {
    std::cerr << app.help();
    return kExitError;
  }
  return CurrentExitStatus();
}

}  // namespace

int main(int argc, char** argv) { return CheckedExit(Run(argc, argv)); }
