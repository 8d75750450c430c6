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

// Takes a finding at `position` of `story` (text in UTF-8) when the current
// front end answers message boxes with their defaults; false when a person
// or a dialog script answers them, and the plug-in then shows its own.
bool RecordFinding(wirsel::model::StoryId story, int32_t position, const std::string& text);

// Prints the findings recorded since the last call and forgets them; answers
// how many were printed. LINE and COLUMN count in the document's stories as
// they are now, taken in `order`, each from a new line (the first from line
// 1), as `--format txt` writes them; soft hyphens added after a finding was
// taken do not move it.
size_t ReportFindings(const std::string& shown_name,
                      const std::vector<wirsel::model::StoryId>& order);
