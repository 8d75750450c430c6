// The environment suite: tools, interface language, the undoable-change
// bracket, busy cursor, message boxes, hyphenation methods, progress and
// the findings of batch runs.
#include <algorithm>

#include "host/cp1250.h"
#include "host/findings.h"
#include "host/frontend.h"
#include "host/progress.h"
#include "host/session.h"
#include "host/suites.h"

namespace {

// What the host tells a plug-in about itself through environment_flags:
// Polish hyphenation is available.
constexpr uint32_t kEnvironmentFlags = 0x80000;

int16_t CurrentTool() { return Session().workspace.tool(); }
xt_status SetCurrentTool(int16_t tool) {
  return static_cast<xt_status>(Session().workspace.SetTool(tool));
}
int16_t InterfaceLanguage() { return Session().language; }
xt_status BeginUndoableChange(int32_t, int32_t) {
  Session().workspace.BeginUndoableChange();
  return 0;
}
xt_status EndUndoableChange() {
  if (Session().workspace.change_depth() == 0) return -1;
  Session().workspace.EndUndoableChange();
  return 0;
}
void BusyCursor(int32_t on) { Session().workspace.SetBusy(on != 0); }
uint64_t MainWindow() { return 1; }
uint32_t EnvironmentFlags() { return kEnvironmentFlags; }
void ActivateStoryWindow(xt_story) {}
void ModalState(int32_t) {}

int32_t MessageBox(const char* title, const char* text, int32_t icon, int32_t buttons) {
  const int32_t kind = std::clamp<int32_t>(buttons, XT_BUTTONS_OK, XT_BUTTONS_YES_NO_CANCEL);
  HostProgress().Clear();
  if (icon == XT_ICON_ERROR) NoteErrorAlert();
  return CurrentFrontEnd().MessageBox(Win1250ToUtf8(title ? title : ""),
                                      Win1250ToUtf8(text ? text : ""), icon, kind);
}

xt_status RegisterHyphenationMethod(uint32_t plugin_id, const char* name,
                                    const uint32_t languages[4], int32_t, int32_t) {
  HyphenationMethod method;
  method.plugin_id = plugin_id;
  method.name = name ? name : "";
  if (languages) std::copy(languages, languages + 4, method.languages);
  Session().hyphenation_methods.push_back(method);
  return 0;
}

void Progress(int64_t done, int64_t total) { HostProgress().ReportWithinSpan(done, total); }

xt_status ReportFinding(xt_story story, int32_t position, const char* text) {
  return RecordFinding(story, position, Win1250ToUtf8(text ? text : "")) ? 0 : -1;
}

}  // namespace

std::span<const xt_fn> EnvironmentSuiteTable() {
  return Suite<XT_ENVIRONMENT_SUITE_COUNT, CurrentTool, SetCurrentTool, InterfaceLanguage,
               BeginUndoableChange, EndUndoableChange, BusyCursor, MainWindow, EnvironmentFlags,
               ActivateStoryWindow, ModalState, MessageBox, RegisterHyphenationMethod, Progress,
               ReportFinding>();
}
