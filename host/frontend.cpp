// The terminal and default front ends, the current front end and the list of
// host errors.
#include "host/frontend.h"

#include <cctype>
#include <cstdlib>
#include <iostream>

#include "host/cp1250.h"
#include "host/dialog.h"
#include "host/messages/messages.h"
#include "xtapi/xtapi.h"

namespace {

std::vector<std::string>& Errors() {
  static std::vector<std::string> errors;
  return errors;
}

std::unique_ptr<FrontEnd>& Current() {
  static std::unique_ptr<FrontEnd> current;
  return current;
}

std::string Trim(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

class DefaultFrontEnd : public FrontEnd {
 public:
  explicit DefaultFrontEnd(std::ostream& err) : err_(err) {}

  void Drive(xt_dialog_s& dialog) override {
    err_ << "wirsel: " << Msg("{1} cancelled (no terminal and no dialog script)", dialog.Name())
         << "\n";
    dialog.Cancel();
  }

  int32_t MessageBox(const std::string& title, const std::string& text, int32_t icon,
                     int32_t buttons) override {
    const int32_t answer = DefaultAnswer(buttons);
    err_ << "[" << title << "] " << text << " -> " << AnswerName(answer) << "\n";
    return answer;
  }

  bool Attended() const override { return false; }

 private:
  std::ostream& err_;
};

class TerminalFrontEnd : public FrontEnd {
 public:
  TerminalFrontEnd(std::istream& in, std::ostream& out) : in_(in), out_(out) {}

  void Drive(xt_dialog_s& dialog) override {
    std::string line;
    while (!dialog.closed) {
      out_ << dialog.Render(true)
           << Msg("o = OK, c = Cancel, a letter = that item, a number = a list row, "
                  "letter=text = type into that field")
           << "\n> " << std::flush;
      if (!std::getline(in_, line)) {
        dialog.Cancel();
        return;
      }
      const std::string problem = Act(dialog, Trim(line));
      if (!problem.empty()) out_ << problem << "\n";
    }
  }

  int32_t MessageBox(const std::string& title, const std::string& text, int32_t icon,
                     int32_t buttons) override {
    const std::vector<int32_t> answers = AnswersOf(buttons);
    std::string line;
    for (;;) {
      out_ << "== " << title << " ==\n" << text << "\n";
      for (const int32_t answer : answers) {
        out_ << "[" << static_cast<char>(std::tolower(AnswerName(answer)[0])) << "] "
             << AnswerName(answer) << "  ";
      }
      out_ << "\n> " << std::flush;
      if (!std::getline(in_, line)) return DefaultAnswer(buttons);
      line = Trim(line);
      if (line.empty()) return DefaultAnswer(buttons);
      for (const int32_t answer : answers) {
        if (std::tolower(static_cast<unsigned char>(line[0])) ==
            std::tolower(AnswerName(answer)[0])) {
          return answer;
        }
      }
    }
  }

 private:
  // One typed line; answers what went wrong, or nothing.
  std::string Act(xt_dialog_s& dialog, const std::string& line) {
    if (line.empty()) return {};
    if (std::isdigit(static_cast<unsigned char>(line[0]))) {
      DialogItem* list = nullptr;
      for (DialogItem& item : dialog.items) {
        if (item.kind == XT_ITEM_LIST && !list) list = &item;
      }
      if (!list) return Msg("this dialog has no list");
      return dialog.Choose(*list, std::atoi(line.c_str()) - 1);
    }
    DialogItem* target = nullptr;
    for (DialogItem& item : dialog.items) {
      if (ItemKey(dialog, item) == line[0]) target = &item;
    }
    if (!target) return Msg("no item has the key {1}", line.substr(0, 1));
    if (target->kind == XT_ITEM_EDIT) {
      std::string text;
      if (line.size() > 1 && line[1] == '=') {
        text = line.substr(2);
      } else {
        out_ << Msg("text: ") << std::flush;
        if (!std::getline(in_, text)) return {};
      }
      return dialog.SetText(*target, Utf8ToWin1250(text));
    }
    if (target->id == XT_DLG_CANCEL && target->kind == XT_ITEM_BUTTON) {
      dialog.Cancel();
      return {};
    }
    return dialog.Click(*target);
  }

  std::istream& in_;
  std::ostream& out_;
};

}  // namespace

std::unique_ptr<FrontEnd> MakeTerminalFrontEnd(std::istream& in, std::ostream& out) {
  return std::make_unique<TerminalFrontEnd>(in, out);
}

std::unique_ptr<FrontEnd> MakeDefaultFrontEnd(std::ostream& err) {
  return std::make_unique<DefaultFrontEnd>(err);
}

void SetFrontEnd(std::unique_ptr<FrontEnd> front_end) { Current() = std::move(front_end); }

FrontEnd& CurrentFrontEnd() {
  if (!Current()) Current() = MakeDefaultFrontEnd(std::cerr);
  return *Current();
}

void ReportHostError(const std::string& message) { Errors().push_back(message); }

namespace {
bool gErrorAlertShown = false;
}  // namespace

void NoteErrorAlert() { gErrorAlertShown = true; }
bool ErrorAlertShown() { return gErrorAlertShown; }

std::vector<std::string> TakeHostErrors() {
  std::vector<std::string> taken;
  taken.swap(Errors());
  return taken;
}

std::vector<int32_t> AnswersOf(int32_t buttons) {
  switch (buttons) {
    case XT_BUTTONS_OK_CANCEL: return {XT_ANSWER_OK, XT_ANSWER_CANCEL};
    case XT_BUTTONS_YES_NO: return {XT_ANSWER_YES, XT_ANSWER_NO};
    case XT_BUTTONS_YES_NO_CANCEL: return {XT_ANSWER_YES, XT_ANSWER_NO, XT_ANSWER_CANCEL};
    default: return {XT_ANSWER_OK};
  }
}

int32_t DefaultAnswer(int32_t buttons) { return AnswersOf(buttons).front(); }

const char* AnswerName(int32_t answer) {
  switch (answer) {
    case XT_ANSWER_CANCEL: return "Cancel";
    case XT_ANSWER_YES: return "Yes";
    case XT_ANSWER_NO: return "No";
    default: return "OK";
  }
}
