// Character sets: the Windows-1250 table against the system's converter, the
// four repertoires, the classes the word rules read, stored Mac texts
// converted for display and the code-page round trip of one character.
#include "base/charset.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cstring>
#include <string>

#include "base/macce.h"

namespace {

// The UTF-16 value the system's converter gives one byte of `code_page`
// (an iconv name), or -1 when the byte has none there.
int32_t SystemReading(uint8_t byte, const char* code_page) {
  iconv_t cd = iconv_open("UTF-16LE", code_page);
  if (cd == reinterpret_cast<iconv_t>(-1)) return -1;
  char in[1] = {static_cast<char>(byte)};
  unsigned char out[4] = {};
  char* in_ptr = in;
  char* out_ptr = reinterpret_cast<char*>(out);
  size_t in_left = 1;
  size_t out_left = sizeof out;
  const size_t result = iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left);
  iconv_close(cd);
  if (result != 0 || out_left != 2) return -1;
  return out[0] | out[1] << 8;
}

constexpr uint8_t kHoles[] = {0x81, 0x83, 0x88, 0x90, 0x98, 0xAC};

bool IsHole(int code) {
  for (uint8_t hole : kHoles) {
    if (hole == code) return true;
  }
  return false;
}

TEST(Win1250Table, MatchesTheSystemCodePageOutsideTheHoles) {
  for (int code = 0; code < 256; ++code) {
    if (IsHole(code)) {
      EXPECT_EQ(Win1250ToUnicode(static_cast<uint8_t>(code)), 0xEFEF) << code;
      continue;
    }
    const int32_t reading = SystemReading(static_cast<uint8_t>(code), "CP1250");
    ASSERT_GE(reading, 0) << code;
    const auto expected = static_cast<uint16_t>(reading);
    EXPECT_EQ(Win1250ToUnicode(static_cast<uint8_t>(code)), expected) << code;
    EXPECT_EQ(UnicodeToWin1250(expected), code) << code;
    EXPECT_EQ(Win1250CodeOf(expected), code) << code;
  }
}

TEST(Win1250Table, ValuesWithoutACode) {
  EXPECT_EQ(UnicodeToWin1250(0x00AC), 0xAC);  // ¬ keeps its byte
  EXPECT_EQ(Win1250CodeOf(0x00AC), 0xAC);
  EXPECT_EQ(UnicodeToWin1250(0x0416), 0x0416);  // Ж is returned unchanged
  EXPECT_EQ(Win1250CodeOf(0x0416), -1);
  // Latin-1 characters the code page lacks must be told apart from the
  // Polish letters that share their low byte.
  EXPECT_EQ(Win1250CodeOf(0x00BF), -1);  // ¿, not ż (0xBF)
  EXPECT_EQ(Win1250CodeOf(0x00B3), -1);  // ³, not ł
  EXPECT_EQ(Win1250CodeOf(0x0084), -1);  // C1 control, not „
  EXPECT_EQ(Win1250CodeOf(0xEFEF), -1);
}

TEST(Win1250Strings, BoundedAndTerminated) {
  const uint16_t values[] = {0x0142, 0x0416, 'A', 0x201E};
  char narrow[4];
  EXPECT_EQ(UnicodeToWin1250String(values, 4, narrow, sizeof narrow), 3u);
  EXPECT_EQ(std::string(narrow), std::string("\xB3\x16" "A"));
  EXPECT_EQ(UnicodeToWin1250String(nullptr, 4, narrow, sizeof narrow), 0u);
  EXPECT_EQ(narrow[0], 0);
  uint16_t wide[4];
  EXPECT_EQ(Win1250ToUnicodeString("\xB9\xE6zx", -1, wide, 4), 3u);
  EXPECT_EQ(std::u16string(wide, wide + 4), std::u16string(u"\u0105\u0107z\0", 4));
  EXPECT_EQ(Win1250ToUnicodeString("a\0b", 3, wide, 4), 3u);  // an explicit count passes NULs
  EXPECT_EQ(wide[2], 'b');
}

