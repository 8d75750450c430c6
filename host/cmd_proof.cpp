// `wirsel proof`: readies a Polish text for layout in one pass. Through the
// plug-in's own menu commands it runs "Typography In Box", then "Hyphenate
// Box" on every story of the document (old discretionary hyphens removed
// first when both run); then it walks every story with the spelling engine,
// reports each unknown word on standard error as
// FILE:LINE:COLUMN: word -> suggestion, ... and writes the document.
// Quotation marks the typography pass could not place are reported before
// them as FILE:LINE:COLUMN: warning: ...
// Exit status: 0 nothing reported, 1 something reported, 2 an error.
#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "host/command_run.h"
#include "host/commands.h"
#include "host/cp1250.h"
#include "host/document_files.h"
#include "host/findings.h"
#include "host/io/files.h"
#include "host/io/io_error.h"
#include "host/progress.h"
#include "host/proof_words.h"
#include "host/session.h"
#include "host/session_options.h"
#include "host/user_words.h"
#include "platform/files.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "spell/engine/spell.h"
#include "spell/engine/userdict.h"

namespace {

namespace model = wirsel::model;

constexpr int kNothingReported = kExitSuccess;
constexpr int kWordsReported = kExitFindings;
constexpr int kError = kExitError;

struct ProofOptions {
  std::string file;
  std::string out;
  std::string format;
  std::string lang;
  std::string dialogs;
  bool no_typo = false;
  bool no_hyph = false;
  bool no_spell = false;
};

// After a failure that was already reported.
bool Failed() {
  SetExitStatus(kError);
  return false;
}

bool Error(const std::string& message) {
  Fail(message);
  return Failed();
}

// The spelling options of the menu commands (section "1Slownik").
struct SpellSettings {
  bool skip_capitals = true;
  bool skip_digits = true;
  bool suggest = true;
};

// A flag as the plug-in reads it: the leading number of the value, 0 when
// there is none, `def` when the key is missing.
bool ReadFlag(const std::string& file, const char* key, bool def) {
  char value[64];
  platform::IniRead(file.c_str(), "1Slownik", key, def ? "1" : "0", value, sizeof value);
  return std::strtol(value, nullptr, 10) != 0;
}

SpellSettings ReadSpellSettings() {
  const std::string file = PluginFilePath("Wirsel13.ini");
  SpellSettings settings;
  if (file.empty()) return settings;
  settings.skip_capitals = ReadFlag(file, "3PominWERSALIKI", true);
  settings.skip_digits = ReadFlag(file, "4PominCYFRY", true);
  settings.suggest = ReadFlag(file, "5ZawszeSugeruj", true);
  return settings;
}

// A story to proof and the box that shows its start.
struct ProofStory {
  model::StoryId id;
  model::BoxId first_box;
  bool anchored;  // reached through an anchor: the menu commands of its
                  // story's box walk it
};

bool FirstOfChain(const model::Document& document, model::BoxId id) {
  const model::Box* box = document.box(id);
  return box && document.IsTextBox(id) && document.BoxValid(id) &&
         box->previous_linked == model::kNoBox;
}

// Every story once: those of the spreads' text boxes (group members
// included) in spread order, then the stories of anchored text boxes, each
// later than the story it is anchored in.
std::vector<ProofStory> StoriesInOrder(const model::Document& document) {
  std::vector<ProofStory> stories;
  std::set<model::StoryId> seen;
  auto add = [&](model::BoxId box, bool anchored) {
    const model::StoryId story = document.StoryOfBox(box);
    if (story != model::kNoStory && seen.insert(story).second) {
      stories.push_back({story, box, anchored});
    }
  };
  for (int32_t spread = 1; spread <= document.spread_count(); ++spread) {
    for (model::BoxId box = document.FirstBoxOfSpread(spread, model::Walk::kWithMembers);
         box != model::kNoBox; box = document.NextBox(box, model::Walk::kWithMembers)) {
      if (FirstOfChain(document, box)) add(box, false);
    }
  }
  for (size_t i = 0; i < stories.size(); ++i) {
    const model::Story* story = document.story(stories[i].id);
    const std::u16string text = story->Text();
    for (size_t pos = text.find(u'\uFFFC'); pos != std::u16string::npos;
         pos = text.find(u'\uFFFC', pos + 1)) {
      const model::BoxId box = story->AnchoredBoxAt(static_cast<int32_t>(pos));
      if (box != model::kNoBox && FirstOfChain(document, box)) add(box, true);
    }
  }
  return stories;
}

// Characters of the stories; only those not anchored with `top_only`.
int64_t TotalLength(const model::Document& document, const std::vector<ProofStory>& stories,
                    bool top_only) {
  int64_t total = 0;
  for (const ProofStory& s : stories) {
    if (!top_only || !s.anchored) total += document.story(s.id)->length();
  }
  return total;
}

// The progress line over the passes of one proof: each pass has an equal
// share, and within a pass each story the share of its characters as the
// pass begins (the passes change the text's length).
class ProofProgress {
 public:
  explicit ProofProgress(int passes) : total_(passes * kPass) {}

