// Character sets: the Windows-1250 table against the system's converter,
// the four repertoires, the display conversion and its scratch ring.
#include "base/charset.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "base/macce.h"
#include "platform/codepage.h"

namespace {

constexpr uint8_t kHoles[] = {0x81, 0x83, 0x88, 0x90, 0x98, 0xAC};

bool IsHole(int code) {
  for (uint8_t hole : kHoles) {
    if (hole == code) return true;
  }
  return false;
}

TEST(Win1250Table, MatchesTheSystemCodePageOutsideTheHoles) {
  for (int code = 0; code < 256; ++code) {
    uint16_t expected = 0;
    if (IsHole(code)) {
      EXPECT_EQ(Win1250ToUnicode(static_cast<uint8_t>(code)), 0xEFEF) << code;
      continue;
    }
    ASSERT_TRUE(platform::CodePageToUnicode(static_cast<uint8_t>(code), 1250, &expected)) << code;
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

TEST(Win1250Strings, BoundedBothWays) {
  uint16_t wide[4];
  EXPECT_EQ(Win1250ToUnicodeString("\xB9\xE6zx", -1, wide, 4), 3u);
  EXPECT_EQ(wide[0], 0x0105);
  EXPECT_EQ(wide[1], 0x0107);
  EXPECT_EQ(wide[2], 'z');
  EXPECT_EQ(wide[3], 0);
  EXPECT_EQ(Win1250ToUnicodeString("a\0b", 3, wide, 4), 3u);
  EXPECT_EQ(wide[2], 'b');
  const uint16_t values[] = {0x0142, 0x0416, 'A', 0x201E};
  char narrow[4];
  EXPECT_EQ(UnicodeToWin1250String(values, 4, narrow, sizeof narrow), 3u);
  EXPECT_EQ(std::string(narrow), std::string("\xB3\x16" "A"));
  EXPECT_EQ(UnicodeToWin1250String(nullptr, 4, narrow, sizeof narrow), 0u);
  EXPECT_EQ(narrow[0], 0);
}

// Every repertoire position names the same character in every code page.
TEST(Repertoires, AgreeWithTheSystemCodePages) {
  CharsetConverter mac_to_win(kCharsetMac, kCharsetWin);
  CharsetConverter mac_to_iso(kCharsetMac, kCharsetIso);
  const char* mac = MACCE("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ«»’„”“”—–™®©•");
  ASSERT_EQ(strlen(mac), 31u);
  for (int i = 0; i < 31; ++i) {
    uint8_t m = static_cast<uint8_t>(mac[i]);
    uint16_t from_mac = 0, from_win = 0, from_iso = 0;
    ASSERT_TRUE(platform::CodePageToUnicode(m, 10029, &from_mac));
    ASSERT_TRUE(platform::CodePageToUnicode(mac_to_win.ConvertChar(m), 1250, &from_win));
    EXPECT_EQ(from_mac, from_win) << i;
    if (i < 18) {
      ASSERT_TRUE(platform::CodePageToUnicode(mac_to_iso.ConvertChar(m), 28592, &from_iso));
      EXPECT_EQ(from_mac, from_iso) << i;
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
}

TEST(CharsetConverter, OnlyTheRepertoireIsConverted) {
  CharsetConverter iso(kCharsetIso, kCharsetWin);
  char text[] = "\xB1\xB6\xBC\xA6 \xE4";
  EXPECT_STREQ(iso.ConvertString(text), "\xB9\x9C\x9F\x8C \xE4");
  EXPECT_EQ(iso.ConvertCharBack(0x9C), 0xB6);
  CharsetConverter to_plain(kCharsetWin, kCharsetBez);
  char out[16];
  EXPECT_STREQ(to_plain.ConvertString("\x9F\xBF\xAF\x84\x93", out, sizeof out), "zzZ\x84\x93");
  EXPECT_EQ(to_plain.ConvertCharBack('z'), 'z');  // no way back from plain letters
  CharsetConverter from_plain(kCharsetBez, kCharsetWin);
  EXPECT_STREQ(from_plain.ConvertString("zaz", out, sizeof out), "zaz");
  EXPECT_EQ(from_plain.ConvertChar('a'), 'a');
}

TEST(CharsetConverter, StringFormsAndBounds) {
  CharsetConverter converter(kCharsetMac, kCharsetWin);
  char out[4] = "zz";
  EXPECT_STREQ(converter.ConvertString("\x88\x88\x88\x88\x88", out, sizeof out), "\xB9\xB9\xB9");
  EXPECT_STREQ(converter.ConvertString(nullptr, out, sizeof out), "");
  char chars[] = "\x88\x8D\x88";
  converter.ConvertChars(chars, 2);
  EXPECT_STREQ(chars, "\xB9\xE6\x88");
  char whole[] = "\x88\x8D\x88";
  converter.ConvertChars(whole, 0);
  EXPECT_STREQ(whole, "\xB9\xE6\xB9");
  char raw[3] = {'\x88', '\x88', 'x'};
  char copy[3] = {};
  converter.ConvertChars(raw, copy, 2);
  EXPECT_EQ(copy[1], '\xB9');
  EXPECT_EQ(copy[2], 0);  // no terminator appended
  EXPECT_EQ(converter.ConvertString(static_cast<char*>(nullptr)), nullptr);
}

TEST(ToWindowsText, ConvertsStoredTexts) {
  EXPECT_STREQ(ToWindowsText(MACCE("Usuń dywizy z ramki")), "Usu\xF1 dywizy z ramki");
  EXPECT_STREQ(ToWindowsText(MACCE("„cytat”")), "\x84" "cytat\x94");
  EXPECT_STREQ(ToWindowsText("\x8E"), "\x8E");  // é is not in the repertoire
  EXPECT_EQ(ToWindowsText(nullptr), nullptr);
  char out[8];
  EXPECT_STREQ(ToWindowsText(MACCE("Łódź i łąka"), out, sizeof out), "\xA3\xF3" "d\x9F i ");
}

TEST(ToWindowsText, SeventeenthResultReusesTheFirstBuffer) {
  const char* first = ToWindowsText("a");
  const char* seen[kScratchCount] = {first};
  for (int i = 1; i < kScratchCount; ++i) {
    seen[i] = ToWindowsText("b");
    for (int j = 0; j < i; ++j) EXPECT_NE(seen[i], seen[j]);
  }
  EXPECT_STREQ(first, "a");
  EXPECT_EQ(ToWindowsText("c"), first);
  EXPECT_STREQ(first, "c");
}

TEST(ToWindowsText, LongTextsStopAtTheScratchSize) {
  std::string text(2000, '\x88');
  const char* result = ToWindowsText(text.c_str());
  EXPECT_EQ(strlen(result), kScratchSize - 1);
  EXPECT_EQ(static_cast<uint8_t>(result[0]), 0xB9);
}

TEST(ConvertCharByCodePages, RoundTripThroughTwoCodePages) {
  uint16_t value = 0x00C5;  // Å: Mac Roman 0x81, which is Ā in Mac Central European
  EXPECT_EQ(ConvertCharByCodePages(&value), 0);
  EXPECT_EQ(value, 0x0100);
  value = '?';
  EXPECT_EQ(ConvertCharByCodePages(&value, 0, 0), 0);
  EXPECT_EQ(value, '?');
  value = 0x0105;  // ą has no Mac Roman byte
  EXPECT_EQ(ConvertCharByCodePages(&value), kConvertFailed);
  EXPECT_EQ(value, 0x0105);
  value = 0x0105;  // Mac CE 0x88 has no Windows-1250 character
  EXPECT_EQ(ConvertCharByCodePages(&value, kCodePageMacCentralEurope, 1250), kConvertFailed);
  EXPECT_EQ(value, 0x0105);
  value = 0x0142;
  EXPECT_EQ(ConvertCharByCodePages(&value, 1250, 1250), 0);
  EXPECT_EQ(value, 0x0142);
  EXPECT_EQ(ConvertCharByCodePages(nullptr), kConvertFailed);
}

}  // namespace
