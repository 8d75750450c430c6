// The fault switch: parsed from WIRSEL_FAULT on first use.
#include "platform/faults.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace platform {
namespace {

struct Switch {
  bool parsed = false;
  bool on = false;
  FaultPoint point = FaultPoint::kWrite;
  long long nth = 0;
  int error = 0;
  long long counts[3] = {};
};

Switch gSwitch;

void Parse(const char* setting) {
  gSwitch = Switch{};
  gSwitch.parsed = true;
  if (!setting || !*setting) return;
  const char* colon = strchr(setting, ':');
  if (!colon) return;
  const size_t op_length = static_cast<size_t>(colon - setting);
  if (op_length == 5 && strncmp(setting, "write", 5) == 0) gSwitch.point = FaultPoint::kWrite;
  else if (op_length == 4 && strncmp(setting, "sync", 4) == 0) gSwitch.point = FaultPoint::kSync;
  else if (op_length == 6 && strncmp(setting, "rename", 6) == 0) gSwitch.point = FaultPoint::kRename;
  else return;
  char* end = nullptr;
  const long long nth = strtoll(colon + 1, &end, 10);
  if (nth < 1 || !end || *end != ':') return;
  const char* name = end + 1;
  if (strcmp(name, "ENOSPC") == 0) gSwitch.error = ENOSPC;
  else if (strcmp(name, "EIO") == 0) gSwitch.error = EIO;
  else return;
  gSwitch.nth = nth;
  gSwitch.on = true;
}

}  // namespace

int InjectedFault(FaultPoint point) {
  if (!gSwitch.parsed) Parse(getenv("WIRSEL_FAULT"));
  if (!gSwitch.on) return 0;
  long long& count = gSwitch.counts[static_cast<int>(point)];
  ++count;
  return point == gSwitch.point && count == gSwitch.nth ? gSwitch.error : 0;
}

void SetFaultSwitch(const char* setting) { Parse(setting); }

}  // namespace platform
