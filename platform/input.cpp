// poll(2) and read(2), retried on EINTR.
#include "platform/input.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>

namespace platform {

long ReadWithTimeout(int fd, char* buffer, size_t size, int timeout_ms) {
  pollfd wait{fd, POLLIN, 0};
  int ready = 0;
  do {
    ready = ::poll(&wait, 1, timeout_ms < 0 ? -1 : timeout_ms);
  } while (ready < 0 && errno == EINTR);
  if (ready < 0) return kReadFailed;
  if (ready == 0) return kReadTimedOut;
  ssize_t got = 0;
  do {
    got = ::read(fd, buffer, size);
  } while (got < 0 && errno == EINTR);
  return got < 0 ? kReadFailed : static_cast<long>(got);
}

}  // namespace platform