  void BeginPass(int64_t characters) {
    base_ = passes_begun_++ * kPass;
    characters_ = std::max<int64_t>(characters, 1);
  }
  // A menu command over `length` characters after `done` of the pass's.
  void SetSpan(int64_t done, int64_t length) const {
    HostProgress().SetSpan(At(done), At(done + length) - At(done), total_);
  }
  void Report(int64_t done) const { HostProgress().Report(At(done), total_); }
  void Finish() const {
    HostProgress().Report(total_, total_);
    HostProgress().Clear();
  }

 private:
  static constexpr int64_t kPass = 1'000'000;
  int64_t At(int64_t done) const {
    return base_ + kPass * std::clamp<int64_t>(done, 0, characters_) / characters_;
  }

  int64_t total_;
  int64_t passes_begun_ = 0;
  int64_t base_ = 0;
  int64_t characters_ = 1;
};

// Chooses `item` once for each story that is not anchored, its first box
// current, the content tool active and the caret at the story's start, so
// that the command takes the whole story and the boxes anchored in it.
bool RunMenuCommand(HostRuntime& runtime, const char* item, const std::vector<ProofStory>& stories,
                    ProofProgress& progress) {
  model::Document& document = *FrontDocument();
  progress.BeginPass(TotalLength(document, stories, true));
  int64_t done = 0;
  for (const ProofStory& s : stories) {
    const int32_t length = document.story(s.id)->length();
    if (s.anchored || length == 0) continue;
    // A pass may leave a selection behind (the typography pass selects a
    // quotation mark it cannot place), so every command starts from a caret.
    document.SetCurrentBox(s.first_box);
    Session().workspace.SetTool(model::kContentTool);
    document.story(s.id)->SetSelection(0, 0);
    progress.SetSpan(done, length);
    std::string error;
    if (!runtime.Choose(item, error)) return Error(error);
    if (!CheckHostErrors(false)) return Failed();
    done += length;
  }
  return true;
}

class Speller {
 public:
  ~Speller() {
    if (user_) userdict_unload(&user_);
    spell_close();
  }

  bool Open() {
    const std::string dictionary = XTensionsFolder() + "/son.dic";
    if (const int result = spell_open(dictionary.c_str()); result != 0) {
      return Error(SpellDictionaryError(dictionary, result));
    }
    const std::string personal = PluginFilePath("user.dic");
    if (!personal.empty() && platform::FileExists(personal.c_str()) &&
        userdict_load(personal.c_str(), &user_) != 0) {
      HostProgress().Clear();
      std::cerr << "wirsel proof: the user dictionary " << personal
                << " cannot be read; checking without it\n";
    }
    return true;
  }

  bool Correct(const StoryWord& word) {
    const std::string key = word.text + (word.full_stop ? "." : "");
    const auto known = verdicts_.find(key);
    if (known != verdicts_.end()) return known->second;
    const bool correct = spell_check_word_ex(word.text.c_str(), word.full_stop ? 1 : 0) != 0;
    verdicts_.emplace(key, correct);
    return correct;
  }

  const std::string& Suggestions(const std::string& word) {
    const auto known = suggestions_.find(word);
    if (known != suggestions_.end()) return known->second;
    std::string joined;
    SpellSuggestion* list = spell_suggest(word.c_str());
    for (const SpellSuggestion* s = list; s; s = s->next) {
      joined += (joined.empty() ? "" : ", ") + Win1250ToUtf8(s->word);
    }
    spell_free_suggestions(list);
    return suggestions_.emplace(word, joined).first->second;
  }