// Every position of the Mac repertoire names the same character in
// Windows-1250 and, for the letters, in ISO-8859-2.
TEST(Repertoires, AgreeWithTheSystemCodePages) {
  CharsetConverter mac_to_win(kCharsetMac, kCharsetWin);
  CharsetConverter mac_to_iso(kCharsetMac, kCharsetIso);
  const char* mac = MACCE("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ«»’„”“”—–™®©•");
  ASSERT_EQ(strlen(mac), 31u);
  for (int i = 0; i < 31; ++i) {
    uint8_t m = static_cast<uint8_t>(mac[i]);
    const int32_t from_mac = SystemReading(m, "MAC-CENTRALEUROPE");
    ASSERT_GE(from_mac, 0) << i;
    EXPECT_EQ(SystemReading(mac_to_win.ConvertChar(m), "CP1250"), from_mac) << i;
    if (i < 18) {
      EXPECT_EQ(SystemReading(mac_to_iso.ConvertChar(m), "ISO-8859-2"), from_mac) << i;
    }
  }
}

TEST(CharsetConverter, ClassesAndCaseOfTheSourceRepertoire) {
  CharsetConverter win(kCharsetWin, kCharsetMac);
  EXPECT_EQ(win.ClassOf(0xB9), kClassPolish | kClassLower);  // ą
  EXPECT_EQ(win.ClassOf(0xA5), kClassPolish | kClassUpper);  // Ą
  EXPECT_EQ(win.ClassOf(0x84), kClassTypo);                  // „
  EXPECT_EQ(win.ClassOf('a'), kClassLower);
  EXPECT_EQ(win.ClassOf('7'), kClassDigit);
  EXPECT_EQ(win.ClassOf('\t'), kClassSpace);
  EXPECT_EQ(win.ClassOf(','), kClassPunct);
  EXPECT_EQ(win.ClassOf(0xE4), 0u);  // ä is no Polish letter
  EXPECT_EQ(win.ToUpper(0x9F), 0x8F);  // ź -> Ź
  EXPECT_EQ(win.ToLower(0xAF), 0xBF);  // Ż -> ż
  EXPECT_EQ(win.ToUpper('q'), 'Q');
  EXPECT_EQ(win.ToUpper(0x84), 0x84);
  win.SelectSourceCharset(kCharsetMac);  // the same byte means something else now
  EXPECT_EQ(win.ClassOf(0x88), kClassPolish | kClassLower);
  EXPECT_EQ(win.ClassOf(0xB9), 0u);
  win.SelectSourceCharset(7);  // outside 0..3: "bez"
  EXPECT_EQ(win.SourceCharset(), kCharsetBez);
}

TEST(CharsetConverter, OnlyTheRepertoireIsConverted) {
  CharsetConverter iso(kCharsetIso, kCharsetWin);
  char text[] = "\xB1\xB6\xBC\xA6 \xE4";
  EXPECT_STREQ(iso.ConvertString(text), "\xB9\x9C\x9F\x8C \xE4");
  CharsetConverter to_plain(kCharsetWin, kCharsetBez);
  char out[16];
  EXPECT_STREQ(to_plain.ConvertString("\x9F\xBF\xAF\x84\x93", out, sizeof out), "zzZ\x84\x93");
  CharsetConverter from_plain(kCharsetBez, kCharsetWin);
  EXPECT_STREQ(from_plain.ConvertString("zaz", out, sizeof out), "zaz");
  EXPECT_EQ(from_plain.ConvertChar('a'), 'a');
}

