// The progress line: drawn only when enabled, only when the whole
// percentage changes, clamped, mapped through the span of a menu command,
// and erased before other output.
#include "host/progress.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

TEST(ProgressLine, DrawsInPlaceWhenTheWholePercentageChanges) {
  std::ostringstream out;
  ProgressLine line(out, true);
  line.SetLabel("wirsel proof");
  line.Report(0, 1000);
  line.Report(4, 1000);   // still 0%
  line.Report(10, 1000);  // 1%
  line.Report(1000, 1000);
  EXPECT_EQ(out.str(),
            "\rwirsel proof: 0%\033[K\rwirsel proof: 1%\033[K\rwirsel proof: 100%\033[K");
}

TEST(ProgressLine, FiguresOutOfRangeAreClamped) {
  std::ostringstream out;
  ProgressLine line(out, true);
  line.Report(-5, 10);
  line.Report(50, 10);
  line.Report(3, 0);  // nothing to do counts as done
  EXPECT_EQ(out.str(), "\rwirsel: 0%\033[K\rwirsel: 100%\033[K");
}

TEST(ProgressLine, PlugInReportsFallIntoTheirSpan) {
  std::ostringstream out;
  ProgressLine line(out, true);
  line.SetSpan(500, 250, 1000);  // 50%
  line.BeginCommand();
  line.ReportWithinSpan(1, 2);    // 62%
  line.ReportWithinSpan(9, 0);    // the span's end: 75%
  line.ReportWithinSpan(99, 10);  // never past it
  EXPECT_EQ(out.str(), "\rwirsel: 50%\033[K\rwirsel: 62%\033[K\rwirsel: 75%\033[K");
}

TEST(ProgressLine, ASpanNeverReachesPastTheWhole) {
  std::ostringstream out;
  ProgressLine line(out, true);
  line.SetSpan(900, 500, 1000);
  line.BeginCommand();
  line.ReportWithinSpan(1, 1);
  EXPECT_EQ(out.str(), "\rwirsel: 90%\033[K\rwirsel: 100%\033[K");
}

TEST(ProgressLine, ClearErasesAShownLineOnceAndTheNextReportDrawsAgain) {
  std::ostringstream out;
  ProgressLine line(out, true);
  line.Clear();
  EXPECT_EQ(out.str(), "");
  line.SetSpan(0, 10, 100);
  line.BeginCommand();
  line.ReportWithinSpan(1, 1);  // 10%
  line.Clear();
  line.Clear();
  line.BeginCommand();
  line.ReportWithinSpan(1, 2);  // the span is the whole again: 50%
  EXPECT_EQ(out.str(), "\rwirsel: 0%\033[K\rwirsel: 10%\033[K\r\033[K\rwirsel: 50%\033[K");
}

TEST(ProgressLine, ReadingBackAndForthKeepsTheLineSteadyUntilAnotherSource) {
  std::ostringstream out;
  ProgressLine line(out, true);
  line.BeginCommand();
  line.ReportWithinSpan(50, 100, 7);
  line.ReportWithinSpan(40, 100, 7);  // story 7 read again further back
  line.ReportWithinSpan(60, 100, 7);
  line.ReportWithinSpan(10, 100, 8);  // another story: its own figure
  line.BeginCommand();
  line.ReportWithinSpan(5, 100, 8);  // a new command starts afresh
  EXPECT_EQ(out.str(),
            "\rwirsel: 50%\033[K\rwirsel: 60%\033[K\rwirsel: 10%\033[K\rwirsel: 5%\033[K");
}

}  // namespace
