// Runs the real `wirsel` binary for the command-line tests: standard input
// from /dev/null, standard output and error captured, a fresh settings folder
// (XDG_DATA_HOME) and LANG=C unless the test says otherwise.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

struct WirselRun {
  int status = -1;
  std::string out;
  std::string err;
};

// `host` is a folder of tests/host's hosts (probe, refuses, ...), or "" for
// the real host with the real plug-in. Three keys of `env` are no variables:
// "<stdin>" and "<stdout>" name files to take standard input from and give
// standard output to (then run.out stays empty); "<terminal>" puts standard
// error on a pseudo-terminal (run.err is what it showed).
WirselRun RunWirsel(const std::string& host, const std::vector<std::string>& args,
                    const std::map<std::string, std::string>& env = {});

std::string DataPath(const std::string& name);
std::string ReadBytes(const std::string& path);
// A new empty folder under $TMPDIR (or /tmp), removed when the program ends.
std::string TempFolder();
// Whether `program` is on the PATH.
bool Installed(const std::string& program);
// Writes bytes into a new file of a temporary folder; answers its path.
std::string WriteTemp(const std::string& name, const std::string& bytes);
// The paths of the files of the folders whose names end in one of
// `extensions`, sorted, leaving out golden files (NAME.expected.EXT).
std::vector<std::string> FilesIn(const std::vector<std::string>& folders,
                                 const std::vector<std::string>& extensions);
// A fixture path's file name with every character but letters and digits
// made '_': the name of the test case it parameterises.
std::string FileTestName(const testing::TestParamInfo<std::string>& info);
// `text` with every `from` made `to` (a report's path made "FILE" ...).
std::string Replace(std::string text, const std::string& from, const std::string& to);

// A host folder of its own for runs of the real `wirsel`: XTensions holds a
// copy of the built plug-in and PLHYPH.DAT, links to the shipped son.dic and
// son-mixed.dic (or a copy of the son.dic given) and the settings file given; the per-user data
// folder lies beside it. Removed with everything in it.
class HostFolder {
 public:
  explicit HostFolder(const std::string& ini = "", const std::string& son_dic = "");
  ~HostFolder();
  HostFolder(const HostFolder&) = delete;
  HostFolder& operator=(const HostFolder&) = delete;

  const std::string& folder() const { return folder_; }
  std::string xtensions() const { return folder_ + "/XTensions"; }
  std::string File(const std::string& name) const { return xtensions() + "/" + name; }
  // The per-user data folder of the plug-in (XDG_DATA_HOME/Wirsel13).
  std::string user_folder() const { return folder_ + "/data/Wirsel13"; }
  void Put(const std::string& name, const std::string& bytes) const;

  // Runs `wirsel` with this host folder and per-user folder; "@NAME" in an
  // argument is DataPath(NAME), `extra_env` adds or overrides variables.
  WirselRun Run(std::vector<std::string> args,
                const std::map<std::string, std::string>& extra_env = {}) const;

 private:
  std::string folder_;
};
