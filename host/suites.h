// The suites of host operations as tables in function-number order, and the
// lookup behind the registration record's acquire_suite.
#pragma once

#include <cstdint>
#include <span>
#include <type_traits>

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

// Records that a suite function failed inside the host.
void ReportHostFailure();

// A table entry for F that never lets an exception into the plug-in's frames:
// a failure inside the host (out of memory) is reported as a host error and
// answered with -108 (signed results), 0 (unsigned), null or nothing.
template <auto F>
struct Guarded;

template <typename R, typename... A, R (*F)(A...)>
struct Guarded<F> {
  static R Call(A... args) noexcept {
    try {
      return F(args...);
    } catch (...) {
      ReportHostFailure();
      if constexpr (std::is_void_v<R>) {
        return;
      } else if constexpr (std::is_signed_v<R>) {
        return static_cast<R>(-108);
      } else {
        return R{};
      }
    }
  }
};

template <auto F>
xt_fn Entry() {
  return reinterpret_cast<xt_fn>(&Guarded<F>::Call);
}

// The table of a suite of `count` functions: F... in function-number order,
// each entry guarded as by Entry.
template <int count, auto... F>
std::span<const xt_fn> Suite() {
  static_assert(sizeof...(F) == count, "a suite table lists every function of the suite once");
  static const xt_fn table[] = {Entry<F>()...};
  return table;
}
