// The report of `wirsel proof`: each finding (an unknown word with its
// suggestions, or a typography warning) as a line in the form compilers use,
// FILE:LINE:COLUMN: word -> suggestion, ..., or as one JSON object per line
// for programs.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

struct ReportEntry {
  enum class Kind { kSpelling, kTypography };
  Kind kind = Kind::kSpelling;
  std::string file;
  int64_t line = 0;
  int64_t column = 0;      // from 1, in characters
  int64_t end_column = 0;  // the column just after the word
  std::string word;        // UTF-8
  std::vector<std::string> suggestions;  // UTF-8, best first
  std::string message;     // a typography warning's text
};

enum class ReportFormat { kText, kJson };

// "text" or "json"; false for anything else.
bool ParseReportFormat(const std::string& name, ReportFormat& format);

// One line, with its line end.
std::string FormatReportEntry(const ReportEntry& entry, ReportFormat format);
