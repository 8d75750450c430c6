// The shell's diagnostic log: one line per open-append-close, CR LF line
// ends, UTC time stamps, a banner whenever the level changes.
#include <cinttypes>
#include <cstdio>

#include "base/charset.h"
#include "platform/clock.h"
#include "services/host.h"
#include "services/xt40_shell.h"

void XT40shell::WriteLogLine(const char* format, va_list args) {
  if (log_path_[0] == 0) return;
  std::FILE* file = std::fopen(log_path_, "ab");
  if (file == nullptr) return;
  if (format[0] != '\t') {
    const platform::UtcTime t = platform::NowUtc();
    std::fprintf(file, "%d-%02d-%02d %02d:%02d:%02d: ", t.year, t.month, t.day, t.hour,
                 t.minute, t.second);
  }
  std::vfprintf(file, format, args);
  std::fputs("\r\n", file);
  std::fclose(file);
}

void XT40shell::Log(const char* format, ...) {
  if (log_level_ == 0) return;
  va_list args;
  va_start(args, format);
  WriteLogLine(format, args);
  va_end(args);
}

void XT40shell::WriteForcedLogLine(const char* format, ...) {
  va_list args;
  va_start(args, format);
  WriteLogLine(format, args);
  va_end(args);
}

int32_t XT40shell::SetLogLevel(int32_t level) {
  const int32_t previous = log_level_;
  if (level == previous) return previous;
  log_level_ = 1;
  Log("%s\xA5\xA5\xA5\xA5\xA5%s (%s) start with logging level %" PRId32 " (0x%08" PRIX32 ")",
      "\r\n", product_name_, file_version_, level, static_cast<uint32_t>(level));
  LogHostInfo();
  log_level_ = level;
  return previous;
}

void XT40shell::LogHostInfo() {
  size_t units = 0;
  while (units < XT_HOST_STRING_UNITS && gHostInfo.host_string[units] != 0) ++units;
  char host[XT_HOST_STRING_UNITS + 1];
  UnicodeToWin1250String(gHostInfo.host_string, units, host, sizeof host);
  Log("\tQXP: version: 0x%08" PRIX32 ",serialnum: %" PRId32 ", appstatus: %d (0x%04X), "
      "productid: %d, serial (%s)",
      gHostInfo.version, static_cast<int32_t>(gHostInfo.serial), gHostInfo.app_status,
      gHostInfo.app_status, gHostInfo.product_id, host);
}
