// Compiles patterns and exception words into the resources of PLHYPH.DAT:
// the packed trie (100), the op table (101), the built-in exception list
// (103) and the default user exception list (104).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tools/mkhyph/patterns.h"

struct HyphData {
  std::vector<uint8_t> trie;  // 6-byte nodes
  std::vector<uint8_t> ops;   // 4-byte operations, index 0 unused
  std::vector<uint8_t> builtin_exceptions;
  std::vector<uint8_t> default_user_exceptions;
  size_t trie_nodes = 0;  // pattern nodes (without the root)
  size_t highest_slot = 0;
};

// Packs the patterns: every family of children gets its own base >= 1 with
// all its slots free, first fit in breadth-first order; the array is padded
// to the highest base + 256 nodes so that base + any byte stays inside.
// Patterns with the same letters are merged by the larger value.
bool CompilePatterns(const std::vector<Pattern>& patterns, HyphData* data, std::string* error);

// An exception list from words (UTF-8, Polish letters and ASCII, "-" at the
// breaks, one a line; empty lines are skipped), sorted as the engine needs.
bool CompileExceptions(std::string_view text, std::vector<uint8_t>* list, std::string* error);

// The container file's bytes.
std::vector<uint8_t> BuildHyphContainer(const HyphData& data);
