// The guard at every entry the host calls: no exception reaches the host.
#pragma once

#include <cstdint>

// Status for an exception caught at a host entry: the error number a memory
// block failure carries, -108 for any other failure.
int32_t StatusOfCurrentException() noexcept;

// Runs `body` and answers its status; an exception becomes a non-zero status.
template <typename Body>
int32_t GuardedEntry(Body&& body) noexcept {
  try {
    return body();
  } catch (...) {
    return StatusOfCurrentException();
  }
}
