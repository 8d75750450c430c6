// UTC wall-clock time with a replaceable clock.
#include "platform/clock.h"

#include <time.h>

namespace platform {
namespace {

int64_t SystemSeconds() { return static_cast<int64_t>(time(nullptr)); }

ClockFunction gClock = SystemSeconds;

}  // namespace

int64_t NowSeconds() { return gClock(); }

UtcTime NowUtc() { return ToUtc(NowSeconds()); }

UtcTime ToUtc(int64_t seconds) {
  time_t t = static_cast<time_t>(seconds);
  struct tm parts = {};
  gmtime_r(&t, &parts);
  return UtcTime{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
                 parts.tm_hour,        parts.tm_min,     parts.tm_sec};
}

void SetClock(ClockFunction clock) { gClock = clock ? clock : SystemSeconds; }

}  // namespace platform
