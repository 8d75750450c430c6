// The replaceable clock and single-character code-page conversion.
#include <gtest/gtest.h>
#include <time.h>

#include "platform/clock.h"
#include "platform/codepage.h"

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

TEST(CodePage, MacCentralEuropeanAndMacRoman) {
  uint8_t byte = 0;
  ASSERT_TRUE(platform::UnicodeToCodePage(0x0105, 10029, &byte));  // ą
  EXPECT_EQ(byte, 0x88);
  EXPECT_FALSE(platform::UnicodeToCodePage(0x0105, 10000, &byte));
  ASSERT_TRUE(platform::UnicodeToCodePage(0x00C4, 10000, &byte));  // Ä
  EXPECT_EQ(byte, 0x80);
  uint16_t value = 0;
  ASSERT_TRUE(platform::CodePageToUnicode(0xFC, 10029, &value));
  EXPECT_EQ(value, 0x0141);  // Ł
  ASSERT_TRUE(platform::CodePageToUnicode(0xB9, 1250, &value));
  EXPECT_EQ(value, 0x0105);
  EXPECT_FALSE(platform::CodePageToUnicode(0x81, 1250, &value));
}

TEST(CodePage, UnknownCodePagesAndSurrogatesFail) {
  uint8_t byte = 0;
  uint16_t value = 0;
  EXPECT_FALSE(platform::UnicodeToCodePage('a', 4242, &byte));
  EXPECT_FALSE(platform::CodePageToUnicode('a', 4242, &value));
  EXPECT_FALSE(platform::UnicodeToCodePage(0xD800, 10000, &byte));
  ASSERT_TRUE(platform::UnicodeToCodePage('?', 10000, &byte));
  EXPECT_EQ(byte, '?');
}

}  // namespace