TEST(CharsetConverter, StringFormsAndBounds) {
  CharsetConverter converter(kCharsetMac, kCharsetWin);
  char out[4] = "zz";
  EXPECT_STREQ(converter.ConvertString("\x88\x88\x88\x88\x88", out, sizeof out), "\xB9\xB9\xB9");
  EXPECT_STREQ(converter.ConvertString(nullptr, out, sizeof out), "");
  char whole[] = "\x88\x8D\x88";
  EXPECT_STREQ(converter.ConvertString(whole), "\xB9\xE6\xB9");
  EXPECT_EQ(converter.ConvertString(static_cast<char*>(nullptr)), nullptr);
  char chars[] = "\x88\x8D\x88";
  converter.ConvertChars(chars, 2);
  EXPECT_STREQ(chars, "\xB9\xE6\x88");
  char all[] = "\x88\x8D\x88";
  converter.ConvertChars(all, 0);  // below 1: the whole string
  EXPECT_STREQ(all, "\xB9\xE6\xB9");
  char raw[3] = {'\x88', '\x88', 'x'};
  char copy[3] = {};
  converter.ConvertChars(raw, copy, 2);
  EXPECT_EQ(copy[1], '\xB9');
  EXPECT_EQ(copy[2], 0);  // no terminator appended
}

TEST(ConvertCharByCodePages, RoundTripThroughTwoCodePages) {
  struct Case {
    uint16_t value;
    int32_t from, to;
    int32_t result;
    uint16_t after;
  } cases[] = {
      {0x00C5, 0, 0, 0, 0x0100},  // Å: Mac Roman 0x81, which is Ā in Mac Central European
      {0x0142, 1250, 1250, 0, 0x0142},
      {0x0105, 0, 0, kConvertFailed, 0x0105},  // ą has no Mac Roman byte
      {0x0105, kCodePageMacCentralEurope, 1250, kConvertFailed, 0x0105},  // 0x88: none in 1250
      {'?', 0, 0, kConvertFailed, '?'},  // indistinguishable from a failed conversion
      {'a', 4242, 0, kConvertFailed, 'a'},  // unknown code page
  };
  for (const Case& c : cases) {
    uint16_t value = c.value;
    EXPECT_EQ(ConvertCharByCodePages(&value, c.from, c.to), c.result) << c.value;
    EXPECT_EQ(value, c.after) << c.value;
  }
  EXPECT_EQ(ConvertCharByCodePages(nullptr), kConvertFailed);
}

TEST(ToWindowsText, ConvertsStoredTexts) {
  EXPECT_STREQ(ToWindowsText(MACCE("Usuń dywizy z ramki")), "Usu\xF1 dywizy z ramki");
  EXPECT_STREQ(ToWindowsText(MACCE("„cytat”")), "\x84" "cytat\x94");
  EXPECT_STREQ(ToWindowsText("\x8E"), "\x8E");  // é is not in the repertoire
  EXPECT_EQ(ToWindowsText(nullptr), nullptr);
  char out[8];
  EXPECT_STREQ(ToWindowsText(MACCE("Łódź i łąka"), out, sizeof out), "\xA3\xF3" "d\x9F i ");
}

// Callers hold several results at once (one message built of two texts);
// the seventeenth result reuses the first buffer.
TEST(ToWindowsText, ResultsHeldTogetherStayApart) {
  const char* first = ToWindowsText(MACCE("ą"));
  const char* second = ToWindowsText(MACCE("ę"));
  EXPECT_STREQ(first, "\xB9");
  EXPECT_STREQ(second, "\xEA");
  for (int i = 2; i < kScratchCount; ++i) EXPECT_NE(ToWindowsText("b"), first);
  EXPECT_STREQ(first, "\xB9");
  EXPECT_EQ(ToWindowsText("c"), first);
}

TEST(ToWindowsText, LongTextsStopAtTheScratchSize) {
  std::string text(2000, '\x88');
  const char* result = ToWindowsText(text.c_str());
  EXPECT_EQ(strlen(result), kScratchSize - 1);
  EXPECT_EQ(static_cast<uint8_t>(result[0]), 0xB9);
}

}  // namespace
