// Reading a file descriptor with a time limit, for servers that must wake up
// while no input arrives (the language server's debounced diagnostics).
#pragma once

#include <cstddef>

namespace platform {

inline constexpr long kReadTimedOut = -1;
inline constexpr long kReadFailed = -2;

// Waits up to `timeout_ms` (negative: without limit) for `fd` to be
// readable and reads what is there into `buffer`: the number of bytes read,
// 0 at the end of input, kReadTimedOut or kReadFailed.
long ReadWithTimeout(int fd, char* buffer, size_t size, int timeout_ms);

}  // namespace platform
