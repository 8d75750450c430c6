// Suite lookup by four-character identifier.
#include "host/suites.h"

#include "host/frontend.h"

std::span<const xt_fn> SuiteTable(uint32_t suite_id) {
  switch (suite_id) {
    case XT_SUITE_DOCUMENT: return DocumentSuiteTable();
    case XT_SUITE_STORY: return StorySuiteTable();
    case XT_SUITE_HJ: return HjSuiteTable();
    case XT_SUITE_ENVIRONMENT: return EnvironmentSuiteTable();
    case XT_SUITE_MENU: return MenuSuiteTable();
    case XT_SUITE_MEMORY: return MemorySuiteTable();
    case XT_SUITE_STRING: return StringSuiteTable();
    case XT_SUITE_DIALOG: return DialogSuiteTable();
    default: return {};
  }
}

void ReportHostFailure() {
  ReportHostError("the host could not complete an operation of the plug-in (out of memory)");
}
