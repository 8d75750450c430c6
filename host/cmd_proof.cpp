// `wirsel proof`: readies a Polish text for layout in one pass. Through the
// plug-in's own menu commands it runs "Typography In Box", then "Hyphenate
// Box" on every story of the document (old discretionary hyphens removed
// first when both run); then it walks every story with the spelling engine,
// reports each unknown word on standard error (or --report FILE) as
// FILE:LINE:COLUMN: word -> suggestion, ... (or as JSON lines) and writes
// the document. Quotation marks the typography pass could not place are
// reported before them as FILE:LINE:COLUMN: warning: ... `-` proofs
// standard input as a stream, block by block; several files are proofed by
// worker processes (-j).
// Exit status: 0 nothing reported, 1 something reported, 2 an error.
#include <unistd.h>

#include <algorithm>
#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <mutex>
#include <set>
#include <string>
#include <system_error>
#include <thread>
#include <unordered_map>
#include <vector>

#include "host/cmd_registry.h"
#include "host/cmd_run.h"
#include "host/cp1250.h"
#include "host/document_files.h"
#include "host/findings.h"
#include "host/io/files.h"
#include "host/io/io_error.h"
#include "host/messages/messages.h"
#include "host/progress.h"
#include "host/proof_jobs.h"
#include "host/proof_report.h"
#include "host/proof_words.h"
#include "host/session.h"
#include "host/session_options.h"
#include "host/text_stream.h"
#include "host/user_words.h"
#include "host/word_check.h"
#include "platform/files.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "spell/engine/spell.h"
#include "spell/engine/user_dict.h"

namespace {

namespace model = wirsel::model;

constexpr int kNothingReported = kExitSuccess;
constexpr int kWordsReported = kExitFindings;
constexpr int kError = kExitError;

struct ProofOptions {
  std::vector<std::string> files;
  std::string out;
  std::string format;
  std::string input_format;
  std::string lang;
  std::string dialogs;
  bool no_typo = false;
  bool no_hyph = false;
  bool hyph = false;
  bool no_spell = false;
  bool in_place = false;
  std::string output_dir;
  unsigned jobs = 0;     // 0: one per core
  unsigned threads = 0;  // 0: one per core
  std::string report;
  std::string report_format = "text";
  std::string personal;  // -p; "" for the plug-in's user.dic
};

// The user dictionary proofing reads: -p, or the plug-in's own.
std::string PersonalOf(const ProofOptions& options) {
  return options.personal.empty() ? UserDictionaryFile() : options.personal;
}

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
  bool compounds = true;  // hyphenated words whose parts are correct
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
  settings.compounds = ReadFlag(file, "CAkceptujZLacznikiem", true);
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
  // A word whose suggestions are still to be computed, and where they go.
  struct Missing {
    const std::string* word;
    std::vector<std::string>* suggestions;
  };

  ~Speller() {
    if (user_) userdict_unload(&user_);
    spell_close();
  }

  bool Open(const std::string& personal) {
    const std::string dictionary = XTensionsFolder() + "/son.dic";
    if (const int result = spell_open(dictionary.c_str()); result != 0) {
      return Error(SpellDictionaryError(dictionary, result));
    }
    return personal.empty() || OpenUserWords(personal, &user_, words_);
  }

  // Loads the user dictionary `personal` (when it exists) and its word list;
  // a file that is neither is refused. Also checks them before any work.
  static bool OpenUserWords(const std::string& personal, UserDict** user, UserWordList& words) {
    if (platform::FileExists(personal.c_str())) {
      if (const int result = userdict_load(personal.c_str(), user); result != kUserDictOk) {
        return Error(UserDictionaryError(personal, result));
      }
    }
    const std::string list = WordListOf(personal, *user);
    return words.Load(list) || Error(Msg("{1}: cannot read the word list", list));
  }

  // Each distinct word is looked up once per run (a word before a full stop
  // is looked up as such: it may be an abbreviation).
  bool Correct(const StoryWord& word) {
    key_.assign(word.text);
    if (word.full_stop) key_ += '.';
    const auto known = verdicts_.find(key_);
    if (known != verdicts_.end()) return known->second;
    const bool correct = ProseWordCorrect(word, words_);
    verdicts_.emplace(key_, correct);
    return correct;
  }

