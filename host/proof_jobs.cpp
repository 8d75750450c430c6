// Worker processes for `wirsel proof FILE... -j N`.
#include "host/proof_jobs.h"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <map>

#include "host/messages/messages.h"
#include "platform/process.h"

namespace {

constexpr int kError = 2;

// A folder of its own for the workers' reports, removed with what is in it.
class ScratchFolder {
 public:
  ScratchFolder() : path_(platform::MakeScratchFolder("wirsel-proof-")) {}
  ~ScratchFolder() { platform::RemoveScratchFolder(path_); }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  bool ok() const { return !path_.empty(); }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
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

platform::ProcessId Start(const std::string& self, const ProofJob& job,
                          const std::vector<std::string>& options, const Worker& worker,
                          std::string& error) {
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
  platform::ChildStreams streams;
  streams.error = worker.messages;
  return platform::StartProcess(args, streams, error);
}

}  // namespace

unsigned DefaultJobCount() { return platform::CoreCount(); }

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
  const std::string self = platform::OwnExecutablePath();
  const ScratchFolder scratch;
  if (self.empty() || !scratch.ok()) {
    error = Msg("cannot start worker processes: no scratch folder or no path of wirsel itself");
    return kError;
  }
  std::vector<Worker> state(jobs.size());
  for (std::size_t i = 0; i < jobs.size(); ++i) {
    state[i].report = scratch.File(std::to_string(i) + ".report");
    state[i].messages = scratch.File(std::to_string(i) + ".messages");
  }
  std::map<platform::ProcessId, std::size_t> running;
  std::size_t next_start = 0;
  std::size_t next_report = 0;
  int worst = 0;
  while (next_report < jobs.size()) {
    while (running.size() < std::max(workers, 1u) && next_start < jobs.size()) {
      std::string why;
      const platform::ProcessId id = Start(self, jobs[next_start], options, state[next_start], why);
      if (id == platform::kNoProcess) {
        state[next_start].done = true;
        state[next_start].status = kError;
        std::ofstream(state[next_start].messages)
            << "wirsel: " << Msg("cannot start a worker for {1}: {2}", jobs[next_start].file, why)
            << "\n";
      } else {
        running[id] = next_start;
      }
      ++next_start;
    }
    if (!running.empty()) {
      int status = 0;
      const platform::ProcessId id = platform::WaitForAnyProcess(status);
      if (id == platform::kNoProcess) {
        // The children are gone without a word (reaped elsewhere): their
        // files cannot be trusted.
        for (const auto& [lost, index] : running) {
          state[index].done = true;
          state[index].status = kError;
        }
        running.clear();
      }
      auto found = running.find(id);
      if (found != running.end()) {
        Worker& worker = state[found->second];
        worker.done = true;
        worker.status = status < 0 ? kError : std::min(status, kError);
        running.erase(found);
      }
    }
    for (; next_report < jobs.size() && state[next_report].done; ++next_report) {
      CopyOut(state[next_report].report, report);
      CopyOut(state[next_report].messages, std::cerr);
      worst = std::max(worst, state[next_report].status);
    }
  }
  return worst;
}
