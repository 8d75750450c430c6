// Report lines as text or JSON.
#include "host/proof_report.h"

#include <nlohmann/json.hpp>

bool ParseReportFormat(const std::string& name, ReportFormat& format) {
  if (name == "text" || name == "txt") {
    format = ReportFormat::kText;
    return true;
  }
  if (name == "json") {
    format = ReportFormat::kJson;
    return true;
  }
  return false;
}

std::string FormatReportEntry(const ReportEntry& entry, ReportFormat format) {
  const bool spelling = entry.kind == ReportEntry::Kind::kSpelling;
  if (format == ReportFormat::kJson) {
    nlohmann::ordered_json out;
    out["file"] = entry.file;
    out["line"] = entry.line;
    out["column"] = entry.column;
    out["end_column"] = entry.end_column;
    out["word"] = entry.word;
    out["suggestions"] = entry.suggestions;
    out["kind"] = spelling ? "spelling" : "typography";
    if (!spelling) out["message"] = entry.message;
    // Bytes that are no UTF-8 (a file name) are replaced rather than refused.
    return out.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
  }
  std::string line = entry.file + ':' + std::to_string(entry.line) + ':' +
                     std::to_string(entry.column) + ": ";
  if (!spelling) return line + "warning: " + entry.message + "\n";
  line += entry.word;
  for (std::size_t i = 0; i < entry.suggestions.size(); ++i) {
    line += (i == 0 ? " -> " : ", ") + entry.suggestions[i];
  }
  return line + "\n";
}