  // Suggestions in UTF-8, best first, for `word` (CP1250); computed once per
  // distinct word (the options that shape them are fixed for the run). A
  // word seen for the first time gets an empty list, filled by `work`. The
  // lists stay where they are until the run ends.
  template <typename Work>
  const std::vector<std::string>* Suggestions(const std::string& word, Work& work) {
    const auto [at, added] = suggestions_.try_emplace(word);
    if (added) work.Add({&at->first, &at->second});
    return &at->second;
  }

 private:
  UserDict* user_ = nullptr;
  UserWordList words_;
  std::string key_;
  std::unordered_map<std::string, bool> verdicts_;
  std::unordered_map<std::string, std::vector<std::string>> suggestions_;
};

// Fills the suggestion lists of new unknown words on helper threads while
// the calling thread goes on walking the text; at the end of a story the
// calling thread joins in and waits for the story's words before it reports
// them. The helpers start with the first word and stop when this ends.
class SuggestionWork {
 public:
  // `threads` counts the calling thread.
  explicit SuggestionWork(unsigned threads) : helpers_wanted_(threads > 1 ? threads - 1 : 0) {}
  SuggestionWork(const SuggestionWork&) = delete;
  SuggestionWork& operator=(const SuggestionWork&) = delete;

  ~SuggestionWork() {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      stopping_ = true;
    }
    more_.notify_all();
    for (std::thread& helper : helpers_) helper.join();
  }

  void Add(const Speller::Missing& word) {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      queue_.push_back(word);
    }
    ++added_;
    if (!started_) Start();
    more_.notify_one();
  }
  // Words added since the last Finish.
  size_t Added() const { return added_; }

  // Fills lists on the calling thread until every word added is done,
  // calling `done` with the number done so far after each it fills; then
  // starts counting afresh.
  template <typename Done>
  void Finish(Done done) {
    std::unique_lock<std::mutex> lock(mutex_);
    while (filled_ < queue_.size()) {
      if (next_ == queue_.size()) {
        all_filled_.wait(lock);
        continue;
      }
      const Speller::Missing word = queue_[next_++];
      lock.unlock();
      Fill(word);
      lock.lock();
      const size_t count = ++filled_;
      lock.unlock();
      done(count);
      lock.lock();
    }
    queue_.clear();
    next_ = filled_ = added_ = 0;
  }

 private:
  static void Fill(const Speller::Missing& word) {
    std::vector<std::string> ranked;
    spell_dict_suggest(spell_default_dict(), word.word->c_str(), SuggestOrder::kRanked, &ranked);
    for (const std::string& s : ranked) word.suggestions->push_back(Win1250ToUtf8(s));
  }

  void Start() {
    started_ = true;
    // A thread the system will not start leaves its share to the others.
    try {
      for (unsigned t = 0; t < helpers_wanted_; ++t) helpers_.emplace_back([this] { Help(); });
    } catch (const std::system_error&) {
    }
  }

  void Help() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
      more_.wait(lock, [this] { return stopping_ || next_ < queue_.size(); });
      if (next_ == queue_.size()) return;
      const Speller::Missing word = queue_[next_++];
      lock.unlock();
      Fill(word);
      lock.lock();
      if (++filled_ == queue_.size()) all_filled_.notify_all();
    }
  }

  const unsigned helpers_wanted_;
  // Only the calling thread reads and sets these two.
  bool started_ = false;
  size_t added_ = 0;
  std::vector<std::thread> helpers_;
  std::mutex mutex_;  // guards what follows
  std::condition_variable more_;
  std::condition_variable all_filled_;
  std::vector<Speller::Missing> queue_;
  size_t next_ = 0;    // the first word no thread has taken
  size_t filled_ = 0;  // words whose lists are filled
  bool stopping_ = false;
};

// Where the report goes: standard error, or the file --report names.
class ReportStream {
 public:
  bool Open(const ProofOptions& options) {
    if (!ParseReportFormat(options.report_format, format_)) {
      return Error(Msg("--report-format must be text or json, not \"{1}\"", options.report_format));
    }
    if (options.report.empty() || options.report == "-") return true;
    file_.open(options.report, std::ios::binary | std::ios::trunc);
    if (!file_) return Error(Msg("cannot write the report {1}", options.report));
    out_ = &file_;
    return true;
  }

