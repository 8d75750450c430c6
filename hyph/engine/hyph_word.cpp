// hyph_word: exception lists first, then the packed pattern trie, then the
// minimum fragments. All working data lives on the stack.
#include <cstring>

#include "hyph/engine/codes.h"
#include "hyph/engine/exception_list.h"
#include "hyph/engine/hyph.h"
#include "hyph/engine/state.h"

namespace {

constexpr uint8_t kBoundary = '.';
constexpr uint8_t kEnd = 0x80;  // no trie node carries this code
constexpr size_t kMinRight = 2;

void CopyOrEmpty(const char* word, char* out, size_t out_size) {
  const size_t length = std::strlen(word);
  if (length < out_size) std::memcpy(out, word, length + 1);
  else out[0] = 0;
}

// Looks the whole word up in a list; on a hit marks its positions (up to n)
// in v.
bool FindException(const uint8_t* list, const char* word, size_t n, uint8_t* v) {
  uint8_t codes[kExcMaxLetters];
  const size_t length = exc_word_codes(word, false, codes);
  if (length == 0) return false;
  const ExcPlace place = exc_list_find(list, codes, length);
  if (!place.found) return false;
  const uint8_t* entry = list + place.offset;
  const size_t letters = entry[1];
  for (size_t i = letters + 3; i + 1 < entry[0]; ++i) {
    if (entry[i] <= n) v[entry[i]] = 1;
  }
  return true;
}

// Applies every matching pattern: v[k] becomes the largest value that any
// pattern gives the gap after letter k.
void ApplyPatterns(const HyphEngine& s, const uint8_t* w, size_t n, uint8_t* v) {
  const HyphNode* nodes = s.nodes;
  const HyphOp* ops = s.op_table;
  for (size_t start = 0; start <= n; ++start) {
    const HyphNode* node = &nodes[w[start]];
    if (node->code != w[start]) continue;
    for (size_t j = start;;) {
      for (uint16_t o = node->op; o != 0; o = ops[o].next) {
        const HyphOp& op = ops[o];
        if (op.distance <= j && op.value > v[j - op.distance]) v[j - op.distance] = op.value;
      }
      ++j;
      const HyphNode* next = &nodes[uint16_t(node->base + w[j])];
      if (next->code != w[j]) break;
      node = next;
    }
  }
}

}  // namespace

void hyph_word(HyphHandle engine, const char* word, char* out, size_t out_size,
               bool consult_user_exceptions) {
  if (!out || out_size == 0) return;
  if (!word) {
    out[0] = 0;
    return;
  }
  size_t n = 0;
  while (n <= kHyphMaxWord && word[n] && !(word[n] >= '0' && word[n] <= '9')) ++n;
  if (!engine || n > kHyphMaxWord) {
    CopyOrEmpty(word, out, out_size);
    return;
  }
  // w: boundary, n codes, boundary, end sentinel; v: one value per gap.
  uint8_t w[kHyphMaxWord + 4];
  uint8_t v[kHyphMaxWord + 2];
  w[0] = kBoundary;
  for (size_t i = 0; i < n; ++i) w[i + 1] = hyph_code_of(uint8_t(word[i]));
  w[n + 1] = kBoundary;
  w[n + 2] = kEnd;
  std::memset(v, 0, n + 2);
  {
    const HyphEngine& s = *reinterpret_cast<const HyphEngine*>(eng_block_pinned(engine));
    bool known = false;
    if (consult_user_exceptions && s.user_exc) {
      // The user list changes while the engine is open: locked per query.
      const BlockLock user(s.user_exc);
      known = FindException(user.bytes(), word, n, v);
    }
    if (!known && s.builtin_list) known = FindException(s.builtin_list, word, n, v);
    if (!known) ApplyPatterns(s, w, n, v);
  }
  const size_t left = n >= 5 && std::memcmp(w + 1, "wszcz", 5) == 0 ? 5 : 2;
  size_t breaks = 0;
  for (size_t k = left; k + kMinRight <= n; ++k) {
    v[k] &= 1;
    breaks += v[k];
  }
  if (n + breaks >= out_size) {
    CopyOrEmpty(word, out, out_size);
    return;
  }
  char* o = out;
  for (size_t k = 1; k <= n; ++k) {
    *o++ = word[k - 1];
    if (k >= left && k + kMinRight <= n && v[k]) *o++ = '-';
  }
  *o = 0;
}
