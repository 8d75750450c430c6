// Host folders for the spell-check tests.
#include "dict_host.h"

#include <filesystem>
#include <fstream>

#include "spell/engine/user_dict.h"

namespace fs = std::filesystem;

DictHost::DictHost(const std::string& ini) : folder_(TempFolder()) {
  fs::create_directories(xtensions());
  fs::copy_file(DICT_PLUGIN, xtensions() + "/Wirsel13.so");
  fs::copy_file(DICT_SON, xtensions() + "/son.dic");
  if (fs::exists(DICT_PLHYPH)) fs::copy_file(DICT_PLHYPH, xtensions() + "/PLHYPH.DAT");
  if (!ini.empty()) std::ofstream(xtensions() + "/Wirsel13.ini", std::ios::binary) << ini;
}

DictHost::~DictHost() {
  std::error_code ignored;
  fs::remove_all(folder_, ignored);
}

WirselRun DictHost::Run(const std::vector<std::string>& args,
                        const std::map<std::string, std::string>& extra_env) const {
  std::map<std::string, std::string> env = {{"WIRSEL_HOST_DIR", folder_},
                                            {"XDG_DATA_HOME", folder_ + "/data"}};
  for (const auto& [key, value] : extra_env) env[key] = value;
  return RunWirsel("", args, env);
}

std::vector<std::string> UserDictionaryWords(const std::string& path) {
  std::vector<std::string> words;
  UserDict* dict = nullptr;
  if (userdict_load(path.c_str(), &dict) != kUserDictOk) return words;
  char word[kUserWordMax + 1];
  for (int more = userdict_next_word(dict, word, sizeof word, 1); word[0] != 0;
       more = userdict_next_word(dict, word, sizeof word, 0)) {
    words.emplace_back(word);
    if (!more) break;
  }
  userdict_unload(&dict);
  return words;
}
