// `wirsel spell`: the spelling engine for people and editors. With words,
// prints each with "ok" or its suggestions; -l lists the misspelled words of
// the FILEs (standard input without any, or for "-"), one a line; -a speaks the ispell pipe protocol (a banner,
// then per line "*", "& word n offset: suggestions" or "# word offset" for
// each word and an empty line; "*word" adds to the user dictionary, "@word"
// accepts a word for the session, "#" saves). Text is UTF-8; words are split
// as the spell-check commands split them, and a word followed by a full stop
// may be an abbreviation.
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "host/command_list.h"
#include "host/commands.h"
#include "host/user_words.h"
#include "host/cp1250.h"
#include "host/io/text_format.h"
#include "host/proof_words.h"
#include "spell/engine/spell.h"
#include "spell/engine/userdict.h"

namespace {

struct SpellOptions {
  std::vector<std::string> words;
  bool list = false;
  bool pipe = false;
  std::string dictionary;
  std::string personal;
};

// The words of one line of UTF-8 text, split as the spell-check commands
// split story text; a line that is not UTF-8 has none.
std::vector<StoryWord> WordsOf(std::string_view utf8) {
  std::vector<StoryWord> words;
  std::u16string text;
  try {
    text = wirsel::io::DecodeUtf8(utf8, "standard input");
  } catch (...) {
    return words;
  }
  WordWalker walker(text, 1);
  for (StoryWord word; walker.Next(word);) words.push_back(word);
  return words;
}

class Speller {
 public:
  bool Open(const SpellOptions& options) {
    const std::string dictionary =
        options.dictionary.empty() ? XTensionsFolder() + "/son.dic" : options.dictionary;
    const int result = spell_open(dictionary.c_str());
    if (result != 0) {
      std::cerr << "wirsel spell: " << SpellDictionaryError(dictionary, result) << "\n";
      return false;
    }
    const std::string personal =
        options.personal.empty() ? PluginFilePath("user.dic") : options.personal;
    std::string error;
    if (!personal.empty() && !OpenUserDictionary(personal, &user_, error)) {
      std::cerr << "wirsel spell: " << error << "\n";
      return false;
    }
    return true;
  }
  ~Speller() { spell_close(); }

  bool Correct(const StoryWord& word) const {
    return session_.count(word.text) ||
           spell_check_word_ex(word.text.c_str(), word.full_stop ? 1 : 0);
  }
  std::vector<std::string> Suggest(const std::string& text) const {
    std::vector<std::string> out;
    SpellSuggestion* list = spell_suggest(text.c_str());
    for (SpellSuggestion* s = list; s; s = s->next) out.push_back(Win1250ToUtf8(s->word));
    spell_free_suggestions(list);
    return out;
  }
  void Accept(const std::string& text) { session_.insert(text); }
  void Add(const std::string& text) {
    if (user_ && userdict_add_word(user_, text.c_str()) != kUserDictOk) {
      std::cerr << "wirsel spell: " << userdict_path(user_)
                << ": cannot save the word: " << std::strerror(userdict_save_error(user_))
                << "; it is accepted for this session only\n";
      Accept(text);
      SetExitStatus(kExitError);
    }
  }

