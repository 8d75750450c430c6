// Who plays the user's part when the plug-in shows a dialog or a message box:
// a person at the terminal, a dialog script, or nobody (the documented
// defaults). One front end is current for the whole run of `wirsel`.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

struct xt_dialog_s;

class FrontEnd {
 public:
  virtual ~FrontEnd() = default;
  // Plays user actions on an open dialog until it is closed.
  virtual void Drive(xt_dialog_s& dialog) = 0;
  // Shows a message box (UTF-8 texts) and answers XT_ANSWER_*.
  virtual int32_t MessageBox(const std::string& title, const std::string& text, int32_t icon,
                             int32_t buttons) = 0;
  // Called once the command is done: a complaint about script lines that were
  // never used, or an empty string.
  virtual std::string Finish() { return {}; }
  // False when nobody answers (the documented defaults are taken): a batch
  // run, where findings are reported rather than shown.
  virtual bool Attended() const { return true; }
};

std::unique_ptr<FrontEnd> MakeTerminalFrontEnd(std::istream& in, std::ostream& out);
std::unique_ptr<FrontEnd> MakeDefaultFrontEnd(std::ostream& err);
// Null with `error` set (file:line: reason) when the script cannot be read.
std::unique_ptr<FrontEnd> MakeScriptFrontEnd(const std::string& path, std::ostream& err,
                                             std::string& error);

void SetFrontEnd(std::unique_ptr<FrontEnd> front_end);
FrontEnd& CurrentFrontEnd();

// Failures met while the plug-in had control (a dialog the script does not
// answer, a menu item that cannot be chosen); the command reports them and
// exits non-zero.
void ReportHostError(const std::string& message);
std::vector<std::string> TakeHostErrors();
// A message box the plug-in showed as an error (a file it cannot open or
// save): the command ends with the error status, whoever answered it.
void NoteErrorAlert();
bool ErrorAlertShown();

// The default answer of a message box: its first button.
int32_t DefaultAnswer(int32_t buttons);
// "OK", "Cancel", "Yes", "No".
const char* AnswerName(int32_t answer);
// The buttons a message box offers, in order.
std::vector<int32_t> AnswersOf(int32_t buttons);
