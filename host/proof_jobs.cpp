// Worker processes for `wirsel proof FILE... -j N`.
#include "host/proof_jobs.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>

#include "host/messages/messages.h"

extern char** environ;

namespace {

constexpr int kError = 2;

std::string SelfPath() {
  char path[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return "";
  path[n] = 0;
  return path;
}

// A folder of its own for the workers' reports, removed with what is in it.
class TempFolder {
 public:
  TempFolder() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/wirsel-proof-XXXXXX";
    if (mkdtemp(pattern.data())) path_ = pattern;
  }
  ~TempFolder() {
    for (const std::string& file : files_) unlink(file.c_str());
    if (!path_.empty()) rmdir(path_.c_str());
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  bool ok() const { return !path_.empty(); }
  std::string File(const std::string& name) {
    files_.push_back(path_ + "/" + name);
    return files_.back();
  }

 private:
  std::string path_;
  std::vector<std::string> files_;
};

// Copies a file's bytes to `out`; a file that is not there gives nothing.
void CopyOut(const std::string& path, std::ostream& out) {
  std::ifstream in(path, std::ios::binary);
  if (in && in.peek() != std::ifstream::traits_type::eof()) out << in.rdbuf();
  out.flush();
}

struct Worker {
  std::string report;
  std::string messages;
  bool done = false;
  int status = 0;
};

pid_t Spawn(const std::string& self, const ProofJob& job, const std::vector<std::string>& options,
            const Worker& worker) {
  // A file written back over itself is proofed --in-place (-o may not name
  // the input).
  std::vector<std::string> args = {self, "proof", job.file};
  if (job.target == job.file) {
    args.push_back("--in-place");
  } else {
    args.insert(args.end(), {"-o", job.target});
  }
  args.insert(args.end(), {"--report", worker.report});
  args.insert(args.end(), options.begin(), options.end());
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, worker.messages.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0600);
  pid_t pid = 0;
  const int result = posix_spawn(&pid, self.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  return result == 0 ? pid : -1;
}

}  // namespace

unsigned DefaultJobCount() {
  const long cores = sysconf(_SC_NPROCESSORS_ONLN);
  return cores > 0 ? static_cast<unsigned>(cores) : 1;
}

std::string OutputPathIn(const std::string& dir, const std::string& file,
                         const std::string& format) {
  std::string name = file.substr(file.find_last_of('/') + 1);
  if (!format.empty()) {
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0) name.resize(dot);
    name += "." + (format == "text" ? std::string("txt") : format);
  }
  return (dir.empty() || dir.back() == '/' ? dir : dir + "/") + name;
}

int RunProofJobs(const std::vector<ProofJob>& jobs, const std::vector<std::string>& options,
                 unsigned workers, std::ostream& report, std::string& error) {
  const std::string self = SelfPath();
  TempFolder temp;
  if (self.empty() || !temp.ok()) {
    error = Msg("cannot start worker processes: {1}", std::strerror(errno));
    return kError;
  }
  std::vector<Worker> state(jobs.size());
  for (std::size_t i = 0; i < jobs.size(); ++i) {
    state[i].report = temp.File(std::to_string(i) + ".report");
    state[i].messages = temp.File(std::to_string(i) + ".messages");
  }
  std::map<pid_t, std::size_t> running;
  std::size_t next_start = 0;
  std::size_t next_report = 0;
  int worst = 0;
  while (next_report < jobs.size()) {
    while (running.size() < std::max(workers, 1u) && next_start < jobs.size()) {
      const pid_t pid = Spawn(self, jobs[next_start], options, state[next_start]);
      if (pid < 0) {
        state[next_start].done = true;
        state[next_start].status = kError;
        std::ofstream(state[next_start].messages)
            << "wirsel: " << Msg("cannot start a worker for {1}", jobs[next_start].file) << "\n";
      } else {
        running[pid] = next_start;
      }
      ++next_start;
    }
    if (!running.empty()) {
      int status = 0;
      const pid_t pid = waitpid(-1, &status, 0);
      if (pid < 0 && errno == EINTR) continue;
      auto found = running.find(pid);
      if (found == running.end()) continue;
      Worker& worker = state[found->second];
      worker.done = true;
      worker.status = WIFEXITED(status) ? std::min(WEXITSTATUS(status), kError) : kError;
      running.erase(found);
    }
    for (; next_report < jobs.size() && state[next_report].done; ++next_report) {
      CopyOut(state[next_report].report, report);
      CopyOut(state[next_report].messages, std::cerr);
      worst = std::max(worst, state[next_report].status);
    }
  }
  return worst;
}
