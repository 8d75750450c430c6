// Findings a plug-in reports without stopping when nobody answers its message
// boxes (a quotation mark the typography pass cannot place, in a batch run),
// and their report on standard error in the form compilers use:
//   FILE:LINE:COLUMN: warning: text
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "host/model/types.h"

namespace wirsel::source {
class SourceDocument;
}

// Takes a finding at `position` of `story` (text in UTF-8) when the current
// front end answers message boxes with their defaults; false when a person
// or a dialog script answers them, and the plug-in then shows its own.
bool RecordFinding(wirsel::model::StoryId story, int32_t position, const std::string& text);

// A finding with its place: LINE and COLUMN count in the document's stories
// as they are now, taken in the caller's order, each from a new line, as
// `--format txt` writes them, or in the source file a source document was
// read from; soft hyphens added after a finding was taken do not move it.
struct PlacedFinding {
  wirsel::model::StoryId story;
  int64_t line = 0;
  int64_t column = 0;
  std::string text;  // starts with a small letter, to follow "warning: "
};

// The findings recorded since the last call, placed, in `order`; forgets
// them. The first story starts on `first_line`; positions in `source`'s
// story are those of its file.
std::vector<PlacedFinding> TakeFindings(const std::vector<wirsel::model::StoryId>& order,
                                        int64_t first_line = 1,
                                        const wirsel::source::SourceDocument* source = nullptr);

// Prints TakeFindings(order) on standard error in the compiler form; answers
// how many were printed.
size_t ReportFindings(const std::string& shown_name,
                      const std::vector<wirsel::model::StoryId>& order);
