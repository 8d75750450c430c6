// Wall-clock time in UTC, with a replaceable clock so tests can fix "now".
#pragma once

#include <cstdint>

namespace platform {

struct UtcTime {
  int year;    // e.g. 2026
  int month;   // 1..12
  int day;     // 1..31
  int hour;    // 0..23
  int minute;  // 0..59
  int second;  // 0..60
};

// Seconds since 1970-01-01 00:00:00 UTC.
using ClockFunction = int64_t (*)();

// The current time from the installed clock (the system clock by default).
int64_t NowSeconds();
UtcTime NowUtc();
// Breaks `seconds` down in UTC.
UtcTime ToUtc(int64_t seconds);
// Installs a clock (null restores the system clock).
void SetClock(ClockFunction clock);

}  // namespace platform
