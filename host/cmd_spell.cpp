// `wirsel spell` (also run as `wirsel-spell`): hunspell's command line as
// editors and scripts call it. -a speaks the ispell pipe protocol; -l, -L, -w
// and -G list words or lines; with neither, arguments are words to check and
// each gets "ok" or its suggestions. Text is UTF-8, read line by line as
// editor_prose.h reads it (TeX and HTML by the source readers), words are
// split by line_words.h and offsets count characters.
#include <sys/stat.h>

#include <cctype>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "base/prose_words.h"
#include "host/cmd_registry.h"
#include "host/cp1250.h"
#include "host/editor_prose.h"
#include "host/line_words.h"
#include "host/messages/messages.h"
#include "host/speller.h"
#include "platform/paths.h"

namespace {

// The hunspell release whose command line and pipe protocol this follows;
// ispell.el talks UTF-8 to a program that names it. Its pattern would take a
// word after the number, but then fails to compare versions, so this
// program's own name follows the parenthesis.
constexpr const char* kBanner =
    "@(#) International Ispell Version 3.2.06 (but really Hunspell 1.7.1) Wirsel13 "
    "spell " WIRSEL_VERSION;
constexpr const char* kDictionaryName = "pl_PL";

enum class Mode { kWords, kPipe, kList, kLines, kOneWordLines };

struct SpellOptions {
  Mode mode = Mode::kWords;
  bool mode_given = false;
  bool print_correct = false;  // -G
  bool list_dictionaries = false;
  int version = 0;  // 1: -v, 2: -vv
  bool help = false;
  Markup markup = Markup::kNone;
  std::string dictionary;
  std::string personal;
  std::vector<std::string> operands;
};

bool IsUtf8Name(std::string name) {
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return name == "utf-8" || name == "utf8";
}

// Reads hunspell's options. False with a message in `error`.
bool ParseArguments(const std::vector<std::string>& args, SpellOptions* options,
                    std::string* error) {
  auto set_mode = [&](Mode mode) {
    options->mode = mode;
    options->mode_given = true;
  };
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    // ispell.el passes an empty argument where ispell would get -m.
    if (arg.empty()) continue;
    if (arg == "-" || arg[0] != '-') {
      options->operands.push_back(arg);
      continue;
    }
    if (arg == "--") {
      options->operands.insert(options->operands.end(), args.begin() + long(i) + 1, args.end());
      break;
    }
    if (arg == "-h" || arg == "--help") {
      options->help = true;
    } else if (arg == "-v" || arg == "--version") {
      options->version = 1;
    } else if (arg == "-vv") {
      options->version = 2;
    } else if (arg == "-a") {
      set_mode(Mode::kPipe);
    } else if (arg == "-l") {
      set_mode(Mode::kList);
    } else if (arg == "-L") {
      set_mode(Mode::kLines);
    } else if (arg == "-w") {
      set_mode(Mode::kOneWordLines);
    } else if (arg == "-G") {
      options->print_correct = true;
    } else if (arg == "-D") {
      options->list_dictionaries = true;
    } else if (arg == "-t") {
      options->markup = Markup::kTex;
    } else if (arg == "-H" || arg == "-X") {
      options->markup = Markup::kHtml;
    } else if (arg == "-n") {
      options->markup = Markup::kNroff;
    } else if (arg == "-m" || arg == "-B" || arg == "-C" || arg == "-S" || arg == "-P") {
      // ispell's root/affix and run-together switches: this engine has no
      // such modes, and clients send them by habit.
    } else if (arg == "--check-url" || arg == "--check-apostrophe") {
      // hunspell's switches for URLs and typographic apostrophes: words are
      // read the same way either way.
    } else if (arg[1] == 'd' || arg[1] == 'p' || arg[1] == 'i') {
      std::string value;
      if (arg.size() > 2) {
        value = arg.substr(2);
      } else if (i + 1 < args.size()) {
        value = args[++i];
      } else {
        *error = Msg("option {1} needs a value", arg);
        return false;
      }
      if (arg[1] == 'd') options->dictionary = value;
      if (arg[1] == 'p') options->personal = value;
      if (arg[1] == 'i' && !IsUtf8Name(value)) {
        *error =
            Msg("input encoding {1} is not supported: text must be UTF-8 (-i UTF-8); convert "
                "it first, for example with iconv -f {1} -t UTF-8",
                value);
        return false;
      }
    } else {
      *error = Msg("unknown option {1} (see wirsel spell --help)", arg);
      return false;
    }
  }
  if (options->print_correct && !options->mode_given) set_mode(Mode::kList);
  if (!options->mode_given && options->operands.empty() && !options->list_dictionaries)
    options->mode = Mode::kPipe;
  return true;
}

