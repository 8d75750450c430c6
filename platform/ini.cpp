// INI files: a byte-transparent line scanner for reading, and whole-file
// rewrites through a temporary file and rename for writing.
#include "platform/ini.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/files.h"
#include "platform/safe_file.h"
#include "platform/temp_file.h"

namespace platform {
namespace {

// Settings files are small; anything larger is not one of ours.
constexpr size_t kMaxIniSize = 64u << 20;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

char Fold(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (Fold(a[i]) != Fold(b[i])) return false;
  }
  return true;
}

// One line of the file: [start, text_end) is its text without the line
// ending, `next` the start of the following line.
struct Line {
  size_t start;
  size_t text_end;
  size_t next;
};

enum class Kind { kOther, kSection, kKey };

struct Parsed {
  Kind kind = Kind::kOther;
  std::string_view name;   // section or key, trimmed
  size_t value_start = 0;  // kKey: offset just after '='
  std::string_view value;  // kKey: trimmed value
};

class Scanner {
 public:
  explicit Scanner(std::string_view data) : data_(data) {}

  bool NextLine(Line* line) {
    if (pos_ >= data_.size()) return false;
    size_t newline = data_.find('\n', pos_);
    line->start = pos_;
    line->next = newline == std::string_view::npos ? data_.size() : newline + 1;
    line->text_end = newline == std::string_view::npos ? data_.size() : newline;
    if (line->text_end > line->start && data_[line->text_end - 1] == '\r') --line->text_end;
    pos_ = line->next;
    return true;
  }

  Parsed Parse(const Line& line) const {
    Parsed parsed;
    std::string_view text = data_.substr(line.start, line.text_end - line.start);
    std::string_view body = Trim(text);
    if (!body.empty() && body.front() == '[') {
      body.remove_prefix(1);
      size_t close = body.find(']');
      parsed.kind = Kind::kSection;
      parsed.name = Trim(body.substr(0, close));
      return parsed;
    }
    size_t equals = text.find('=');
    if (equals == std::string_view::npos) return parsed;
    parsed.kind = Kind::kKey;
    parsed.name = Trim(text.substr(0, equals));
    parsed.value_start = line.start + equals + 1;
    parsed.value = Trim(text.substr(equals + 1));
    return parsed;
  }

 private:
  std::string_view data_;
  size_t pos_ = 0;
};

// Where a section and one of its keys sit in the file.
struct Location {
  bool section_found = false;
  size_t section_start = 0;    // the header line
  size_t section_end = 0;      // start of the next section header (or end)
  size_t insert_at = 0;        // after the section's last non-blank line
  bool key_found = false;
  Line key_line = {};
  size_t key_value_start = 0;
  std::string_view key_value;
};

Location Locate(std::string_view data, std::string_view section, std::string_view key) {
  Location where;
  Scanner scanner(data);
  Line line;
  bool inside = false;
  while (scanner.NextLine(&line)) {
    Parsed parsed = scanner.Parse(line);
    if (parsed.kind == Kind::kSection) {
      if (inside) {
        where.section_end = line.start;
        return where;
      }
      if (SameName(parsed.name, section)) {
        inside = true;
        where.section_found = true;
        where.section_start = line.start;
        where.insert_at = line.next;
      }
      continue;
    }
    if (!inside) continue;
    if (line.text_end > line.start && !Trim(data.substr(line.start, line.text_end - line.start)).empty()) {
      where.insert_at = line.next;
    }
    if (parsed.kind == Kind::kKey && !where.key_found && SameName(parsed.name, key)) {
      where.key_found = true;
      where.key_line = line;
      where.key_value_start = parsed.value_start;
      where.key_value = parsed.value;
    }
  }
  where.section_end = data.size();
  return where;
}

std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

size_t CopyOut(std::string_view value, char* out, size_t out_size) {
  if (!out || out_size == 0) return 0;
  size_t length = value.size() < out_size - 1 ? value.size() : out_size - 1;
  if (length) memcpy(out, value.data(), length);
  out[length] = 0;
  return length;
}

// The value as stored: line breaks become blanks, and a value that reading
// would change (blanks at either end, enclosing quotes) is quoted once more.
std::string StoredValue(const char* value) {
  std::string stored(value);
  for (char& c : stored) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  bool blank_edge = !stored.empty() && (IsBlank(stored.front()) || IsBlank(stored.back()));
  if (blank_edge || Unquote(stored).size() != stored.size()) stored = '"' + stored + '"';
  return stored;
}

bool ValidName(const char* name, const char* forbidden) {
  if (!name || Trim(name).empty()) return false;
  return strpbrk(name, forbidden) == nullptr;
}

std::string_view LineEnding(std::string_view data) {
  size_t newline = data.find('\n');
  if (newline != std::string_view::npos && (newline == 0 || data[newline - 1] != '\r')) return "\n";
  return "\r\n";
}

}  // namespace