  void Write(const ReportEntry& entry) {
    if (out_ == &std::cerr) HostProgress().Clear();
    *out_ << FormatReportEntry(entry, format_);
  }

  std::ostream& stream() { return *out_; }

  bool Close(const ProofOptions& options) {
    out_->flush();
    if (out_ == &file_) file_.close();
    if (!*out_ && out_ == &file_) return Error(Msg("cannot write the report {1}", options.report));
    return true;
  }

 private:
  ReportFormat format_ = ReportFormat::kText;
  std::ofstream file_;
  std::ostream* out_ = &std::cerr;
};

// An unknown word of a story, where it is and its suggestions (those of a
// word seen for the first time still being computed).
struct UnknownWord {
  int64_t line;
  int64_t column;
  int64_t end_column;
  std::string word;
  const std::vector<std::string>* suggestions;
};

// Reports the unknown words of every story, the first starting on line
// `line`; `reported` tells whether any word was reported. With a source,
// positions are those of the source file. The suggestions of new words are
// computed on `threads` threads as they are found, and a story's words are
// reported once all of them are there, in the order of the text.
void CheckSpelling(const std::vector<ProofStory>& stories, const std::string& shown_name,
                   const wirsel::source::SourceDocument* source, int64_t line, unsigned threads,
                   Speller& speller, ReportStream& report, ProofProgress& progress,
                   bool& reported) {
  const SpellSettings settings = ReadSpellSettings();
  // Set before any thread queries the dictionary.
  spell_dict_set_compounds(spell_default_dict(), settings.compounds);
  SuggestionWork work(threads);
  const model::Document& document = *FrontDocument();
  progress.BeginPass(TotalLength(document, stories, false));
  int64_t walked = 0;
  static const std::vector<std::string> kNone;
  ReportEntry entry;
  entry.file = shown_name;
  std::vector<UnknownWord> unknown;
  std::vector<int64_t> missing_end;  // where each new word ends in the story
  for (const ProofStory& s : stories) {
    const std::u16string text = document.story(s.id)->Text();
    WordWalker walker(text, line);
    unknown.clear();
    missing_end.clear();
    for (StoryWord word; walker.Next(word);) {
      // The text up to the first word whose suggestions are still to come
      // is done; the rest is done as its suggestions are.
      if (missing_end.empty()) progress.Report(walked + static_cast<int64_t>(word.end16));
      const uint16_t flags = word.flags;
      if ((settings.skip_digits && (flags & kWordDigit)) ||
          (settings.skip_capitals && (flags & kWordAllCapitals)) || speller.Correct(word)) {
        continue;
      }
      UnknownWord& found = unknown.emplace_back();
      found.line = word.line;
      found.column = word.column;
      if (source && s.id == source->story_id()) {
        source->Locate(static_cast<int32_t>(word.start16), found.line, found.column);
      }
      found.end_column = found.column + static_cast<int64_t>(word.end - word.start);
      found.word = word.text;
      found.suggestions = &kNone;
      if (settings.suggest && word.polish) {
        const size_t before = missing_end.size();
        found.suggestions = speller.Suggestions(word.win1250, work);
        if (work.Added() != before) missing_end.push_back(static_cast<int64_t>(word.end16));
      }
    }
    work.Finish([&](size_t filled) { progress.Report(walked + missing_end[filled - 1]); });
    for (const UnknownWord& found : unknown) {
      entry.line = found.line;
      entry.column = found.column;
      entry.end_column = found.end_column;
      entry.word = found.word;
      entry.suggestions = *found.suggestions;
      report.Write(entry);
    }
    reported = reported || !unknown.empty();
    line = walker.NextFreeLine();
    walked += static_cast<int64_t>(text.size());
    progress.Report(walked);
  }
}

// What a proof carries through a run, from one stream block to the next.
struct ProofRun {
  unsigned threads = 1;  // for the suggestions
  Speller speller;
  ReportStream report;
  bool reported = false;
  // A stream: the typography pass stopped in an earlier block (at a
  // quotation mark it cannot place), and, as in a file, does not go on.
  bool typography_stopped = false;
};

