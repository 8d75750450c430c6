// Runs the real `wirsel` binary for the command-line tests: standard input
// from /dev/null, standard output and error captured, a fresh settings folder
// (XDG_DATA_HOME) and LANG=C unless the test says otherwise.
#pragma once

#include <map>
#include <string>
#include <vector>

struct WirselRun {
  int status = -1;
  std::string out;
  std::string err;
};

// `host` is a folder of tests/host's hosts (probe, refuses, ...), or "" for
// the real host with the real plug-in. Two keys of `env` are no variables:
// "<stdin>" and "<stdout>" name files to take standard input from and give
// standard output to (then run.out stays empty).
WirselRun RunWirsel(const std::string& host, const std::vector<std::string>& args,
                    const std::map<std::string, std::string>& env = {});

std::string DataPath(const std::string& name);
std::string ReadBytes(const std::string& path);
// A new empty folder under the test's temporary folder.
std::string TempFolder();
// Writes bytes into a new file of a temporary folder; answers its path.
std::string WriteTemp(const std::string& name, const std::string& bytes);
