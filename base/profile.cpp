// The profile settings store over platform INI files: one shared target,
// value escapes for characters, hexadecimal text for byte blocks, batches of
// writes, and the file's UTF-8 (values are Windows-1250 in memory).
#include "base/profile.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "base/charset.h"
#include "platform/files.h"
#include "platform/ini.h"
#include "platform/paths.h"

namespace {

char gFile[kProfilePathSize];
char gSection[kProfileSectionSize];
int32_t gWriteStatus = 0;

// Writes collected between BeginProfileBatch and FlushProfile.
struct PendingWrite {
  std::string section;
  std::string key;
  std::optional<std::string> value;
};
bool gBatch = false;
std::vector<PendingWrite> gPending;

constexpr size_t kReadSize = 255;

// Copies `value` into the target half; false (and "") when it does not fit.
bool Store(char* half, size_t size, const char* value) {
  size_t length = strlen(value);
  if (length >= size) {
    half[0] = 0;
    return false;
  }
  memcpy(half, value, length + 1);
  return true;
}

bool CopyOut(char* out, size_t size, const char* value) {
  if (!out) return true;
  if (size == 0) return false;
  return Store(out, size, value);
}

// The length of the UTF-8 sequence at text[0], or 0 when it is none.
size_t Utf8Length(const unsigned char* text) {
  const unsigned char b = text[0];
  const size_t extra = b >= 0xC2 && b < 0xE0 ? 1 : b >= 0xE0 && b < 0xF0 ? 2 : b >= 0xF0 && b < 0xF5 ? 3 : 0;
  if (extra == 0) return 0;
  for (size_t k = 1; k <= extra; ++k) {
    if ((text[k] & 0xC0) != 0x80) return 0;
  }
  return extra + 1;
}

bool IsUtf8(const std::string& text) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.c_str());
  while (*p) {
    if (*p < 0x80) {
      ++p;
      continue;
    }
    const size_t length = Utf8Length(p);
    if (length == 0) return false;
    p += length;
  }
  return true;
}

