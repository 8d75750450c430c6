// Proofing many files on every core: `wirsel proof` runs itself as worker
// processes, one file each, at most N at a time. Each worker writes its
// document as soon as it is done; the parent passes their reports (and
// their messages) on in file order.
#pragma once

#include <ostream>
#include <string>
#include <vector>

struct ProofJob {
  std::string file;
  std::string target;  // where the worker writes the proofed document
};

// The number of cores online (at least 1).
unsigned DefaultJobCount();

// DIR/NAME for FILE: its own name, with the extension of `format` ("text"
// .txt, "tex", "html", "json") when one is given.
std::string OutputPathIn(const std::string& dir, const std::string& file,
                         const std::string& format);

// Runs `wirsel proof FILE -o TARGET --report R OPTIONS...` for every job,
// `workers` at a time, and copies each report to `report` (and each worker's
// messages to standard error) in job order. Answers the worst exit status of
// the workers (0, 1 or 2); on a failure to start them, 2 with `error` set.
int RunProofJobs(const std::vector<ProofJob>& jobs, const std::vector<std::string>& options,
                 unsigned workers, std::ostream& report, std::string& error);