// Runs the passes and the spelling report on the front document; its first
// story's first line is `first_line`. `source` maps a LaTeX, HTML or Markdown
// source's positions back into its file.
bool ProofFrontDocument(const ProofOptions& options, HostRuntime& runtime, ProofRun& run,
                        const std::string& shown_name, int64_t first_line,
                        const wirsel::source::SourceDocument* source = nullptr) {
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
  // TeX hyphenates with the same patterns, and a \- in a word stops it from
  // breaking the word anywhere else: LaTeX sources get hyphens only on
  // request.
  const bool latex = source && source->source().kind == wirsel::source::SourceKind::kLatex;
  const bool no_hyph = options.no_hyph || (latex && !options.hyph);
  const bool remove_hyphens = !options.no_typo && !no_hyph;
  const bool typography = !options.no_typo && !run.typography_stopped;
  ProofProgress progress((remove_hyphens ? 1 : 0) + (typography ? 1 : 0) + (no_hyph ? 0 : 1) +
                         (options.no_spell ? 0 : 1));
  if (remove_hyphens && !RunMenuCommand(runtime, "Remove Hyphens From Box", stories, progress)) {
    return false;
  }
  if (typography && !RunMenuCommand(runtime, "Typography In Box", stories, progress)) {
    return false;
  }
  // A pass that stops leaves the quotation mark it stopped at selected.
  for (const ProofStory& s : stories) {
    const model::Selection& left = document.story(s.id)->selection();
    if (typography && left.start != left.end) run.typography_stopped = true;
  }
  if (!no_hyph && !RunMenuCommand(runtime, "Hyphenate Box", stories, progress)) {
    return false;
  }
  document.SetCurrentBox(current_box);
  Session().workspace.SetTool(tool);
  for (size_t i = 0; i < stories.size(); ++i) {
    model::Story& story = *document.story(stories[i].id);
    const int32_t caret = std::min(carets[i], story.length());
    story.SetSelection(caret, caret);
  }
  // Quotation marks the typography pass left unplaced come first.
  std::vector<model::StoryId> order;
  for (const ProofStory& s : stories) order.push_back(s.id);
  ReportEntry warning;
  warning.kind = ReportEntry::Kind::kTypography;
  warning.file = shown_name;
  for (PlacedFinding& found : TakeFindings(order, first_line, source)) {
    warning.line = found.line;
    warning.column = found.column;
    warning.end_column = found.column + 1;
    warning.message = std::move(found.text);
    run.report.Write(warning);
    run.reported = true;
  }
  if (!options.no_spell) {
    CheckSpelling(stories, shown_name, source, first_line, run.threads, run.speller, run.report,
                  progress, run.reported);
  }
  progress.Finish();
  return CheckHostErrors(false) || Failed();
}

bool WriteDocument(const std::string& out, const OpenedDocument& opened,
                   const std::string& format) {
  std::string bytes;
  std::string error;
  if (!RenderFrontDocument(opened, format, bytes, error)) return Error(error);
  return WriteOutput(out, bytes) || Failed();
}

// Starts the plug-ins, the speller and the report for one run.
bool StartProof(const ProofOptions& options, HostRuntime& runtime, ProofRun& run) {
  if (!StartSession(SessionOptions{options.lang, "", "", options.dialogs}, runtime)) {
    return Failed();
  }
  HostProgress().SetLabel("wirsel proof");
  run.threads = options.threads > 0 ? options.threads : platform::CoreCount();
  return run.report.Open(options) && (options.no_spell || run.speller.Open(PersonalOf(options)));
}

bool FinishProof(const ProofOptions& options, ProofRun& run) {
  if (!run.report.Close(options)) return false;
  SetExitStatus(run.reported ? kWordsReported : kNothingReported);
  return true;
}