std::string Win1250ToUtf8(const std::string& text) {
  std::string out;
  for (const char c : text) {
    const uint8_t byte = static_cast<uint8_t>(c);
    uint16_t v = Win1250ToUnicode(byte);
    if (v == 0xEFEF) v = byte;
    if (v < 0x80) {
      out.push_back(static_cast<char>(v));
    } else if (v < 0x800) {
      out.push_back(static_cast<char>(0xC0 | v >> 6));
      out.push_back(static_cast<char>(0x80 | (v & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xE0 | v >> 12));
      out.push_back(static_cast<char>(0x80 | (v >> 6 & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (v & 0x3F)));
    }
  }
  return out;
}

// A value as read: UTF-8 turned into Windows-1250 ('?' for a character the
// code page lacks); a value that is not UTF-8 comes from an earlier
// installation's Windows-1250 file and is taken as it is.
std::string FromFile(const std::string& text) {
  if (!IsUtf8(text)) return text;
  std::string out;
  const auto* p = reinterpret_cast<const unsigned char*>(text.c_str());
  while (*p) {
    if (*p < 0x80) {
      out.push_back(static_cast<char>(*p++));
      continue;
    }
    const size_t length = Utf8Length(p);
    uint32_t value = *p & (0x3F >> (length - 1));
    for (size_t k = 1; k < length; ++k) value = value << 6 | (p[k] & 0x3F);
    p += length;
    const int32_t code = value < 0x10000 ? Win1250CodeOf(static_cast<uint16_t>(value)) : -1;
    out.push_back(code > 0 ? static_cast<char>(code) : '?');
  }
  return out;
}

// A file that is not UTF-8 is an earlier installation's Windows-1250 one:
// the first write turns all of it into UTF-8.
void UpgradeLegacyFile(std::string* data) {
  if (!IsUtf8(*data)) *data = Win1250ToUtf8(*data);
}

void NoteStatus(int error) {
  if (error != 0 && gWriteStatus == 0) gWriteStatus = error;
}

int WritePending() {
  std::vector<platform::IniChange> changes;
  for (const PendingWrite& w : gPending) {
    changes.push_back({w.section.c_str(), w.key.c_str(), w.value ? w.value->c_str() : nullptr});
  }
  const int error = gPending.empty() ? 0
                                     : platform::IniWriteMany(gFile, changes.data(), changes.size(),
                                                              UpgradeLegacyFile);
  gPending.clear();
  return error;
}

bool Write(const char* key, const char* value) {
  if (!gFile[0] || !gSection[0] || !key) {
    NoteStatus(ENOENT);
    return false;
  }
  PendingWrite write{gSection, key, std::nullopt};
  if (value) write.value = Win1250ToUtf8(value);
  gPending.push_back(std::move(write));
  if (gBatch) return true;
  const int error = WritePending();
  NoteStatus(error);
  return error == 0;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 0;
}

// atoi with the result held to 32 bits (a huge number gives the nearest limit).
int32_t ToInt(const char* text) {
  long long value = strtoll(text, nullptr, 10);
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(value);
}

}  // namespace

bool GetProfileTarget(char* file, size_t file_size, char* section, size_t section_size) {
  bool file_ok = CopyOut(file, file_size, gFile);
  bool section_ok = CopyOut(section, section_size, gSection);
  return file_ok && section_ok;
}

bool SetProfileTarget(const char* file, const char* section) {
  if (file && !gPending.empty()) NoteStatus(WritePending());
  bool ok = true;
  if (file) ok = Store(gFile, sizeof gFile, file) && ok;
  if (section) ok = Store(gSection, sizeof gSection, section) && ok;
  return ok;
}

size_t ReadProfileString(const char* key, const char* def, char* buffer, size_t size) {
  if (!gPending.empty()) NoteStatus(WritePending());
  const char* file = gFile[0] && gSection[0] ? gFile : "";
  // A UTF-8 value takes up to three bytes a character; the sentinel tells a
  // missing key from one that holds the default's text.
  static constexpr char kMissing[] = "\x01";
  std::vector<char> raw(size * 3 + 4);
  platform::IniRead(file, gSection, key, kMissing, raw.data(), raw.size());
  const bool missing = strcmp(raw.data(), kMissing) == 0;
  const std::string value = missing ? std::string(def ? def : "") : FromFile(raw.data());
  if (!buffer || size == 0) return 0;
  const size_t length = value.size() < size - 1 ? value.size() : size - 1;
  memcpy(buffer, value.data(), length);
  buffer[length] = 0;
  return length;
}

int32_t ReadProfileInt(const char* key, int32_t def) {
  char fallback[16];
  snprintf(fallback, sizeof fallback, "%d", static_cast<int>(def));
  char value[kReadSize];
  ReadProfileString(key, fallback, value, sizeof value);
  return ToInt(value);
}

char* ReadProfileChar(const char* key, const char* def, char* buffer, size_t size) {
  if (!buffer || size == 0) return buffer;
  ReadProfileString(key, def, buffer, size);
  if (size < 2 || buffer[0] != '\\' || buffer[1] == 0) return buffer;
  switch (buffer[1]) {
    case 'n': buffer[0] = '\n'; break;
    case 'r': buffer[0] = '\r'; break;
    case 't': buffer[0] = '\t'; break;
    default: buffer[0] = buffer[1]; break;
  }
  buffer[1] = 0;
  return buffer;
}

char ReadProfileByte(const char* key, char def) {
  const char fallback[2] = {def, 0};
  char value[kReadSize];
  ReadProfileString(key, fallback, value, sizeof value);
  return value[0];
}

void ReadProfileBytes(const char* key, void* destination, size_t n) {
  if (!destination || n == 0) return;
  auto* out = static_cast<unsigned char*>(destination);
  // Room for one character more than 2n shows a value that is too long.
  std::vector<char> text(n > (SIZE_MAX - 2) / 2 ? 0 : 2 * n + 2);
  if (text.empty() || ReadProfileString(key, "", text.data(), text.size()) != 2 * n) {
    memset(out, 0, n);
    return;
  }
  for (size_t i = 0; i < n; ++i) {
    out[i] = static_cast<unsigned char>(HexDigit(text[2 * i]) * 16 + HexDigit(text[2 * i + 1]));
  }
}

bool WriteProfileString(const char* key, const char* text) { return Write(key, text); }

bool WriteProfileInt(const char* key, int32_t number) {
  char text[16];
  snprintf(text, sizeof text, "%d", static_cast<int>(number));
  return Write(key, text);
}

bool WriteProfileChar(const char* key, const char* text) {
  char stored[3] = {text ? text[0] : '\0', 0, 0};
  switch (stored[0]) {
    case '\t': stored[1] = 't'; break;
    case '\n': stored[1] = 'n'; break;
    case '\r': stored[1] = 'r'; break;
    case '\\': stored[1] = '\\'; break;
    default: break;
  }
  if (stored[1]) stored[0] = '\\';
  return Write(key, stored);
}

bool WriteProfileByte(const char* key, char character) {
  const char text[2] = {character, 0};
  return Write(key, text);
}

bool WriteProfileBytes(const char* key, const void* source, size_t n) {
  static const char kDigits[] = "0123456789ABCDEF";
  if (!source || n > (SIZE_MAX - 1) / 2) return Write(key, "");
  const auto* in = static_cast<const unsigned char*>(source);
  std::vector<char> text(2 * n + 1);
  for (size_t i = 0; i < n; ++i) {
    text[2 * i] = kDigits[in[i] >> 4];
    text[2 * i + 1] = kDigits[in[i] & 0x0F];
  }
  text[2 * n] = 0;
  return Write(key, text.data());
}

void BeginProfileBatch() { gBatch = true; }

int32_t FlushProfile() {
  gBatch = false;
  NoteStatus(WritePending());
  int32_t status = gWriteStatus;
  gWriteStatus = 0;
  return status;
}

int32_t LocateSettingsFile(const char* name, char* result, size_t result_size) {
  static char scratch[PATH_MAX];
  if (!result) {
    result = scratch;
    result_size = sizeof scratch;
  }
  if (result_size == 0) return kProfileFileNotFound;
  result[0] = 0;
  if (!name || !*name) return kProfileFileNotFound;
  if (name[0] == '/') {
    if (!Store(result, result_size, name)) return kProfileFileNotFound;
  } else {
    char folder[PATH_MAX];
    if (!platform::UserDataFolder(folder, sizeof folder) ||
        !platform::PathJoin(result, result_size, folder, name)) {
      return kProfileFileNotFound;
    }
  }
  return platform::FileExists(result) ? 0 : kProfileFileNotFound;
}
