// `wirsel spell`: the spelling engine for people and editors. With words,
// prints each with "ok" or its suggestions; -l lists the misspelled words of
// standard input, one a line; -a speaks the ispell pipe protocol (a banner,
// then per line "*", "& word n offset: suggestions" or "# word offset" for
// each word and an empty line; "*word" adds to the user dictionary, "@word"
// accepts a word for the session, "#" saves). Text is UTF-8, read as the
// host's word walker reads prose (URLs, addresses, paths and file names are
// not words; a word with letters outside the Polish alphabet is checked
// whole against the user's word list), and a word followed by a full stop
// may be an abbreviation.
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "host/commands.h"
#include "host/cp1250.h"
#include "host/word_check.h"
#include "platform/paths.h"
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

class Speller {
 public:
  bool Open(const SpellOptions& options) {
    const std::string dictionary =
        options.dictionary.empty() ? XTensionsFolder() + "/son.dic" : options.dictionary;
    const int result = spell_open(dictionary.c_str());
    if (result != 0) {
      std::cerr << "wirsel spell: cannot open " << dictionary << " (error " << result << ", "
                << spell_open_detail() << ")\n";
      return false;
    }
    std::string personal = options.personal;
    if (personal.empty()) {
      char folder[1024];
      if (platform::UserDataFolder(folder, sizeof folder))
        personal = std::string(folder) + "/user.dic";
    }
    if (!personal.empty() && userdict_load(personal.c_str(), &user_) != 0 &&
        (userdict_create(personal.c_str()) != 0 || userdict_load(personal.c_str(), &user_) != 0)) {
      std::cerr << "wirsel spell: cannot load the user dictionary " << personal << "\n";
    }
    if (!personal.empty() && !list_.Load(UserWordList::PathBeside(personal))) {
      std::cerr << "wirsel spell: cannot read the word list " << list_.path() << "\n";
    }
    return true;
  }
  ~Speller() { spell_close(); }

  bool Correct(const ProseWord& word) const {
    return session_.count(word.text) || ProseWordCorrect(word, list_);
  }
  // Suggestions come from the Polish dictionary, so only for Polish words.
  std::vector<std::string> Suggest(const ProseWord& word) const {
    std::vector<std::string> out;
    if (!word.polish) return out;
    SpellSuggestion* list = spell_suggest(word.win1250.c_str());
    for (SpellSuggestion* s = list; s; s = s->next) out.push_back(Win1250ToUtf8(s->word));
    spell_free_suggestions(list);
    return out;
  }
  // `utf8`: a word as typed after "@" or "*".
  void Accept(const std::string& utf8) { session_.insert(ProseNormalForm(utf8)); }
  void Add(const std::string& utf8) {
    if (NeedsWordList(utf8)) {
      if (!list_.Add(utf8)) Accept(utf8);
    } else if (user_) {
      userdict_add_word(user_, Utf8ToWin1250(utf8).c_str());
    }
  }

 private:
  UserDict* user_ = nullptr;
  UserWordList list_;
  std::set<std::string> session_;
};

// A word given on the command line, checked whole: as the walker reads it
// when it is one word, else as typed (so "3D" is not cut to "D").
ProseWord WholeWord(const std::string& arg) {
  const bool full_stop = arg.size() > 1 && arg.back() == '.';
  const std::string bare = full_stop ? arg.substr(0, arg.size() - 1) : arg;
  const std::vector<ProseWord> words = ProseWordsOf(bare);
  if (words.size() == 1 && words[0].start == 0 && ProseNormalForm(bare) == words[0].text) {
    ProseWord word = words[0];
    word.full_stop = full_stop;
    return word;
  }
  ProseWord word;
  word.text = ProseNormalForm(bare);
  word.win1250 = Utf8ToWin1250(bare);
  word.polish = !NeedsWordList(bare);
  word.full_stop = full_stop;
  return word;
}

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
  const char command = utf8.empty() ? 0 : utf8[0];
  const std::string rest = utf8.empty() ? "" : utf8.substr(1);
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
  for (const ProseWord& word : ProseWordsOf(std::string_view(utf8).substr(skip))) {
    if (speller.Correct(word)) {
      std::cout << "*\n";
      continue;
    }
    const std::string& shown = word.text;
    const size_t offset = word.start + skip;
    const std::vector<std::string> suggestions = speller.Suggest(word);
    if (suggestions.empty()) {
      std::cout << "# " << shown << ' ' << offset << '\n';
    } else {
      std::cout << "& " << shown << ' ' << suggestions.size() << ' ' << offset << ": "
                << Join(suggestions) << '\n';
    }
  }
  std::cout << '\n';
}

void Spell(const SpellOptions& options) {
  Speller speller;
  if (!speller.Open(options)) {
    SetExitStatus(2);
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
    while (ReadLine(&line)) {
      for (const ProseWord& word : ProseWordsOf(line)) {
        if (speller.Correct(word)) continue;
        all_correct = false;
        std::cout << word.text << '\n';
      }
    }
  } else {
    for (const std::string& arg : options.words) {
      const ProseWord word = WholeWord(arg);
      if (speller.Correct(word)) {
        std::cout << arg << ": ok\n";
        continue;
      }
      all_correct = false;
      const std::vector<std::string> suggestions = speller.Suggest(word);
      std::cout << arg << ": " << (suggestions.empty() ? "no suggestions" : Join(suggestions))
                << '\n';
    }
  }
  SetExitStatus(all_correct ? 0 : 1);
}

void SetUpSpell(CLI::App& command) {
  static SpellOptions options;
  command.add_option("WORD", options.words, "Words to check");
  command.add_flag("-l,--list", options.list, "List the misspelled words of standard input");
  command.add_flag("-a,--pipe", options.pipe,
                   "Speak the ispell pipe protocol on standard input and output");
  command.add_option("-d,--dictionary", options.dictionary,
                     "Main dictionary (default: XTensions/son.dic)");
  command.add_option("-p,--personal", options.personal,
                     "User dictionary (default: user.dic in the per-user data folder)");
  command.callback([] { Spell(options); });
}

const CommandRegistration kSpell("spell", "Check Polish words, or serve editors as an ispell pipe",
                                 SetUpSpell);

}  // namespace
