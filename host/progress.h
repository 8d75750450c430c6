// The one-line progress indicator of long commands: "wirsel proof: 42%"
// redrawn in place on standard error while that is a terminal, and nothing at
// all when it is not. A command reports characters done of characters in all.
// While a menu command of a plug-in runs, the plug-in's own reports
// (environment suite, function 13) and the positions at which it reads story
// text fall into the span of the overall work that the command gave it.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

class ProgressLine {
 public:
  // Writes to `out`; when `enabled` is false every call does nothing.
  ProgressLine(std::ostream& out, bool enabled);

  bool enabled() const { return enabled_; }
  // What the line starts with ("wirsel proof").
  void SetLabel(std::string label);

  // The whole command: `done` of `total` characters. Draws the line when the
  // whole percentage changed; out-of-range figures are clamped.
  void Report(int64_t done, int64_t total);
  // The next plug-in reports cover `share` characters after `done` of
  // `total`: a plug-in's (d, t) is drawn as done + share * d / t. Draws the
  // span's start.
  void SetSpan(int64_t done, int64_t share, int64_t total);
  // A menu command starts: reports within the span are drawn until Clear.
  void BeginCommand();
  // A report of the plug-in's running menu command; nothing outside one.
  // Reports from one `source` (a story, read back and forth) never move the
  // line back; a report from another source may.
  void ReportWithinSpan(int64_t done, int64_t total, int64_t source = 0);
  // Erases the line when one is shown, so that other output starts on a clean
  // line; the next report draws it again. The span becomes the whole, and
  // the menu command is over.
  void Clear();

 private:
  void Draw(double fraction);

  std::ostream& out_;
  bool enabled_;
  std::string label_ = "wirsel";
  int shown_ = -1;  // percentage on screen, -1 when no line is shown
  bool in_command_ = false;
  int64_t source_ = -1;
  double span_start_ = 0;
  double span_width_ = 1;
};

// The line on standard error, enabled when standard error is a terminal.
ProgressLine& HostProgress();
