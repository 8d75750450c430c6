// The host's own composer asks the module for the break points of each word
// it wants to break; the module answers from hyph_word. It also names its
// method to the host and registers it for Polish.
#include "hyph/hyph_callbacks.h"

#include <cstring>

#include "base/charset.h"
#include "hyph/hyph_open.h"
#include "hyph/hyph_options.h"
#include "services/host.h"
#include "services/services.h"

namespace {

constexpr char kMethodName[] = "Wirsel";
constexpr uint16_t kSoftHyphen = 0x00AD;
constexpr uint8_t kDiscretionaryHyphen = 31;
// Descriptor layout of the method list.
constexpr size_t kMethodNameOffset = 8;
constexpr size_t kMethodNameCapacity = 64;
constexpr size_t kMethodNameLengthOffset = 72;
// Host language numbers and environment flags.
constexpr int kPolishLanguageBit = 42;
constexpr uint32_t kPolishHyphenationFlag = 0x80000;
constexpr uint32_t kOtherPolishFlags = 0x1 | 0x4;

const HyphenationHooks kHooks = {HyphenateWordCallback, HyphenateMethodInfoCallback,
                                 RegisterHyphenationMethod};

uint32_t ReversedPluginId() { return __builtin_bswap32(gPluginId); }

// Makes `block` at least `size` bytes; false (block unchanged) when it cannot.
bool EnsureBlockSize(xt_handle block, size_t size) {
  return gMemorySuite->block_size(block) >= size || gMemorySuite->resize(block, size) == 0;
}

}  // namespace

void InstallHyphenationHooks() { SetHyphenationHooks(&kHooks); }

size_t BreakPositions(const char* hyphenated, uint16_t* positions, size_t capacity) {
  size_t count = 0;
  uint16_t letters = 0;
  for (const char* p = hyphenated; *p != 0; ++p) {
    if (*p != '-') {
      ++letters;
      continue;
    }
    if (count < capacity) positions[count] = letters;
    ++count;
  }
  return count;
}

bool HostWordToEngine(const uint16_t* text, size_t length, char* out, size_t out_size) {
  if (length >= out_size) return false;
  for (size_t i = 0; i < length; ++i) {
    const uint16_t value = text[i];
    int32_t code = value == kSoftHyphen ? kDiscretionaryHyphen : Win1250CodeOf(value);
    if (code == '-') code = static_cast<uint8_t>(kHardHyphenStandIn);
    if (code <= 0 || code > 0xFF) return false;
    out[i] = static_cast<char>(code);
  }
  out[length] = 0;
  return true;
}

int32_t HyphenateWordCallback(xt_hyph_record* record) {
  if (gHyphEngine == nullptr || record->text == nullptr || record->offset < 0 ||
      record->length < 1 || static_cast<size_t>(record->length) > kHyphMaxWord) {
    return 0;
  }
  char word[kHyphMaxWord + 1];
  if (!HostWordToEngine(record->text + record->offset, static_cast<size_t>(record->length), word,
                        sizeof word)) {
    return 0;
  }
  char hyphenated[2 * (kHyphMaxWord + 1)];
  HyphenateWord(word, hyphenated, sizeof hyphenated, gHyphOptions.use_exceptions != 0);
  uint16_t positions[kHyphMaxWord];
  const size_t count = BreakPositions(hyphenated, positions, kHyphMaxWord);
  if (count == 0) return 0;
  const size_t bytes = count * sizeof(xt_hyph_point);
  xt_handle points = record->points;
  if (points == nullptr) {
    points = gMemorySuite->allocate(bytes);
    if (points == nullptr) return 0;
  } else if (!EnsureBlockSize(points, bytes)) {
    return 0;
  }
  auto* out = static_cast<xt_hyph_point*>(gMemorySuite->lock(points));
  if (out == nullptr) {
    if (points != record->points) gMemorySuite->release(points);
    return 0;
  }
  for (size_t i = 0; i < count; ++i) out[i] = xt_hyph_point{positions[i], 0};
  gMemorySuite->unlock(points);
  record->points = points;
  record->count = static_cast<int16_t>(count);
  return 0;
}

int32_t HyphenateMethodInfoCallback(xt_hyph_methods_record* record) {
  xt_handle methods = record->methods;
  if (methods == nullptr) return 0;
  const size_t size = gMemorySuite->block_size(methods) + XT_HYPH_METHOD_SIZE;
  if (gMemorySuite->resize(methods, size) != 0) return 0;
  auto* bytes = static_cast<uint8_t*>(gMemorySuite->lock(methods));
  if (bytes == nullptr) return 0;
  uint8_t* descriptor = bytes + (size / XT_HYPH_METHOD_SIZE - 1) * XT_HYPH_METHOD_SIZE;
  std::memset(descriptor, 0, XT_HYPH_METHOD_SIZE);
  const uint32_t id = ReversedPluginId();
  std::memcpy(descriptor, &id, sizeof id);
  xt_handle name = gStringSuite->make_string(kMethodName);
  int32_t copied = 0;
  if (name != nullptr) {
    copied = gStringSuite->copy_string(name, reinterpret_cast<char*>(descriptor + kMethodNameOffset),
                                       kMethodNameCapacity);
    gStringSuite->dispose_string(name);
  }
  std::memcpy(descriptor + kMethodNameLengthOffset, &copied, sizeof copied);
  gMemorySuite->unlock(methods);
  return 0;
}

int32_t RegisterHyphenationMethod() {
  const uint32_t flags = gEnvironmentSuite->environment_flags();
  uint32_t languages[4] = {};
  if (flags & (kPolishHyphenationFlag | kOtherPolishFlags)) {
    languages[kPolishLanguageBit / 32] |= 1u << (kPolishLanguageBit % 32);
  }
  if ((flags & kOtherPolishFlags) && !(flags & kPolishHyphenationFlag)) languages[0] |= 1u;
  return gEnvironmentSuite->register_hyphenation_method(ReversedPluginId(), kMethodName, languages,
                                                        10, 10);
}
