// What the plug-in's typography pass would change in one line of text, as
// edits the language server offers as quick fixes. The pass runs through
// the plug-in's "Typography In Box" on a one-box document, as `wirsel typo`
// runs it, and the result is compared with the line.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "host/runtime.h"

struct TypographyEdit {
  size_t from = 0;  // UTF-16 units of the line
  size_t to = 0;
  std::u16string replacement;
};

class TypographyPass {
 public:
  // Starts the plug-ins; false with `error` when they cannot be loaded.
  bool Start(std::string* error);
  bool started() const { return started_; }
  // The edits that make `line` what the pass makes of it. Edits that touch
  // a character of `protected_units` (markup) are left out.
  std::vector<TypographyEdit> Changes(const std::u16string& line,
                                      const std::vector<bool>& protected_units);

 private:
  HostRuntime runtime_;
  bool started_ = false;
};

// The smallest edits turning `before` into `after` (common characters kept,
// found by a longest-common-subsequence walk; very long changed stretches
// become one edit).
std::vector<TypographyEdit> DiffEdits(const std::u16string& before, const std::u16string& after);
