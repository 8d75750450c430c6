// Windows-1250 <-> UTF-16, the four Polish repertoires and the display
// conversion of stored Mac Central European texts.
#include "base/charset.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "platform/codepage.h"

namespace {

constexpr uint16_t kNoChar = 0xEFEF;

// UTF-16 values of the Windows-1250 codes 0x80..0xFF.
constexpr uint16_t kWin1250High[128] = {
    0x20AC, kNoChar, 0x201A, kNoChar, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    kNoChar, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  // 88
    kNoChar, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    kNoChar, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,   // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, kNoChar, 0x00AD, 0x00AE, 0x017B,  // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,   // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,   // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,   // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,   // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,   // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,   // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,   // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,   // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,   // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,   // F8
};

// The repertoires: 9 lower-case Polish letters, their 9 capitals, then the
// 13 typographic characters « » ’ „ ” “ ” — – ™ ® © •.
constexpr int kLetters = 18;
constexpr const char* kNames[kCharsetCount] = {"bez", "iso", "win", "mac"};
constexpr const char* kRepertoires[kCharsetCount] = {
    "acelnoszzACELNOSZZ",
    "\xB1\xE6\xEA\xB3\xF1\xF3\xB6\xBC\xBF\xA1\xC6\xCA\xA3\xD1\xD3\xA6\xAC\xAF"
    "\xAB\xBB\x92\x84\x94\x93\x94\x97\x96\x99\xAE\xA9\x95",
    "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF"
    "\xAB\xBB\x92\x84\x94\x93\x94\x97\x96\x99\xAE\xA9\x95",
    "\x88\x8D\xAB\xB8\xC4\x97\xE6\x90\xFD\x84\x8C\xA2\xFC\xC1\xEE\xE5\x8F\xFB"
    "\xC7\xC8\xD5\xE3\xD3\xD2\xD3\xD1\xD0\xAA\xA8\xA9\xA5",
};

int ValidIndex(int index) { return index >= 0 && index < kCharsetCount ? index : 0; }

uint8_t At(const char* repertoire, size_t i) { return static_cast<uint8_t>(repertoire[i]); }

uint32_t AsciiClass(int c) {
  if (c >= 'A' && c <= 'Z') return kClassUpper;
  if (c >= 'a' && c <= 'z') return kClassLower;
  if (c >= '0' && c <= '9') return kClassDigit;
  if (c == ' ' || (c >= '\t' && c <= '\r')) return kClassSpace;
  if (c > ' ' && c < 0x7F) return kClassPunct;
  return 0;
}

}  // namespace

CharsetConverter::CharsetConverter(int source, int target) {
  Reset();
  SelectSourceCharset(source);
  SelectTargetCharset(target);
}

const char* CharsetConverter::Name(int index) {
  return index >= 0 && index < kCharsetCount ? kNames[index] : "";
}

void CharsetConverter::SelectSourceCharset(int index) {
  index = ValidIndex(index);
  if (index == source_) return;
  source_ = index;
  BuildSourceTables();
  BuildConversionTables();
}

void CharsetConverter::SelectTargetCharset(int index) {
  index = ValidIndex(index);
  if (index == target_) return;
  target_ = index;
  BuildConversionTables();
}

void CharsetConverter::Reset() {
  source_ = kCharsetNone;
  target_ = kCharsetNone;
  BuildSourceTables();
  BuildConversionTables();
}

void CharsetConverter::BuildSourceTables() {
  for (int c = 0; c < 256; ++c) {
    class_[c] = c < 0x80 ? AsciiClass(c) : 0;
    lower_[c] = upper_[c] = static_cast<uint8_t>(c);
    if (c >= 'A' && c <= 'Z') lower_[c] = static_cast<uint8_t>(c - 'A' + 'a');
    if (c >= 'a' && c <= 'z') upper_[c] = static_cast<uint8_t>(c - 'a' + 'A');
  }
  if (source_ == kCharsetNone) return;
  const char* repertoire = kRepertoires[source_];
  size_t length = strlen(repertoire);
  for (size_t i = 0; i < length; ++i) {
    uint8_t c = At(repertoire, i);
    if (class_[c] & (kClassPolish | kClassTypo)) continue;  // the first occurrence counts
    if (i < kLetters / 2) class_[c] = kClassPolish | kClassLower;
    else if (i < kLetters) class_[c] = kClassPolish | kClassUpper;
    else class_[c] = kClassTypo;
  }
  for (size_t i = 0; i < kLetters / 2; ++i) {
    uint8_t small = At(repertoire, i);
    uint8_t capital = At(repertoire, i + kLetters / 2);
    upper_[small] = capital;
    lower_[capital] = small;
  }
}

void CharsetConverter::BuildConversionTables() {
  for (int c = 0; c < 256; ++c) forward_[c] = static_cast<uint8_t>(c);
  if (source_ == kCharsetNone || target_ == kCharsetNone) return;
  const char* source = kRepertoires[source_];
  const char* target = kRepertoires[target_];
  size_t target_length = strlen(target);
  for (int c = 0; c < 256; ++c) {
    if (!(class_[c] & (kClassPolish | kClassTypo))) continue;
    size_t i = static_cast<size_t>(strchr(source, c) - source);
    if (i >= target_length) continue;
    uint8_t to = At(target, i);
    if (source_ != kCharsetBez) forward_[c] = to;
  }
}

