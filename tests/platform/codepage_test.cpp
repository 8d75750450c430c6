// Single characters through the system's code-page converters.
#include "platform/codepage.h"

#include <gtest/gtest.h>

namespace {

TEST(CodePage, OneByteEachWayOrFailure) {
  struct Case {
    uint16_t value;
    int32_t code_page;
    int byte;  // -1: no single byte
  } to_byte[] = {
      {0x0105, 10029, 0x88},  // ą in Mac Central European
      {0x0105, 10000, -1},    // not in Mac Roman
      {0x00C4, 10000, 0x80},  // Ä
      {'?', 10000, '?'},
      {'a', 4242, -1},        // unknown code page
      {0xD800, 10000, -1},    // a lone surrogate
  };
  for (const Case& c : to_byte) {
    uint8_t byte = 0;
    EXPECT_EQ(platform::UnicodeToCodePage(c.value, c.code_page, &byte), c.byte >= 0) << c.value;
    if (c.byte >= 0) {
      EXPECT_EQ(byte, c.byte) << c.value;
    }
  }
  uint16_t value = 0;
  ASSERT_TRUE(platform::CodePageToUnicode(0xFC, 10029, &value));
  EXPECT_EQ(value, 0x0141);  // Ł
  ASSERT_TRUE(platform::CodePageToUnicode(0xB9, 1250, &value));
  EXPECT_EQ(value, 0x0105);
  ASSERT_TRUE(platform::CodePageToUnicode(0xB1, 28592, &value));  // ISO-8859-2
  EXPECT_EQ(value, 0x0105);
  EXPECT_FALSE(platform::CodePageToUnicode(0x81, 1250, &value));
  EXPECT_FALSE(platform::CodePageToUnicode('a', 4242, &value));
}

}  // namespace
