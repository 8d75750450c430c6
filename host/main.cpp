// wirsel: a layout host on the command line. It loads the plug-ins of its
// XTensions folder and runs one subcommand; `--version` lists the host and the
// plug-ins. Run as `wirsel-spell` it is `wirsel spell`.
#include <CLI/CLI.hpp>
#include <cerrno>
#include <cstring>
#include <iostream>
#include <string_view>
#include <vector>

#include "host/cmd_list.h"
#include "host/messages/messages.h"
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
              << (plugin->version.empty() ? Msg("(version unknown)") : plugin->version) << "\n";
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
  std::cerr << "wirsel: " << Msg("standard output: cannot write: {1}", std::strerror(error))
            << "\n";
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
  // --lang chooses the language of the messages and the help, too, before
  // any of them is written.
  for (int i = 1; i < argc && std::string_view(argv[i]) != "--"; ++i) {
    const std::string_view arg = argv[i];
    const char* lang = arg == "--lang" && i + 1 < argc ? argv[i + 1]
                       : arg.substr(0, 7) == "--lang=" ? argv[i] + 7
                                                       : nullptr;
    if (lang && !wirsel::messages::UseLanguage(lang)) {
      std::cerr << "wirsel: " << Msg("--lang must be en or pl, not \"{1}\"", lang) << "\n";
      return kExitError;
    }
  }
  CLI::App app;
  bool version = false;
  BuildCommandLine(app, version);
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    // A usage error ends with status 2, as a missing command does.
    std::cerr << "wirsel: " << UsageErrorText(e) << "\n"
              << Msg("Run with --help for more information.") << "\n";
    return kExitError;
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
