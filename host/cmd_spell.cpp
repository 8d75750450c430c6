// `wirsel spell`: the spelling engine for people and editors. With words,
// prints each with "ok" or its suggestions; -l lists the misspelled words of
// standard input, one a line; -a speaks the ispell pipe protocol (a banner,
// then per line "*", "& word n offset: suggestions" or "# word offset" for
// each word and an empty line; "*word" adds to the user dictionary, "@word"
// accepts a word for the session, "#" saves). Text is UTF-8; words are split
// as the spell-check commands split them, and a word followed by a full stop
// may be an abbreviation.
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "host/commands.h"
#include "host/cp1250.h"
#include "host/io/text_format.h"
#include "host/proof_words.h"
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
    return true;
  }
  ~Speller() { spell_close(); }

  bool Correct(const StoryWord& word) const {
    return session_.count(word.text) ||
           spell_check_word_ex(word.text.c_str(), word.full_stop ? 1 : 0);
  }
  std::vector<std::string> Suggest(const std::string& text) const {
    std::vector<std::string> out;
    spell_dict_suggest(spell_default_dict(), text.c_str(), SuggestOrder::kRanked, &out);
    for (std::string& s : out) s = Win1250ToUtf8(s);
    return out;
  }
  void Accept(const std::string& text) { session_.insert(text); }
  void Add(const std::string& text) {
    if (user_) userdict_add_word(user_, text.c_str());
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
      for (const StoryWord& word : WordsOf(line)) {
        if (speller.Correct(word)) continue;
        all_correct = false;
        std::cout << Win1250ToUtf8(word.text) << '\n';
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