size_t IniRead(const char* file, const char* section, const char* key, const char* def, char* out,
               size_t out_size) {
  std::string data;
  if (file && *file && section && key && ReadWholeFile(file, kMaxIniSize, &data) == 0) {
    Location where = Locate(data, Trim(section), Trim(key));
    if (where.key_found) return CopyOut(Unquote(where.key_value), out, out_size);
  }
  return CopyOut(def ? def : "", out, out_size);
}

namespace {

// Applies one change to the file's text; EINVAL for a name the format
// cannot hold.
int ApplyChange(std::string* data, const IniChange& change) {
  const char* section = change.section;
  const char* key = change.key;
  const char* value = change.value;
  if (!ValidName(section, "]\r\n") || (key && !ValidName(key, "=[\r\n"))) return EINVAL;
  std::string_view eol = LineEnding(*data);
  Location where = Locate(*data, Trim(section), key ? Trim(key) : std::string_view());
  std::string updated;
  if (!key) {
    if (!where.section_found) return 0;
    updated = data->substr(0, where.section_start) + data->substr(where.section_end);
  } else if (!value) {
    if (!where.key_found) return 0;
    updated = data->substr(0, where.key_line.start) + data->substr(where.key_line.next);
  } else if (where.key_found) {
    updated = data->substr(0, where.key_value_start);
    updated += StoredValue(value);
    updated += data->substr(where.key_line.text_end);
  } else {
    std::string entry = std::string(Trim(key)) + "=" + StoredValue(value) + std::string(eol);
    size_t at = where.section_found ? where.insert_at : data->size();
    if (!where.section_found) entry = "[" + std::string(Trim(section)) + "]" + std::string(eol) + entry;
    bool needs_break = at > 0 && at == data->size() && data->back() != '\n';
    updated = data->substr(0, at) + (needs_break ? std::string(eol) : std::string()) + entry + data->substr(at);
  }
  *data = std::move(updated);
  return 0;
}

}  // namespace

int IniWrite(const char* file, const char* section, const char* key, const char* value) {
  const IniChange change{section, key, value};
  return IniWriteMany(file, &change, 1, nullptr);
}

int IniWriteMany(const char* file, const IniChange* changes, size_t count,
                 void (*legacy)(std::string* data)) {
  if (!file || !*file) return ENOENT;
  if (strlen(file) >= PATH_MAX) return ENAMETOOLONG;
  for (size_t i = 0; i < count; ++i) {
    const IniChange& c = changes[i];
    if (!ValidName(c.section, "]\r\n") || (c.key && !ValidName(c.key, "=[\r\n"))) return EINVAL;
  }
  std::string data;
  int error = ReadWholeFile(file, kMaxIniSize, &data);
  bool exists = error == 0;
  if (error != 0 && error != ENOENT) return error;
  const std::string original = data;
  if (legacy) legacy(&data);
  for (size_t i = 0; i < count; ++i) {
    if ((error = ApplyChange(&data, changes[i])) != 0) return error;
  }
  if (exists && data == original) return 0;
  return WriteFileReplacing(file, data.data(), data.size(), kNewUserFileMode);
}

}  // namespace platform
