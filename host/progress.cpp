// Drawing and erasing the progress line.
#include "host/progress.h"

#include <unistd.h>

#include <algorithm>
#include <iostream>

#include "platform/safe_file.h"

namespace {

double Fraction(int64_t done, int64_t total) {
  if (total <= 0) return 1;
  return std::clamp(static_cast<double>(done) / static_cast<double>(total), 0.0, 1.0);
}

}  // namespace

ProgressLine::ProgressLine(std::ostream& out, bool enabled) : out_(out), enabled_(enabled) {}

void ProgressLine::SetLabel(std::string label) { label_ = std::move(label); }

void ProgressLine::Report(int64_t done, int64_t total) { Draw(Fraction(done, total)); }

void ProgressLine::SetSpan(int64_t done, int64_t share, int64_t total) {
  span_start_ = Fraction(done, total);
  span_width_ = std::min(Fraction(share, total), 1 - span_start_);
  Draw(span_start_);
}

void ProgressLine::BeginCommand() {
  in_command_ = true;
  source_ = -1;
}

void ProgressLine::ReportWithinSpan(int64_t done, int64_t total, int64_t source) {
  if (!in_command_ || !enabled_) return;
  const double fraction = span_start_ + span_width_ * Fraction(done, total);
  if (source == source_ && static_cast<int>(fraction * 100) < shown_) return;
  source_ = source;
  Draw(fraction);
}

void ProgressLine::Clear() {
  span_start_ = 0;
  span_width_ = 1;
  in_command_ = false;
  if (!enabled_ || shown_ < 0) return;
  out_ << "\r\033[K" << std::flush;
  shown_ = -1;
}

void ProgressLine::Draw(double fraction) {
  if (!enabled_) return;
  const int percent = static_cast<int>(fraction * 100);
  if (percent == shown_) return;
  shown_ = percent;
  out_ << "\r" << label_ << ": " << percent << "%\033[K" << std::flush;
}

ProgressLine& HostProgress() {
  static ProgressLine line(std::cerr, platform::IsTerminal(STDERR_FILENO));
  return line;
}
