// Child processes: start a program with its standard streams on files, wait
// for whichever ends first; and the facts a process needs to run
// copies of itself (its own executable, the cores online, a scratch folder).
#pragma once

#include <string>
#include <vector>

namespace platform {

using ProcessId = long;
inline constexpr ProcessId kNoProcess = -1;

// Where a child's standard input, output and error go: files opened for
// reading, and for writing (created or emptied, mode 0600 less the umask).
struct ChildStreams {
  std::string input = "/dev/null";
  std::string output = "/dev/null";
  std::string error = "/dev/null";
};

// Starts the program `args[0]` (a path) with `args` and `streams`, in this
// process's environment. Its id, or kNoProcess with `error` set.
ProcessId StartProcess(const std::vector<std::string>& args, const ChildStreams& streams,
                       std::string& error);

// Waits for any child to end; `status` receives its exit status, or -1 when
// a signal ended it. kNoProcess when no child is left to wait for.
ProcessId WaitForAnyProcess(int& status);

// The path of the running executable; "" when it cannot be known.
std::string OwnExecutablePath();

// The number of cores online (at least 1).
unsigned CoreCount();

// Makes a new private folder under $TMPDIR (or /tmp) whose name starts with
// `prefix`; "" on failure. RemoveScratchFolder removes it with the files
// directly in it.
std::string MakeScratchFolder(const std::string& prefix);
void RemoveScratchFolder(const std::string& path);

}  // namespace platform