 private:
  UserDict* user_ = nullptr;
  std::set<std::string> session_;
};

std::string Join(const std::vector<std::string>& items) {
  std::string out;
  for (const std::string& s : items) out += (out.empty() ? "" : ", ") + s;
  return out;
}

bool ReadLine(std::string* line) {
  if (!std::getline(std::cin, *line)) return false;
  if (!line->empty() && line->back() == '\r') line->pop_back();
  return true;
}

void PipeLine(Speller& speller, const std::string& utf8) {
  const std::string line = Utf8ToWin1250(utf8);
  const char command = line.empty() ? 0 : line[0];
  const std::string rest = line.empty() ? "" : line.substr(1);
  switch (command) {
    case '*':
      speller.Add(rest);
      return;
    case '@':
      speller.Accept(rest);
      return;
    case '#':
      return;  // every addition is saved at once
    case '!':
    case '%':
    case '+':
    case '-':
    case '~':
    case '`':
      return;
    default:
      break;
  }
  const size_t skip = command == '^' ? 1 : 0;
  for (const StoryWord& word : WordsOf(std::string_view(utf8).substr(skip))) {
    if (speller.Correct(word)) {
      std::cout << "*\n";
      continue;
    }
    const std::string shown = Win1250ToUtf8(word.text);
    const int64_t offset = word.column - 1 + int64_t(skip);
    const std::vector<std::string> suggestions = speller.Suggest(word.text);
    if (suggestions.empty()) {
      std::cout << "# " << shown << ' ' << offset << '\n';
    } else {
      std::cout << "& " << shown << ' ' << suggestions.size() << ' ' << offset << ": "
                << Join(suggestions) << '\n';
    }
  }
  std::cout << '\n';
}

// Lists the misspelled words of one input; false when it cannot be read.
bool ListMisspelled(Speller& speller, std::istream& in, bool& all_correct) {
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    for (const StoryWord& word : WordsOf(line)) {
      if (speller.Correct(word)) continue;
      all_correct = false;
      std::cout << Win1250ToUtf8(word.text) << '\n';
    }
  }
  return !in.bad();
}

void Spell(const SpellOptions& options) {
  Speller speller;
  if (!speller.Open(options)) {
    SetExitStatus(kExitError);
    return;
  }
  std::string line;
  if (options.pipe) {
    std::cout
        << "@(#) International Ispell Version 3.1.20 (but really Wirsel13 spell " WIRSEL_VERSION
           ")\n"
        << std::flush;
    while (ReadLine(&line)) {
      PipeLine(speller, line);
      std::cout << std::flush;
    }
    return;
  }
  bool all_correct = true;
  if (options.list) {
    std::vector<std::string> files = options.words;
    if (files.empty()) files.push_back("-");
    for (const std::string& file : files) {
      std::ifstream in;
      if (file != "-") in.open(file, std::ios::binary);
      if ((file != "-" && !in) || !ListMisspelled(speller, file == "-" ? std::cin : in, all_correct)) {
        std::cerr << "wirsel spell: " << file << ": cannot read: " << std::strerror(errno) << "\n";
        SetExitStatus(kExitError);
        return;
      }
    }
  } else {
    for (const std::string& arg : options.words) {
      const bool full_stop = arg.size() > 1 && arg.back() == '.';
      const std::string text = Utf8ToWin1250(full_stop ? arg.substr(0, arg.size() - 1) : arg);
      StoryWord word;
      word.text = text;
      word.full_stop = full_stop;
      if (speller.Correct(word)) {
        std::cout << arg << ": ok\n";
        continue;
      }
      all_correct = false;
      const std::vector<std::string> suggestions = speller.Suggest(text);
      std::cout << arg << ": " << (suggestions.empty() ? "no suggestions" : Join(suggestions))
                << '\n';
    }
  }
  if (CurrentExitStatus() != kExitError) SetExitStatus(all_correct ? kExitSuccess : kExitFindings);
}

void SetUpSpell(CLI::App& command) {
  static SpellOptions options;
  command.add_option("WORD", options.words, "Words to check (with -l: files, - for stdin)");
  command.add_flag("-l,--list", options.list,
                   "List the misspelled words of the files (default: standard input)");
  command.add_flag("-a,--pipe", options.pipe,
                   "Speak the ispell pipe protocol on standard input and output");
  command.add_option("-d,--dictionary", options.dictionary,
                     "Main dictionary (default: XTensions/son.dic)");
  command.add_option("-p,--personal", options.personal,
                     "User dictionary: the binary user.dic or a plain word list, one word a "
                     "line (default: the plug-in's user.dic)");
  command.callback([] { Spell(options); });
}

const CommandRegistration kSpell("spell", "Check Polish words, or serve editors as an ispell pipe",
                                 SetUpSpell);

}  // namespace