 private:
  UserDict* user_ = nullptr;
  std::map<std::string, bool> verdicts_;
  std::map<std::string, std::string> suggestions_;
};

// Reports the unknown words of every story. False on an error, else
// `reported` tells whether any word was reported.
bool CheckSpelling(const std::vector<ProofStory>& stories, const std::string& shown_name,
                   ProofProgress& progress, bool& reported) {
  Speller speller;
  if (!speller.Open()) return false;
  const SpellSettings settings = ReadSpellSettings();
  const model::Document& document = *FrontDocument();
  progress.BeginPass(TotalLength(document, stories, false));
  int64_t walked = 0;
  int64_t line = 1;
  for (const ProofStory& s : stories) {
    const std::u16string text = document.story(s.id)->Text();
    WordWalker walker(text, line);
    for (StoryWord word; walker.Next(word);) {
      progress.Report(walked + word.end);
      const uint32_t flags = WordFlagsOf(word.text);
      if ((settings.skip_digits && (flags & kWordDigit)) ||
          (settings.skip_capitals && (flags & kWordAllCapitals)) || speller.Correct(word)) {
        continue;
      }
      reported = true;
      const std::string suggestions = settings.suggest ? speller.Suggestions(word.text) : "";
      HostProgress().Clear();
      std::cerr << Printable(shown_name) << ':' << word.line << ':' << word.column << ": "
                << Win1250ToUtf8(word.text) << (suggestions.empty() ? "" : " -> ") << suggestions
                << '\n';
    }
    line = walker.NextFreeLine();
    walked += static_cast<int64_t>(text.size());
  }
  return true;
}

bool WriteDocument(const ProofOptions& options, const OpenedDocument& opened,
                   const std::string& format) {
  std::string bytes;
  std::string error;
  if (!RenderFrontDocument(opened, format, bytes, error)) return Error(error);
  return WriteOutput(options.out, bytes) || Failed();
}

bool Proof(const ProofOptions& options) {
  const std::string format = options.format == "txt" ? "text" : options.format;
  if (!ValidOutputFormat(format)) {
    return Error("--format must be txt, tex, html or json, not \"" + options.format + "\"");
  }
  if (!CheckOutput(options.file, options.out, false)) return Failed();
  HostRuntime runtime;
  if (!StartSession(SessionOptions{options.lang, "", "", options.dialogs}, runtime)) {
    return Failed();
  }
  HostProgress().SetLabel("wirsel proof");
  OpenedDocument opened;
  std::string error;
  if (!OpenDocumentFile(options.file, opened, error)) return Error(error);
  model::Document& document = *FrontDocument();
  const model::BoxId current_box = document.current_box();
  const int16_t tool = Session().workspace.tool();
  const std::vector<ProofStory> stories = StoriesInOrder(document);
  std::vector<int32_t> carets;
  for (const ProofStory& s : stories) carets.push_back(document.story(s.id)->selection().start);

  // The typography pass reads a discretionary hyphen as the end of a word,
  // so the syllable after one can pass for a one-letter word or a
  // preposition and be bound to the next word. Hyphenation sets every hyphen
  // again, so when it follows, the old hyphens go first.
  const bool remove_hyphens = !options.no_typo && !options.no_hyph;
  ProofProgress progress((remove_hyphens ? 1 : 0) + (options.no_typo ? 0 : 1) +
                         (options.no_hyph ? 0 : 1) + (options.no_spell ? 0 : 1));
  if (remove_hyphens && !RunMenuCommand(runtime, "Remove Hyphens From Box", stories, progress)) {
    return false;
  }
  if (!options.no_typo && !RunMenuCommand(runtime, "Typography In Box", stories, progress)) {
    return false;
  }
  if (!options.no_hyph && !RunMenuCommand(runtime, "Hyphenate Box", stories, progress)) {
    return false;
  }
  document.SetCurrentBox(current_box);
  Session().workspace.SetTool(tool);
  for (size_t i = 0; i < stories.size(); ++i) {
    model::Story& story = *document.story(stories[i].id);
    const int32_t caret = std::min(carets[i], story.length());
    story.SetSelection(caret, caret);
  }

  // Positions count in the proofed text as `--format txt` writes it: name
  // the file that holds exactly that text when there is one.
  const bool text_out =
      format == "text" || (format.empty() && opened.format == DocumentFormat::kText);
  const bool out_named = !options.out.empty() && !wirsel::io::IsStandardStream(options.out);
  const std::string shown_name = out_named && text_out ? options.out
                                 : wirsel::io::IsStandardStream(options.file) ? "-"
                                                                               : options.file;
  // Quotation marks the typography pass left unplaced come first.
  std::vector<model::StoryId> order;
  for (const ProofStory& s : stories) order.push_back(s.id);
  bool reported = ReportFindings(shown_name, order) > 0;
  if (!options.no_spell && !CheckSpelling(stories, shown_name, progress, reported)) return false;
  progress.Finish();
  if (!CheckHostErrors(true)) return Failed();
  if (!WriteDocument(options, opened, format)) return false;
  SetExitStatus(reported ? kWordsReported : kNothingReported);
  return true;
}

void SetUpProof(CLI::App& command) {
  static ProofOptions options;
  command.add_option("FILE", options.file, "Document: UTF-8 text, or JSON (.json); - reads stdin")
      ->required();
  command.add_option("-o,--output", options.out, "Write the document here (- or none: stdout)");
  command.add_option("--format", options.format,
                     "Output: txt, tex, html or json (default: FILE's)");
  command.add_flag("--no-typo", options.no_typo, "Leave out \"Typography In Box\"");
  command.add_flag("--no-hyph", options.no_hyph, "Leave out \"Hyphenate Box\"");
  command.add_flag("--no-spell", options.no_spell, "Leave out the spelling report");
  command.add_option("--lang", options.lang,
                     "Interface language: en or pl (default: pl when LANG starts with pl)");
  command.add_option("--dialogs", options.dialogs,
                     "Dialog script that answers the plug-in's dialogs and message boxes");
  command.callback([] { Proof(options); });
}

const CommandRegistration kProof(
    "proof", "Typography, hyphenation and a spelling report for a whole document in one pass",
    SetUpProof);

}  // namespace
