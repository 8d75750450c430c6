// Child processes through posix_spawn and waitpid.
#include "platform/process.h"

#include <dirent.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

extern char** environ;

namespace platform {

ProcessId StartProcess(const std::vector<std::string>& args, const ChildStreams& streams,
                       std::string& error) {
  if (args.empty()) {
    error = "no program to start";
    return kNoProcess;
  }
  std::vector<std::string> copies = args;
  std::vector<char*> argv;
  for (std::string& arg : copies) argv.push_back(arg.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  if (const int result = posix_spawn_file_actions_init(&actions); result != 0) {
    error = std::strerror(result);
    return kNoProcess;
  }
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, streams.input.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, streams.output.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, streams.error.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0600);
  pid_t pid = 0;
  const int result = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (result != 0) {
    error = "cannot start " + args[0] + ": " + std::strerror(result);
    return kNoProcess;
  }
  return pid;
}

ProcessId WaitForAnyProcess(int& status) {
  for (;;) {
    int raw = 0;
    const pid_t pid = waitpid(-1, &raw, 0);
    if (pid < 0 && errno == EINTR) continue;
    if (pid < 0) return kNoProcess;
    if (WIFEXITED(raw)) {
      status = WEXITSTATUS(raw);
    } else if (WIFSIGNALED(raw)) {
      status = -1;
    } else {
      continue;  // stopped or continued: not the end
    }
    return pid;
  }
}


std::string OwnExecutablePath() {
  char path[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return "";
  path[n] = 0;
  return path;
}

unsigned CoreCount() {
  const long cores = sysconf(_SC_NPROCESSORS_ONLN);
  return cores > 0 ? static_cast<unsigned>(cores) : 1;
}

std::string MakeScratchFolder(const std::string& prefix) {
  const char* base = std::getenv("TMPDIR");
  std::string pattern = std::string(base && *base ? base : "/tmp") + "/" + prefix + "XXXXXX";
  return mkdtemp(pattern.data()) ? pattern : "";
}

void RemoveScratchFolder(const std::string& path) {
  if (path.empty()) return;
  if (DIR* dir = opendir(path.c_str())) {
    while (const dirent* entry = readdir(dir)) {
      const std::string name = entry->d_name;
      if (name != "." && name != "..") unlink((path + "/" + name).c_str());
    }
    closedir(dir);
  }
  rmdir(path.c_str());
}

}  // namespace platform