bool ProofFile(const ProofOptions& options, const std::string& file, const std::string& out,
               const std::string& format) {
  HostRuntime runtime;
  ProofRun run;
  if (!StartProof(options, runtime, run)) return false;
  OpenedDocument opened;
  std::string error;
  if (!OpenDocumentFile(file, opened, error, options.input_format)) return Error(error);
  // Positions count in the proofed text as `--format txt` writes it: name
  // the file that holds exactly that text when there is one. A source's
  // positions are those of the source the user has open.
  const bool text_out = !opened.source && (format == "text" || (format.empty() &&
                                                                opened.format == DocumentFormat::kText));
  const std::string shown_name = !out.empty() && out != "-" && text_out ? out : file;
  if (!ProofFrontDocument(options, runtime, run, shown_name, 1, opened.source.get())) return false;
  if (!CheckHostErrors(true)) return Failed();
  if (!WriteDocument(out, opened, format)) return false;
  return FinishProof(options, run);
}

// Standard input, a block of paragraphs at a time, to standard output (or
// to -o OUT, which is replaced only once the whole stream is proofed).
bool ProofStream(const ProofOptions& options, const std::string& format) {
  if (!StreamableFormat(format)) {
    return Error(
        Msg("standard input is proofed as a stream and written as text or TeX; "
            "--format {1} needs a file",
            format));
  }
  HostRuntime runtime;
  ProofRun run;
  if (!StartProof(options, runtime, run)) return false;
  StreamOutput out;
  std::string error;
  if (!out.Open(options.out, error)) return Error(error);
  const std::string shown_name = format == "tex" ? "-" : out.name();
  const bool done = RunTextStream(
      STDIN_FILENO, out.stream(), format, "-", StreamBlockBytes(),
      [&](int64_t first_line, std::string&) {
        return ProofFrontDocument(options, runtime, run, shown_name, first_line);
      },
      error);
  if (!done) return error.empty() ? false : Error(error);
  if (!CheckHostErrors(true)) return Failed();
  if (!out.Commit(error)) return Error(error);
  return FinishProof(options, run);
}

// The options a worker gets besides its file, its output and its report.
// Several workers already use the cores, so each computes its suggestions
// on one thread unless --threads says otherwise.
std::vector<std::string> WorkerOptions(const ProofOptions& options, unsigned workers) {
  std::vector<std::string> args = {"--report-format", options.report_format};
  if (options.threads > 0 || workers > 1) {
    args.insert(args.end(), {"--threads", std::to_string(options.threads > 0 ? options.threads : 1)});
  }
  if (!options.format.empty()) args.insert(args.end(), {"--format", options.format});
  if (!options.lang.empty()) args.insert(args.end(), {"--lang", options.lang});
  if (!options.dialogs.empty()) args.insert(args.end(), {"--dialogs", options.dialogs});
  if (options.no_typo) args.push_back("--no-typo");
  if (!options.input_format.empty()) {
    args.insert(args.end(), {"--input-format", options.input_format});
  }
  if (options.no_hyph) args.push_back("--no-hyph");
  if (options.hyph) args.push_back("--hyph");
  if (options.no_spell) args.push_back("--no-spell");
  if (!options.personal.empty()) args.insert(args.end(), {"-p", options.personal});
  return args;
}

// Several files (or --output-dir): one worker process per file, at most
// --jobs at a time; the reports in file order.
bool ProofMany(const ProofOptions& options, const std::string& format) {
  if (options.output_dir.empty() == !options.in_place) {
    return Error(options.in_place ? Msg("--in-place and --output-dir exclude each other")
                                  : Msg("several files need --output-dir DIR or --in-place"));
  }
  std::vector<ProofJob> jobs;
  std::set<std::string> targets;
  for (const std::string& file : options.files) {
    if (file == "-") return Error(Msg("- (standard input) cannot be one of several files"));
    const std::string target =
        options.in_place ? file : OutputPathIn(options.output_dir, file, format);
    if (!targets.insert(target).second) {
      return Error(Msg("two files would be written to {1}; proof them apart", target));
    }
    jobs.push_back({file, target});
  }
  std::error_code made;
  if (!options.output_dir.empty()) std::filesystem::create_directories(options.output_dir, made);
  if (made)
    return Error(Msg("cannot make the folder {1}: {2}", options.output_dir, made.message()));
  ReportStream report;
  if (!report.Open(options)) return false;
  const unsigned workers = options.jobs > 0 ? options.jobs : DefaultJobCount();
  std::string error;
  const std::vector<std::string> worker_options =
      WorkerOptions(options, static_cast<unsigned>(std::min<size_t>(workers, jobs.size())));
  int status = RunProofJobs(jobs, worker_options, workers, report.stream(), error);
  if (!error.empty()) {
    Error(error);
    status = kError;
  }
  if (!report.Close(options)) status = kError;
  SetExitStatus(status);
  return status != kError;
}

