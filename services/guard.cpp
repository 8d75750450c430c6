// The status of an exception caught at a host entry.
#include "services/guard.h"

#include "base/block_alloc.h"

int32_t StatusOfCurrentException() noexcept {
  try {
    throw;
  } catch (const BlockError& error) {
    return static_cast<int32_t>(error.error());
  } catch (...) {
    return kBlockErrorNoMemory;
  }
}
