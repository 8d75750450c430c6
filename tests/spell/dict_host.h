// A host folder of its own for each spell-check test (run_wirsel.h) with the
// small test son.dic compiled from tests/spell/data.
#pragma once

#include <string>
#include <vector>

#include "run_wirsel.h"

class DictHost : public HostFolder {
 public:
  // `ini`: the settings file's text ("" for none).
  explicit DictHost(const std::string& ini = "") : HostFolder(ini, DICT_SON) {}
};

// The words of a user dictionary file, in its order; empty when it does not
// load.
std::vector<std::string> UserDictionaryWords(const std::string& path);
