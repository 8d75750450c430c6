// The shared message box. Title: product name, the file version in
// parentheses, "-" and the caption; text: "Error: <code>" and a carriage
// return when a code is given, then the message. Before the host's suites are
// bound an alert is held and shown at the end of start-up. A finding goes to
// the host without a message box when nobody answers one.
#include <cinttypes>
#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

#include "base/charset.h"
#include "services/host.h"
#include "services/services.h"
#include "services/translate.h"
#include "services/xt40_shell.h"

namespace {

inline constexpr size_t kAlertSize = 1024;

struct HeldAlert {
  std::string title;
  std::string text;
  int32_t icon;
};

std::vector<HeldAlert> gHeldAlerts;

void Show(const char* title, const char* text, int32_t icon) {
  if (HostSuitesBound()) {
    gEnvironmentSuite->message_box(title, text, icon, XT_BUTTONS_OK);
  } else {
    gHeldAlerts.push_back({title, text, icon});
  }
}

}  // namespace

void Alert(int32_t code, const char* caption, const char* format, ...) {
  char shown_caption[kAlertSize / 2];
  ToDisplay(caption ? caption : "", shown_caption, sizeof shown_caption);
  char title[kAlertSize];
  const char* product = gShell ? gShell->GetProductName(nullptr, 0) : "";
  const char* version = gShell ? gShell->GetFileVersion() : "";
  if (version[0] != 0) {
    std::snprintf(title, sizeof title, "%s (%s)-%s", product, version, shown_caption);
  } else {
    std::snprintf(title, sizeof title, "%s-%s", product, shown_caption);
  }

  char text[kAlertSize];
  size_t used = 0;
  if (code != 0) {
    used = static_cast<size_t>(std::snprintf(text, sizeof text, "Error: %" PRId32 "\r", code));
  }
  char shown_format[kAlertSize];
  ToDisplay(format, shown_format, sizeof shown_format);
  va_list args;
  va_start(args, format);
  std::vsnprintf(text + used, sizeof text - used, shown_format, args);
  va_end(args);
  Show(title, text, code != 0 ? XT_ICON_ERROR : XT_ICON_INFO);
}

void ShowPendingAlerts() {
  if (!HostSuitesBound()) return;
  std::vector<HeldAlert> held;
  held.swap(gHeldAlerts);
  for (const HeldAlert& alert : held) Show(alert.title.c_str(), alert.text.c_str(), alert.icon);
}

void DiscardPendingAlerts() { gHeldAlerts.clear(); }

bool ReportFinding(xt_story story, int32_t position, const char* stored) {
  if (!HostSuitesBound()) return false;
  char text[kAlertSize];
  ToWindowsText(stored, text, sizeof text);
  return gEnvironmentSuite->report_finding(story, position, text) == 0;
}
