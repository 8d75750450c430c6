// The host's state that the suites serve to the plug-ins: the workspace with
// its documents, the interface language, and what plug-ins registered with
// the host's environment (hyphenation methods).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/model/workspace.h"

struct HyphenationMethod {
  uint32_t plugin_id = 0;
  std::string name;  // as the plug-in sent it (Windows-1250)
  uint32_t languages[4] = {};
};

struct HostSession {
  wirsel::model::Workspace workspace;
  int16_t language = 0;  // 42 = Polish
  std::vector<HyphenationMethod> hyphenation_methods;
};

HostSession& Session();

// The front document, or null.
wirsel::model::Document* FrontDocument();
