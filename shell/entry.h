// Entries the host calls: the start-up and shut-down callbacks, the callback
// dispatch table, and the guard that keeps exceptions from reaching the host.
#pragma once

#include <cstdint>

#include "xtapi/xtapi.h"

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

int32_t StartupCallback(void* record);
int32_t ShutdownCallback(void* record);
// Handler of callbacks registered through XT40shell::RegisterCallback.
int32_t GenericCallback(void* record);
// The handler of every wanted host callback (3, 4, 5, 6, 7, 10, 12, 20, 618).
int32_t DispatchCallback(void* record);

// Destroys the plug-in's objects and forgets the host's suites; a second
// activation starts from a clean state.
void ReleasePlugin();

extern "C" int32_t XTActivateCallback(xt_activation* activation);