bool Proof(const ProofOptions& options) {
  const std::string format = options.format == "txt" ? "text" : options.format;
  if (!ValidOutputFormat(format)) {
    return Error(
        Msg("--format must be txt, tex, html, markdown or json, not \"{1}\"", options.format));
  }
  if (options.hyph && options.no_hyph) return Error(Msg("--hyph and --no-hyph exclude each other"));
  if (!options.no_spell && !PersonalOf(options).empty()) {
    UserDict* user = nullptr;
    UserWordList words;
    const bool readable = Speller::OpenUserWords(PersonalOf(options), &user, words);
    if (user) userdict_unload(&user);
    if (!readable) return false;
  }
  if (options.files.size() > 1 || !options.output_dir.empty()) {
    if (!options.out.empty())
      return Error(Msg("-o names one output; for several files use --output-dir"));
    return ProofMany(options, format);
  }
  const std::string& file = options.files.front();
  if (options.in_place && !options.out.empty()) {
    return Error(Msg("--in-place and -o exclude each other"));
  }
  if (file == "-") {
    if (options.in_place) return Error(Msg("--in-place needs a file, not standard input"));
    if (!options.input_format.empty() && options.input_format != "txt" &&
        options.input_format != "text") {
      return Error(Msg("standard input is proofed as plain text; give a {1} source as a file",
                       options.input_format));
    }
    if (!CheckOutput(file, options.out, false)) return Failed();
    return ProofStream(options, format);
  }
  if (!CheckOutput(file, options.out, options.in_place)) return Failed();
  return ProofFile(options, file, options.in_place ? file : options.out, format);
}

void SetUpProof(CLI::App& command) {
  static ProofOptions options;
  command
      .add_option("FILE", options.files,
                  "Documents: UTF-8 text, JSON (.json), LaTeX (.tex), HTML (.html, .htm) or "
                  "Markdown (.md, .markdown); - reads text from standard input as a stream")
      ->required();
  AddFormatOptions(command, options.out, options.format, options.input_format);
  command.add_flag("--no-typo", options.no_typo, "Leave out \"Typography In Box\"");
  command.add_flag("--no-hyph", options.no_hyph, "Leave out \"Hyphenate Box\"");
  command.add_flag("--hyph", options.hyph,
                   "Hyphenate a LaTeX source too (written as \\-; off by default, as TeX "
                   "hyphenates itself)");
  command.add_flag("--no-spell", options.no_spell, "Leave out the spelling report");
  command.add_option("-p,--personal", options.personal,
                     "User dictionary (binary or a plain word list; default: the plug-in's "
                     "user.dic)");
  command.add_flag("--in-place", options.in_place, "Write each document back over its FILE");
  command.add_option("--output-dir", options.output_dir,
                     "Write each document into DIR under its own name");
  command.add_option("-j,--jobs", options.jobs,
                     "Worker processes for several files (default: one per core)");
  command.add_option("--threads", options.threads,
                     "Threads that compute the suggestions of one document (default: one per "
                     "core; one in each worker when there are several)");
  command.add_option("--report", options.report,
                     "Write the report to this file instead of standard error");
  command.add_option("--report-format", options.report_format,
                     "Report lines: text (FILE:LINE:COLUMN: word -> suggestions) or json");
  command.add_option(
      "--lang", options.lang,
      "Language of the plug-in and of messages: en or pl (default: pl under a Polish locale)");
  command.add_option("--dialogs", options.dialogs,
                     "Dialog script that answers the plug-in's dialogs and message boxes");
  command.callback([] { Proof(options); });
}

const CommandRegistration kProof(
    "proof", "Typography, hyphenation and a spelling report for a whole document in one pass",
    SetUpProof);

}  // namespace
