// The registry of subcommands, the exit status and the host's folders.
#include "host/cmd_registry.h"

#include <climits>
#include <cstdlib>
#include <vector>

#include "host/cmd_list.h"
#include "host/frontend.h"
#include "platform/files.h"
#include "platform/paths.h"

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
int CurrentExitStatus() { return ErrorAlertShown() ? kExitError : ExitStatus(); }

std::string HostFolder() {
  char path[PATH_MAX];
  if (!platform::HostFolder(path, sizeof path)) return ".";
  std::string folder(path);
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

std::string XTensionsFolder() { return HostFolder() + "/XTensions"; }

std::string PluginFilePath(const char* name) {
  const std::string folder = XTensionsFolder();
  if (platform::FolderWritable(folder.c_str())) return folder + "/" + name;
  char user[PATH_MAX];
  if (!platform::UserDataFolder(user, sizeof user)) return "";
  return std::string(user) + "/" + name;
}
