// The shell's diagnostic log: one line per open-append-close, CR LF line
// ends, UTC time stamps.
#include <cstdarg>
#include <cstdio>

#include "platform/clock.h"
#include "services/xt40_shell.h"

void XT40shell::WriteLogLine(const char* format, ...) {
  if (log_path_[0] == 0) return;
  std::FILE* file = std::fopen(log_path_, "ab");
  if (file == nullptr) return;
  if (format[0] != '\t') {
    const platform::UtcTime t = platform::NowUtc();
    std::fprintf(file, "%d-%02d-%02d %02d:%02d:%02d: ", t.year, t.month, t.day, t.hour,
                 t.minute, t.second);
  }
  va_list args;
  va_start(args, format);
  std::vfprintf(file, format, args);
  va_end(args);
  std::fputs("\r\n", file);
  std::fclose(file);
}