bool IsFile(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string DirectoryOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// The son.dic file a -d argument names. False with a message.
bool ResolveDictionary(const std::string& name, std::string* path, std::string* error) {
  const std::string bundled = XTensionsFolder() + "/son.dic";
  std::string lower = name;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (lower.empty() || lower == "pl_pl" || lower == "pl-pl" || lower == "pl" || lower == "polish" ||
      lower == "polski" || lower == "pl_pl.utf-8" || lower == "pl_pl.utf8") {
    *path = bundled;
    return true;
  }
  if (name.find(',') != std::string::npos) {
    *error = Msg("dictionary {1}: only one dictionary can be used (pl_PL)", name);
    return false;
  }
  if (name.find('/') != std::string::npos) {
    // A son.dic file, a folder holding one, or the name -D lists (an .aff
    // file's path without the extension).
    const std::string beside_aff = DirectoryOf(name) + "/son.dic";
    if (IsFile(name)) {
      *path = name;
      return true;
    }
    if (IsFile(name + "/son.dic")) {
      *path = name + "/son.dic";
      return true;
    }
    if (IsFile(name + ".aff") && IsFile(beside_aff)) {
      *path = beside_aff;
      return true;
    }
  }
  *error =
      Msg("no dictionary {1}: this program checks Polish; use -d pl_PL (or pl, polish, "
          "polski) or the path of a son.dic file",
          name);
  return false;
}

void ListDictionaries(const std::string& loaded) {
  const std::string folder = XTensionsFolder();
  std::cerr << "SEARCH PATH:\n.:" << folder << "\n"
            << "AVAILABLE DICTIONARIES (path is not mandatory for -d option):\n"
            << folder << "/" << kDictionaryName << "\n"
            << "LOADED DICTIONARY:\n"
            << folder << "/" << kDictionaryName << ".aff\n"
            << loaded << "\n";
}

// The plug-in's own user dictionary, found by the rule every command shares.
std::string DefaultUserDictionary() { return UserDictionaryFile(); }

std::string Join(const std::vector<std::string>& items) {
  std::string out;
  for (const std::string& s : items) out += (out.empty() ? "" : ", ") + s;
  return out;
}

// Lines from each FILE operand in turn (standard input for "-" or none).
class LineSource {
 public:
  explicit LineSource(const std::vector<std::string>& files) : files_(files) {
    if (files_.empty()) files_.push_back("-");
  }
  bool Next(std::string* line) {
    for (;;) {
      if (current_ && std::getline(*current_, *line)) {
        ++line_number_;
        if (!line->empty() && line->back() == '\r') line->pop_back();
        return true;
      }
      if (next_ >= files_.size()) return false;
      name_ = files_[next_++];
      line_number_ = 0;
      if (name_ == "-") {
        current_ = &std::cin;
        name_ = Msg("standard input");
        continue;
      }
      file_ = std::ifstream(name_, std::ios::binary);
      if (!file_) {
        std::cerr << "wirsel spell: " << Msg("cannot read {1}", name_) << "\n";
        failed_ = true;
        current_ = nullptr;
        continue;
      }
      current_ = &file_;
    }
  }
  const std::string& name() const { return name_; }
  size_t line_number() const { return line_number_; }
  bool failed() const { return failed_; }

 private:
  std::vector<std::string> files_;
  size_t next_ = 0;
  std::istream* current_ = nullptr;
  std::ifstream file_;
  std::string name_;
  size_t line_number_ = 0;
  bool failed_ = false;
};

// Reads input lines as their markup says and splits them into words; says
// once when input is not UTF-8.
class LineReader {
 public:
  explicit LineReader(Markup markup) : markup_(markup) {}
  std::vector<LineWord> Words(std::string_view utf8, const LineSource& source) {
    const std::string text = SanitizeUtf8(utf8);
    const DecodedLine line = !warned_ && text != utf8 ? DecodeLine(utf8) : DecodedLine{};
    if (line.bad_bytes > 0) {
      warned_ = true;
      std::cerr << "wirsel spell: "
                << Msg("{1}, line {2}: not valid UTF-8 (first bad byte at byte {3}); the words "
                       "around the bad bytes are still checked. Send UTF-8 text.",
                       source.name(), std::to_string(source.line_number()),
                       std::to_string(line.first_bad_byte + 1))
                << "\n";
    }
    std::vector<LineWord> words;
    size_t at = 0;     // a byte of `text`
    size_t chars = 0;  // characters before it
    for (const wirsel::source::ProseRun& run : ReadPiece(markup_, text, carry_)) {
      for (RunWord& word : WordsOfRun(run, text)) {
        if (word.start < at) at = chars = 0;
        for (; at < word.start; ++at)
          chars += (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80;
        word.word.offset = chars;
        words.push_back(std::move(word.word));
      }
    }
    return words;
  }
  void set_markup(Markup markup) {
    markup_ = markup;
    carry_.clear();
  }
  Markup markup() const { return markup_; }

 private:
  Markup markup_;
  std::string carry_;  // what the lines before left open
  bool warned_ = false;
};

// Adds a word for "*" and "&"; a failed save is said on standard error and
// makes the exit status 2, and the word is still accepted for the session.
void AddWord(Speller& speller, const std::string& word, bool* save_failed) {
  std::string error;
  if (!speller.AddToUserDictionary(word, &error)) {
    std::cerr << "wirsel spell: " << error << "\n";
    *save_failed = true;
  }
  speller.Accept(word);
}

// One input line of the pipe: a command, or text to check.
void PipeLine(Speller& speller, LineReader& reader, const LineSource& source,
              const std::string& line, bool* terse, bool* save_failed, Markup text_markup) {
  const char command = line.empty() ? 0 : line[0];
  const std::string rest = line.empty() ? "" : line.substr(1);
  switch (command) {
    case '*':
      AddWord(speller, rest, save_failed);
      return;
    case '&':
      AddWord(speller, ProseSmallLetters(rest), save_failed);
      return;
    case '@':
      speller.Accept(rest);
      return;
    case '#':
      return;  // every addition is saved at once
    case '!':
      *terse = true;
      return;
    case '%':
      *terse = false;
      return;
    case '+':
      reader.set_markup(Markup::kTex);
      return;
    case '-':
      reader.set_markup(text_markup == Markup::kTex ? Markup::kNone : text_markup);
      return;
    case '~':
      if (rest == "tex" || rest == "latex") reader.set_markup(Markup::kTex);
      if (rest == "html" || rest == "sgml" || rest == "xml") reader.set_markup(Markup::kHtml);
      if (rest == "nroff" || rest == "troff") reader.set_markup(Markup::kNroff);
      return;
    default:
      break;
  }
  const size_t skip = command == '^' ? 1 : 0;
  for (const LineWord& word : reader.Words(std::string_view(line).substr(skip), source)) {
    if (speller.Correct(word)) {
      if (!*terse) std::cout << "*\n";
      continue;
    }
    const size_t offset = word.offset + skip;
    const std::vector<std::string> suggestions = speller.Suggest(word.text);
    if (suggestions.empty()) {
      std::cout << "# " << word.shown << ' ' << offset << '\n';
    } else {
      std::cout << "& " << word.shown << ' ' << suggestions.size() << ' ' << offset << ": "
                << Join(suggestions) << '\n';
    }
  }
  std::cout << '\n';
}

int RunPipe(Speller& speller, const SpellOptions& options) {
  std::cout << kBanner << "\n" << std::flush;
  LineSource source(options.operands);
  LineReader reader(options.markup);
  bool terse = false;
  bool save_failed = false;
  for (std::string line; source.Next(&line);) {
    PipeLine(speller, reader, source, line, &terse, &save_failed, options.markup);
    std::cout << std::flush;
  }
  return source.failed() || save_failed ? 2 : 0;
}

// -l, -L, -w and -G. Exit status 0 whatever is found, as hunspell's, which
// flyspell requires.
int RunListing(Speller& speller, const SpellOptions& options) {
  LineSource source(options.operands);
  LineReader reader(options.markup);
  for (std::string line; source.Next(&line);) {
    const std::vector<LineWord> words = reader.Words(line, source);
    if (options.mode == Mode::kList) {
      for (const LineWord& word : words) {
        if (speller.Correct(word) == options.print_correct) std::cout << word.shown << '\n';
      }
      continue;
    }
    bool misspelled = options.mode == Mode::kOneWordLines && words.size() != 1;
    for (const LineWord& word : words) misspelled = misspelled || !speller.Correct(word);
    if (misspelled != options.print_correct) std::cout << line << '\n';
  }
  return source.failed() ? 2 : 0;
}

int RunWords(Speller& speller, const SpellOptions& options) {
  bool all_correct = true;
  for (const std::string& arg : options.operands) {
    const std::vector<LineWord> words = WordsOfLine(DecodeLine(arg).chars);
    // One word filling the argument (a full stop may follow it).
    const bool whole = words.size() == 1 && words[0].offset == 0 &&
                       words[0].shown.size() + (words[0].full_stop ? 1 : 0) == arg.size();
    const bool correct = whole && speller.Correct(words[0]);
    if (correct) {
      std::cout << arg << ": ok\n";
      continue;
    }
    all_correct = false;
    const std::vector<std::string> suggestions =
        speller.Suggest(words.empty() ? Utf8ToWin1250(arg) : words[0].text);
    std::cout << arg << ": " << (suggestions.empty() ? Msg("no suggestions") : Join(suggestions))
              << '\n';
  }
  return all_correct ? 0 : 1;
}

int Spell(const std::vector<std::string>& args) {
  SpellOptions options;
  std::string error;
  if (!ParseArguments(args, &options, &error)) {
    std::cerr << "wirsel spell: " << error << "\n";
    return 2;
  }
  if (options.help) {
    std::cout << Msg(wirsel::messages::kSpellUsage);
    return 0;
  }
  if (options.version) {
    std::cout << kBanner << "\n";
    if (options.version == 1)
      std::cout << "\nWirsel13 spell " WIRSEL_VERSION
                   ": Polish spelling from hunspell-pl's "
                   "words, with the ispell pipe protocol of hunspell.\n";
    return 0;
  }
  std::string dictionary;
  if (!ResolveDictionary(options.dictionary, &dictionary, &error)) {
    std::cerr << "wirsel spell: " << error << "\n";
    return 2;
  }
  if (options.list_dictionaries) {
    ListDictionaries(dictionary);
    if (!options.mode_given && options.operands.empty()) return 0;
  }
  Speller speller;
  std::string warning;
  const std::string personal =
      options.personal.empty() ? DefaultUserDictionary() : options.personal;
  if (!speller.Open(dictionary, personal, &error, &warning)) {
    std::cerr << "wirsel spell: " << error << "\n";
    return 2;
  }
  if (!warning.empty()) std::cerr << "wirsel spell: " << warning << "\n";
  switch (options.mode) {
    case Mode::kPipe:
      return RunPipe(speller, options);
    case Mode::kList:
    case Mode::kLines:
    case Mode::kOneWordLines:
      return RunListing(speller, options);
    case Mode::kWords:
      break;
  }
  return RunWords(speller, options);
}

void SetUpSpell(CLI::App& command) {
  // hunspell's options (-vv, -d DICT, an empty argument ...) are read here,
  // not by the command-line parser.
  command.prefix_command();
  command.set_help_flag();
  command.allow_extras();
  command.callback([&command] { SetExitStatus(Spell(command.remaining())); });
}

const CommandRegistration kSpell("spell",
                                 "Check Polish words as hunspell does (ispell pipe for editors)",
                                 SetUpSpell);

}  // namespace
