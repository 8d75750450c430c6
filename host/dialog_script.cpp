// Dialog scripts: user actions read from a file, one a line, played on the
// dialogs and message boxes the plug-in opens, in order.
#include <cstdlib>
#include <fstream>
#include <ostream>

#include "host/cp1250.h"
#include "host/dialog.h"
#include "host/frontend.h"
#include "host/messages/messages.h"
#include "xtapi/xtapi.h"

namespace {

struct ScriptLine {
  int number = 0;
  std::string verb;
  std::vector<std::string> args;  // UTF-8
};

struct Verb {
  const char* name;
  size_t args;
};
constexpr Verb kVerbs[] = {
    {"dialog", 1}, {"click", 1}, {"set", 2},    {"check", 1},  {"uncheck", 1},
    {"choose", 2}, {"ok", 0},    {"cancel", 0}, {"answer", 1}, {"expect", 1},
};

// Splits a line into words; a word in double quotes may hold blanks, \" and \\.
bool Tokenize(const std::string& line, std::vector<std::string>& words, std::string& error) {
  size_t i = 0;
  while (i < line.size()) {
    if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') {
      ++i;
      continue;
    }
    std::string word;
    if (line[i] == '"') {
      ++i;
      bool closed = false;
      while (i < line.size() && !closed) {
        if (line[i] == '\\' && i + 1 < line.size()) {
          word += line[i + 1];
          i += 2;
        } else if (line[i] == '"') {
          closed = true;
          ++i;
        } else {
          word += line[i++];
        }
      }
      if (!closed) {
        error = Msg("unterminated quotation");
        return false;
      }
    } else {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') {
        word += line[i++];
      }
    }
    words.push_back(word);
  }
  return true;
}

class ScriptFrontEnd : public FrontEnd {
 public:
  ScriptFrontEnd(std::string path, std::vector<ScriptLine> lines, std::ostream& err)
      : path_(std::move(path)), lines_(std::move(lines)), err_(err) {}

  void Drive(xt_dialog_s& dialog) override {
    if (failed_) {
      dialog.Cancel();
      return;
    }
    if (const ScriptLine* line = Peek(); line && line->verb == "dialog") {
      ++next_;
      const std::string& want = line->args[0];
      if (want != Win1250ToUtf8(dialog.title) && want != std::to_string(dialog.number)) {
        return Fail(dialog, *line,
                    Msg("expects dialog \"{1}\" but {2} opened", want, dialog.Name()));
      }
    }
    while (!dialog.closed) {
      const ScriptLine* line = Peek();
      if (!line) return Fail(dialog, Msg("no script line left for {1}", dialog.Name()));
      ++next_;
      const std::string problem = Play(dialog, *line);
      if (!problem.empty()) return Fail(dialog, *line, problem);
    }
  }

  int32_t MessageBox(const std::string& title, const std::string& text, int32_t icon,
                     int32_t buttons) override {
    const std::string name = Msg("message box \"{1}\"", text);
    const int32_t fallback = AnswersOf(buttons).back();
    err_ << "[" << title << "] " << text;
    if (failed_) {
      err_ << " -> " << AnswerName(fallback) << "\n";
      return fallback;
    }
    const ScriptLine* line = Peek();
    while (line && line->verb == "expect") {
      ++next_;
      if (text.find(line->args[0]) == std::string::npos) {
        return FailMessage(*line, Msg("expects \"{1}\" in {2}", line->args[0], name), fallback);
      }
      line = Peek();
    }
    if (!line) return FailMessage(Msg("no script line left for {1}", name), fallback);
    ++next_;
    if (line->verb != "answer") {
      return FailMessage(*line, Msg("\"{1}\" cannot answer {2}", line->verb, name), fallback);
    }
    for (const int32_t answer : AnswersOf(buttons)) {
      if (Lower(line->args[0]) == Lower(AnswerName(answer))) {
        err_ << " -> " << AnswerName(answer) << "\n";
        return answer;
      }
    }
    return FailMessage(*line, Msg("{1} has no button \"{2}\"", name, line->args[0]), fallback);
  }

  std::string Finish() override {
    if (failed_ || next_ >= lines_.size()) return {};
    return Where(lines_[next_]) + Msg("this and later lines were never used");
  }

