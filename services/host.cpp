// Binding of the host's suites at start-up, and the block allocator that puts
// the plug-in's containers into the host's memory blocks.
#include "services/host.h"

#include "base/block_alloc.h"

const xt_document_suite* gDocumentSuite = nullptr;
const xt_story_suite* gStorySuite = nullptr;
const xt_hj_suite* gHJSuite = nullptr;
const xt_environment_suite* gEnvironmentSuite = nullptr;
const xt_menu_suite* gMenuSuite = nullptr;
const xt_memory_suite* gMemorySuite = nullptr;
const xt_string_suite* gStringSuite = nullptr;
const xt_dialog_suite* gDialogSuite = nullptr;
xt_registration* gRegistration = nullptr;
uint32_t gPluginId = 0;
xt_host_info gHostInfo = {};

namespace {

// Function numbers 1..count, in table order.
template <typename Suite>
bool Acquire(xt_registration* record, uint32_t id, int32_t count, const Suite*& suite) {
  static_assert(sizeof(Suite) % sizeof(xt_fn) == 0);
  int16_t numbers[32];
  if (count <= 0 || count > 32 || sizeof(Suite) != count * sizeof(xt_fn)) return false;
  for (int16_t i = 0; i < count; ++i) numbers[i] = static_cast<int16_t>(i + 1);
  const xt_fn* table = nullptr;
  if (record->acquire_suite(record->host, id, &table, numbers, count) != 0 || !table) {
    return false;
  }
  suite = reinterpret_cast<const Suite*>(table);
  return true;
}

const BlockAllocator kHostAllocator = {
    [](size_t size) -> MemBlock { return gMemorySuite->allocate(size); },
    [](MemBlock block) {
      if (block) gMemorySuite->release(static_cast<xt_handle>(block));
    },
    [](MemBlock block, size_t size) -> int32_t {
      return gMemorySuite->resize(static_cast<xt_handle>(block), size);
    },
    [](MemBlock block) { return gMemorySuite->lock(static_cast<xt_handle>(block)); },
    [](MemBlock block) { gMemorySuite->unlock(static_cast<xt_handle>(block)); },
    []() -> int16_t { return gMemorySuite->last_error(); },
};

}  // namespace

bool HostSuitesBound() {
  return gDocumentSuite && gStorySuite && gHJSuite && gEnvironmentSuite && gMenuSuite &&
         gMemorySuite && gStringSuite && gDialogSuite;
}

bool BindHostSuites(xt_registration* record) {
  const bool bound =
      Acquire(record, XT_SUITE_DOCUMENT, XT_DOCUMENT_SUITE_COUNT, gDocumentSuite) &&
      Acquire(record, XT_SUITE_STORY, XT_STORY_SUITE_COUNT, gStorySuite) &&
      Acquire(record, XT_SUITE_HJ, XT_HJ_SUITE_COUNT, gHJSuite) &&
      Acquire(record, XT_SUITE_ENVIRONMENT, XT_ENVIRONMENT_SUITE_COUNT, gEnvironmentSuite) &&
      Acquire(record, XT_SUITE_MENU, XT_MENU_SUITE_COUNT, gMenuSuite) &&
      Acquire(record, XT_SUITE_MEMORY, XT_MEMORY_SUITE_COUNT, gMemorySuite) &&
      Acquire(record, XT_SUITE_STRING, XT_STRING_SUITE_COUNT, gStringSuite) &&
      Acquire(record, XT_SUITE_DIALOG, XT_DIALOG_SUITE_COUNT, gDialogSuite);
  if (!bound) {
    UnbindHostSuites();
    return false;
  }
  SetBlockAllocator(&kHostAllocator);
  return true;
}

void UnbindHostSuites() {
  SetBlockAllocator(nullptr);
  gDocumentSuite = nullptr;
  gStorySuite = nullptr;
  gHJSuite = nullptr;
  gEnvironmentSuite = nullptr;
  gMenuSuite = nullptr;
  gMemorySuite = nullptr;
  gStringSuite = nullptr;
  gDialogSuite = nullptr;
}
