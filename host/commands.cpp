// The registry of subcommands, the exit status and the host's folders.
#include "host/commands.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <vector>

#include "host/command_list.h"

namespace {

int& ExitStatus() {
  static int status = 0;
  return status;
}

}  // namespace

std::vector<CommandEntry>& Commands() {
  static std::vector<CommandEntry> commands;
  return commands;
}

CommandRegistration::CommandRegistration(const char* name, const char* description,
                                         CommandSetup setup) {
  Commands().push_back(CommandEntry{name, description, setup});
}

void SetExitStatus(int status) { ExitStatus() = status; }
int CurrentExitStatus() { return ExitStatus(); }

std::string HostFolder() {
  if (const char* dir = std::getenv("WIRSEL_HOST_DIR"); dir && *dir) return dir;
  char path[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return ".";
  const std::string exe(path, static_cast<size_t>(length));
  const size_t slash = exe.rfind('/');
  return slash == std::string::npos ? "." : exe.substr(0, slash);
}

std::string XTensionsFolder() { return HostFolder() + "/XTensions"; }
