// `wirsel dict`: the user dictionary from the command line. `list` prints
// its words, `add` and `remove` change it, `import FILE...` adds the words of
// other dictionaries (binary, or plain word lists as hunspell and aspell keep
// them) in one write, `export [FILE]` writes the words as a plain UTF-8 list.
// The dictionary is the plug-in's user.dic unless -p names another; words
// with letters outside the Polish alphabet go to its word list (user.txt
// beside it, or a plain dictionary itself).
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "host/cmd_list.h"
#include "host/cmd_registry.h"
#include "host/cmd_run.h"
#include "host/cp1250.h"
#include "host/messages/messages.h"
#include "host/session_options.h"
#include "host/user_words.h"
#include "host/word_check.h"
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
    const std::string path = options.personal.empty() ? UserDictionaryFile() : options.personal;
    if (path.empty()) return Fail(Msg("no folder for the user dictionary; name one with -p"));
    std::string error;
    if (!OpenUserDictionary(path, &dict_, error)) return Fail(error);
    const std::string list = WordListOf(path, dict_);
    return list_.Load(list) || Fail(Msg("{1}: cannot read the word list", list));
  }
  UserDict* get() const { return dict_; }
  UserWordList& list() { return list_; }
  std::string path() const { return userdict_path(dict_); }

 private:
  UserDict* dict_ = nullptr;
  UserWordList list_;
};

// The words split by where they are kept: Windows-1250 forms for the user
// dictionary, UTF-8 words with letters outside the Polish alphabet for its
// word list. False after naming the first one that cannot be stored.
struct SortedWords {
  std::vector<std::string> polish;
  std::vector<std::string> listed;
};
bool StorableWords(const std::vector<std::string>& utf8, SortedWords& out) {
  for (const std::string& word : utf8) {
    if (NeedsWordList(word) && UserWordList::Storable(word)) {
      out.listed.push_back(word);
      continue;
    }
    std::string text = Utf8ToWin1250(word);
    if (!userdict_storable(text.c_str())) {
      return Fail(Msg("\"{1}\" cannot be stored: a word is letters (and hyphens), at most {2}",
                      word, std::to_string(kUserWordMax)));
    }
    out.polish.push_back(std::move(text));
  }
  return true;
}

bool AddAll(Dictionary& dictionary, const SortedWords& words) {
  std::vector<const char*> pointers;
  for (const std::string& w : words.polish) pointers.push_back(w.c_str());
  if (userdict_add_words(dictionary.get(), pointers.data(), pointers.size()) != kUserDictOk) {
    return Fail(Msg("{1}: cannot save the user dictionary: {2}; nothing was added",
                    dictionary.path(), std::strerror(userdict_save_error(dictionary.get()))));
  }
  if (const int error = dictionary.list().AddAll(words.listed)) {
    return Fail(
        Msg("{1}: cannot save the word list: {2}", dictionary.list().path(), std::strerror(error)));
  }
  return true;
}

// Every word, one a line (UTF-8): the user dictionary's, then those of its
// word list that it cannot hold.
std::string PlainList(Dictionary& dictionary) {
  std::string text;
  for (const std::string& w : AllWords(dictionary.get())) text += Win1250ToUtf8(w) + "\n";
  for (const std::string& w : dictionary.list().words()) {
    if (NeedsWordList(w)) text += w + "\n";
  }
  return text;
}

void List(const DictOptions& options) {
  Dictionary dictionary;
  if (!dictionary.Open(options)) return;
  std::cout << PlainList(dictionary);
}

void Add(const DictOptions& options) {
  Dictionary dictionary;
  SortedWords words;
  if (!StorableWords(options.words, words) || !dictionary.Open(options)) return;
  AddAll(dictionary, words);
}

void NotThere(const std::string& word, const std::string& path) {
  std::cerr << "wirsel dict: " << Msg("\"{1}\" is not in {2}", word, path) << "\n";
  if (CurrentExitStatus() == kExitSuccess) SetExitStatus(kExitFindings);
}

void Remove(const DictOptions& options) {
  Dictionary dictionary;
  SortedWords words;
  if (!StorableWords(options.words, words) || !dictionary.Open(options)) return;
  for (const std::string& word : words.polish) {
    if (!userdict_contains(dictionary.get(), word.c_str())) {
      NotThere(Win1250ToUtf8(word), dictionary.path());
      continue;
    }
    if (userdict_remove_word(dictionary.get(), word.c_str()) != kUserDictOk) {
      Fail(Msg("{1}: cannot save the user dictionary: {2}; \"{3}\" stays in it", dictionary.path(),
               std::strerror(userdict_save_error(dictionary.get())), Win1250ToUtf8(word)));
      return;
    }
  }
  for (const std::string& word : words.listed) {
    bool found = false;
    if (const int error = dictionary.list().Remove(word, &found)) {
      Fail(Msg("{1}: cannot save the word list: {2}; \"{3}\" stays in it", dictionary.list().path(),
               std::strerror(error), word));
      return;
    }
    if (!found) NotThere(word, dictionary.list().path());
  }
}

void Import(const DictOptions& options) {
  SortedWords words;
  for (const std::string& file : options.files) {
    UserDict* source = nullptr;
    const int result = userdict_load(file.c_str(), &source);
    if (result != kUserDictOk) {
      Fail(result == kUserDictUnrecognised
               ? Msg("{1}: neither a user dictionary nor a word list (one UTF-8 word a line)", file)
               : Msg("{1}: cannot read it", file));
      return;
    }
    for (std::string& w : AllWords(source)) words.polish.push_back(std::move(w));
    UserWordList listed;
    if (!listed.Load(WordListOf(file, source))) listed = UserWordList();
    userdict_unload(&source);
    for (const std::string& w : listed.words()) {
      if (NeedsWordList(w)) words.listed.push_back(w);
    }
  }
  Dictionary dictionary;
  if (dictionary.Open(options)) AddAll(dictionary, words);
}

void Export(const DictOptions& options) {
  Dictionary dictionary;
  if (!dictionary.Open(options)) return;
  if (!options.out.empty() && !CheckOutput(dictionary.path(), options.out, false)) return;
  WriteOutput(options.out, PlainList(dictionary));
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
