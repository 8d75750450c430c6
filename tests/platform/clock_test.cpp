// The replaceable clock and its UTC breakdown.
#include <gtest/gtest.h>
#include <time.h>

#include "platform/clock.h"

namespace {

int64_t FixedClock() { return 1767323045; }  // 2026-01-02 03:04:05 UTC

TEST(Clock, InjectedClockAndUtcBreakdown) {
  platform::SetClock(FixedClock);
  platform::UtcTime now = platform::NowUtc();
  EXPECT_EQ(now.year, 2026);
  EXPECT_EQ(now.month, 1);
  EXPECT_EQ(now.day, 2);
  EXPECT_EQ(now.hour, 3);
  EXPECT_EQ(now.minute, 4);
  EXPECT_EQ(now.second, 5);
  platform::SetClock(nullptr);
  EXPECT_NEAR(static_cast<double>(platform::NowSeconds()), static_cast<double>(time(nullptr)), 5.0);
  platform::UtcTime leap = platform::ToUtc(951782400);  // 2000-02-29
  EXPECT_EQ(leap.month, 2);
  EXPECT_EQ(leap.day, 29);
}

}  // namespace
