// `wirsel dict`: the user dictionary from the command line. `list` prints
// its words, `add` and `remove` change it, `import FILE...` adds the words of
// other dictionaries (binary, or plain word lists as hunspell and aspell keep
// them) in one write, `export [FILE]` writes the words as a plain UTF-8 list.
// The dictionary is the plug-in's user.dic unless -p names another.
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "host/cmd_list.h"
#include "host/cmd_registry.h"
#include "host/cmd_run.h"
#include "host/cp1250.h"
#include "host/session_options.h"
#include "host/user_words.h"
#include "spell/engine/user_dict.h"

namespace {

struct DictOptions {
  std::string personal;
  std::vector<std::string> words;  // add, remove
  std::vector<std::string> files;  // import
  std::string out;                 // export
};

// Every word of a loaded dictionary, in Windows-1250.
std::vector<std::string> AllWords(UserDict* dict) {
  std::vector<std::string> words;
  char buffer[kUserWordMax * 2 + 2];
  for (int more = userdict_next_word(dict, buffer, sizeof buffer, 1); buffer[0];
       more = userdict_next_word(dict, buffer, sizeof buffer, 0)) {
    words.push_back(buffer);
    if (!more) break;
  }
  return words;
}

class Dictionary {
 public:
  ~Dictionary() {
    if (dict_) userdict_unload(&dict_);
  }
  bool Open(const DictOptions& options) {
    const std::string path =
        options.personal.empty() ? PluginFilePath("user.dic") : options.personal;
    if (path.empty()) return Fail("no folder for the user dictionary; name one with -p");
    std::string error;
    return OpenUserDictionary(path, &dict_, error) || Fail(error);
  }
  UserDict* get() const { return dict_; }
  std::string path() const { return userdict_path(dict_); }

 private:
  UserDict* dict_ = nullptr;
};

// Windows-1250 forms of the words, each checked; false after naming the
// first one that cannot be stored.
bool StorableWords(const std::vector<std::string>& utf8, std::vector<std::string>& out) {
  for (const std::string& word : utf8) {
    std::string text = Utf8ToWin1250(word);
    if (!userdict_storable(text.c_str())) {
      return Fail("\"" + word + "\" cannot be stored: a word is letters (and hyphens), at most " +
                  std::to_string(kUserWordMax));
    }
    out.push_back(std::move(text));
  }
  return true;
}

bool AddAll(Dictionary& dictionary, const std::vector<std::string>& words) {
  std::vector<const char*> pointers;
  for (const std::string& w : words) pointers.push_back(w.c_str());
  if (userdict_add_words(dictionary.get(), pointers.data(), pointers.size()) != kUserDictOk) {
    return Fail(dictionary.path() + ": cannot save the user dictionary: " +
                std::strerror(userdict_save_error(dictionary.get())) + "; nothing was added");
  }
  return true;
}

std::string PlainList(const std::vector<std::string>& words) {
  std::string text;
  for (const std::string& w : words) text += Win1250ToUtf8(w) + "\n";
  return text;
}

void List(const DictOptions& options) {
  Dictionary dictionary;
  if (!dictionary.Open(options)) return;
  std::cout << PlainList(AllWords(dictionary.get()));
}

void Add(const DictOptions& options) {
  Dictionary dictionary;
  std::vector<std::string> words;
  if (!StorableWords(options.words, words) || !dictionary.Open(options)) return;
  AddAll(dictionary, words);
}

void Remove(const DictOptions& options) {
  Dictionary dictionary;
  std::vector<std::string> words;
  if (!StorableWords(options.words, words) || !dictionary.Open(options)) return;
  for (size_t i = 0; i < words.size(); ++i) {
    if (!userdict_contains(dictionary.get(), words[i].c_str())) {
      std::cerr << "wirsel dict: \"" << options.words[i] << "\" is not in " << dictionary.path()
                << "\n";
      if (CurrentExitStatus() == kExitSuccess) SetExitStatus(kExitFindings);
      continue;
    }
    if (userdict_remove_word(dictionary.get(), words[i].c_str()) != kUserDictOk) {
      Fail(dictionary.path() + ": cannot save the user dictionary: " +
           std::strerror(userdict_save_error(dictionary.get())) + "; \"" + options.words[i] +
           "\" stays in it");
      return;
    }
  }
}

void Import(const DictOptions& options) {
  std::vector<std::string> words;
  for (const std::string& file : options.files) {
    UserDict* source = nullptr;
    const int result = userdict_load(file.c_str(), &source);
    if (result != kUserDictOk) {
      Fail(file + (result == kUserDictUnrecognised
                       ? ": neither a user dictionary nor a word list (one UTF-8 word a line)"
                       : ": cannot read it"));
      return;
    }
    for (std::string& w : AllWords(source)) words.push_back(std::move(w));
    userdict_unload(&source);
  }
  Dictionary dictionary;
  if (dictionary.Open(options)) AddAll(dictionary, words);
}

void Export(const DictOptions& options) {
  Dictionary dictionary;
  if (!dictionary.Open(options)) return;
  if (!options.out.empty() && !CheckOutput(dictionary.path(), options.out, false)) return;
  WriteOutput(options.out, PlainList(AllWords(dictionary.get())));
}

void SetUpDict(CLI::App& command) {
  static DictOptions options;
  command.add_option("-p,--personal", options.personal,
                     "User dictionary: binary, or a plain word list (default: the plug-in's "
                     "user.dic)");
  command.require_subcommand(1);
  command.add_subcommand("list", "Print the words, one a line")->callback([] { List(options); });
  CLI::App* add = command.add_subcommand("add", "Add words");
  add->add_option("WORD", options.words, "Words (UTF-8)")->required();
  add->callback([] { Add(options); });
  CLI::App* remove = command.add_subcommand("remove", "Remove words");
  remove->add_option("WORD", options.words, "Words (UTF-8)")->required();
  remove->callback([] { Remove(options); });
  CLI::App* import = command.add_subcommand(
      "import", "Add the words of other dictionaries (binary or plain word lists), in one write");
  import->add_option("FILE", options.files, "Dictionaries to read")->required();
  import->callback([] { Import(options); });
  CLI::App* out = command.add_subcommand("export", "Write the words as a plain UTF-8 word list");
  out->add_option("FILE", options.out, "Where (default or -: standard output)");
  out->callback([] { Export(options); });
}

const CommandRegistration kDict("dict", "List, add, remove, import or export user words",
                                SetUpDict);

}  // namespace
