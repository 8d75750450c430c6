// A host folder of its own for each spell-check test: the plug-in, the small
// test son.dic and the hyphenation data in its XTensions folder, optionally a
// settings file, and a per-user data folder beside it.
#pragma once

#include <string>
#include <vector>

#include "run_wirsel.h"

class DictHost {
 public:
  // `ini`: the settings file's text ("" for none).
  explicit DictHost(const std::string& ini = "");
  ~DictHost();
  DictHost(const DictHost&) = delete;
  DictHost& operator=(const DictHost&) = delete;

  const std::string& folder() const { return folder_; }
  std::string xtensions() const { return folder_ + "/XTensions"; }
  // The per-user data folder of the plug-in (XDG_DATA_HOME/Wirsel13).
  std::string user_folder() const { return folder_ + "/data/Wirsel13"; }

  // Runs `wirsel` with this host folder and per-user folder; `extra_env` adds
  // or overrides variables.
  WirselRun Run(const std::vector<std::string>& args,
                const std::map<std::string, std::string>& extra_env = {}) const;

 private:
  std::string folder_;
};

// The words of a user dictionary file, in its order; empty when it does not
// load.
std::vector<std::string> UserDictionaryWords(const std::string& path);