void CharsetConverter::Convert(const char* text, char* out, size_t length) const {
  for (size_t i = 0; i < length; ++i) out[i] = static_cast<char>(forward_[static_cast<uint8_t>(text[i])]);
}

char* CharsetConverter::ConvertString(char* text) const {
  if (text) Convert(text, text, strlen(text));
  return text;
}

char* CharsetConverter::ConvertString(const char* text, char* out, size_t out_size) const {
  if (!out || out_size == 0) return out;
  size_t length = text ? strnlen(text, out_size - 1) : 0;
  Convert(text, out, length);
  out[length] = 0;
  return out;
}

void CharsetConverter::ConvertChars(char* text, int count) const { ConvertChars(text, text, count); }

void CharsetConverter::ConvertChars(const char* text, char* out, int count) const {
  if (text && out) Convert(text, out, count < 1 ? strlen(text) : static_cast<size_t>(count));
}

uint8_t CharsetConverter::ConvertChar(uint8_t code) const { return forward_[code]; }
uint8_t CharsetConverter::ToLower(uint8_t code) const { return lower_[code]; }
uint8_t CharsetConverter::ToUpper(uint8_t code) const { return upper_[code]; }
uint32_t CharsetConverter::ClassOf(uint8_t code) const { return class_[code]; }

namespace {

const CharsetConverter& DisplayConverter() {
  static const CharsetConverter converter(kCharsetMac, kCharsetWin);
  return converter;
}

}  // namespace

const char* ToWindowsText(const char* mac) {
  static char ring[kScratchCount][kScratchSize];
  static int next = 0;
  if (!mac) return nullptr;
  char* slot = ring[next];
  next = (next + 1) % kScratchCount;
  return DisplayConverter().ConvertString(mac, slot, kScratchSize);
}

char* ToWindowsText(const char* mac, char* out, size_t out_size) {
  return DisplayConverter().ConvertString(mac, out, out_size);
}

uint16_t Win1250ToUnicode(uint8_t code) { return code < 0x80 ? code : kWin1250High[code - 0x80]; }

// The table read backwards: (UTF-16 value, code) pairs sorted by value, so a
// story character costs a binary search of seven steps, not a scan of 128.
struct ReverseEntry {
  uint16_t value;
  uint8_t code;
};

struct ReverseTable {
  std::array<ReverseEntry, 128> entries{};
  size_t size = 0;
  ReverseTable() {
    for (int i = 0; i < 128; ++i) {
      if (kWin1250High[i] != kNoChar)
        entries[size++] = {kWin1250High[i], static_cast<uint8_t>(0x80 + i)};
    }
    std::sort(entries.begin(), entries.begin() + size,
              [](const ReverseEntry& a, const ReverseEntry& b) { return a.value < b.value; });
  }
};

uint16_t Win1250ReadingOf(uint8_t code) {
  const uint16_t value = Win1250ToUnicode(code);
  return value == kNoChar ? code : value;
}

int32_t Win1250ByteOf(char32_t value) {
  if (value > 0xFFFF) return -1;
  const int32_t code = Win1250CodeOf(static_cast<uint16_t>(value));
  if (code >= 0) return code;
  return value >= 0x80 && value <= 0xFF && Win1250ToUnicode(static_cast<uint8_t>(value)) == kNoChar
             ? static_cast<int32_t>(value)
             : -1;
}

int32_t Win1250CodeOf(uint16_t value) {
  if (value < 0x80 || value == 0x00AC) return value;
  static const ReverseTable table;
  const auto end = table.entries.begin() + table.size;
  const auto found = std::lower_bound(
      table.entries.begin(), end, value,
      [](const ReverseEntry& entry, uint16_t v) { return entry.value < v; });
  return found != end && found->value == value ? found->code : -1;
}

uint16_t UnicodeToWin1250(uint16_t value) {
  int32_t code = Win1250CodeOf(value);
  return code < 0 ? value : static_cast<uint16_t>(code);
}

size_t Win1250ToUnicodeString(const char* text, ptrdiff_t count, uint16_t* out, size_t out_count) {
  if (!out || out_count == 0) return 0;
  size_t length = !text ? 0 : count < 0 ? strlen(text) : static_cast<size_t>(count);
  if (length > out_count - 1) length = out_count - 1;
  for (size_t i = 0; i < length; ++i) out[i] = Win1250ToUnicode(static_cast<uint8_t>(text[i]));
  out[length] = 0;
  return length;
}

size_t UnicodeToWin1250String(const uint16_t* values, size_t count, char* out, size_t out_size) {
  if (!out || out_size == 0) return 0;
  size_t length = values ? count : 0;
  if (length > out_size - 1) length = out_size - 1;
  for (size_t i = 0; i < length; ++i) out[i] = static_cast<char>(UnicodeToWin1250(values[i]) & 0xFF);
  out[length] = 0;
  return length;
}

int32_t ConvertCharByCodePages(uint16_t* value, int32_t from, int32_t to) {
  if (!value) return kConvertFailed;
  uint8_t byte = 0;
  uint16_t back = 0;
  if (!platform::UnicodeToCodePage(*value, from ? from : kCodePageMacRoman, &byte) ||
      !platform::CodePageToUnicode(byte, to ? to : kCodePageMacCentralEurope, &back)) {
    return kConvertFailed;
  }
  // A "?" cannot be told from the placeholder converters put for what they
  // cannot convert, so it counts as a failure.
  if (byte == '?') return kConvertFailed;
  *value = back;
  return 0;
}