 private:
  static std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
  }

  const ScriptLine* Peek() const { return next_ < lines_.size() ? &lines_[next_] : nullptr; }

  std::string Where(const ScriptLine& line) const {
    return path_ + ":" + std::to_string(line.number) + ": ";
  }

  // Plays one line on the open dialog; answers what went wrong.
  std::string Play(xt_dialog_s& dialog, const ScriptLine& line) {
    const std::string& verb = line.verb;
    if (verb == "ok") return dialog.Ok();
    if (verb == "cancel") {
      dialog.Cancel();
      return {};
    }
    if (verb == "expect") {
      if (dialog.Render(false).find(line.args[0]) != std::string::npos) return {};
      return Msg("expects \"{1}\" in {2}", line.args[0], dialog.Name());
    }
    if (verb == "dialog" || verb == "answer") {
      return Msg("\"{1}\" cannot act on {2}, which is still open", verb, dialog.Name());
    }
    DialogItem* item = dialog.Find(line.args[0]);
    if (!item) return Msg("{1} has no item \"{2}\"", dialog.Name(), line.args[0]);
    if (verb == "click") return dialog.Click(*item);
    if (verb == "set") return dialog.SetText(*item, Utf8ToWin1250(line.args[1]));
    if (verb == "check" || verb == "uncheck") return dialog.SetCheck(*item, verb == "check");
    return dialog.Choose(*item, Row(*item, line.args[1]));
  }

  // A row given by its 1-based number or its text; -1 when there is none.
  static int32_t Row(const DialogItem& list, const std::string& key) {
    char* end = nullptr;
    const long number = std::strtol(key.c_str(), &end, 10);
    if (!key.empty() && *end == 0) return number >= 1 && number <= 1 << 30 ? number - 1 : -1;
    for (size_t row = 0; row < list.rows.size(); ++row) {
      if (Win1250ToUtf8(list.rows[row]) == key) return static_cast<int32_t>(row);
    }
    return -1;
  }

  void Fail(xt_dialog_s& dialog, const ScriptLine& line, const std::string& problem) {
    Fail(dialog, Where(line) + problem);
  }
  void Fail(xt_dialog_s& dialog, const std::string& message) {
    failed_ = true;
    ReportHostError(message);
    dialog.Cancel();
  }
  int32_t FailMessage(const ScriptLine& line, const std::string& problem, int32_t fallback) {
    return FailMessage(Where(line) + problem, fallback);
  }
  int32_t FailMessage(const std::string& message, int32_t fallback) {
    err_ << " -> " << AnswerName(fallback) << "\n";
    failed_ = true;
    ReportHostError(message);
    return fallback;
  }

  std::string path_;
  std::vector<ScriptLine> lines_;
  std::ostream& err_;
  size_t next_ = 0;
  bool failed_ = false;
};

}  // namespace

std::unique_ptr<FrontEnd> MakeScriptFrontEnd(const std::string& path, std::ostream& err,
                                             std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = Msg("{1}: cannot read the dialog script", path);
    return nullptr;
  }
  std::vector<ScriptLine> lines;
  std::string text;
  for (int number = 1; std::getline(in, text); ++number) {
    const std::string where = path + ":" + std::to_string(number) + ": ";
    if (text.size() > 4096) {
      error = where + Msg("line too long");
      return nullptr;
    }
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos || text[first] == '#') continue;
    std::vector<std::string> words;
    std::string problem;
    if (!Tokenize(text, words, problem)) {
      error = where + problem;
      return nullptr;
    }
    const Verb* verb = nullptr;
    for (const Verb& v : kVerbs) {
      if (words[0] == v.name) verb = &v;
    }
    if (!verb) {
      error = where + Msg("unknown action \"{1}\"", words[0]);
      return nullptr;
    }
    if (words.size() != verb->args + 1) {
      error = where + Msg("\"{1}\" takes {2} argument(s), quote a text with blanks", words[0],
                          std::to_string(verb->args));
      return nullptr;
    }
    lines.push_back(ScriptLine{number, words[0], {words.begin() + 1, words.end()}});
  }
  return std::make_unique<ScriptFrontEnd>(path, std::move(lines), err);
}
