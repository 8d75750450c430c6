// The suites of host operations as tables in function-number order, and the
// lookup behind the registration record's acquire_suite.
#pragma once

#include <cstdint>
#include <span>

#include "xtapi/xtapi.h"

// The whole table of a suite (entry k-1 is function number k); empty for an
// unknown identifier.
std::span<const xt_fn> SuiteTable(uint32_t suite_id);

std::span<const xt_fn> DocumentSuiteTable();
std::span<const xt_fn> StorySuiteTable();
std::span<const xt_fn> HjSuiteTable();
std::span<const xt_fn> EnvironmentSuiteTable();
std::span<const xt_fn> MenuSuiteTable();
std::span<const xt_fn> MemorySuiteTable();
std::span<const xt_fn> StringSuiteTable();
std::span<const xt_fn> DialogSuiteTable();

// Turns a function of any signature into a table entry.
template <typename F>
xt_fn Entry(F* function) {
  return reinterpret_cast<xt_fn>(function);
}
