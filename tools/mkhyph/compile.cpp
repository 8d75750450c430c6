// Building the trie, sharing operation chains, packing, and the exception
// lists.
#include "tools/mkhyph/compile.h"

#include <algorithm>
#include <map>
#include <memory>
#include <utility>

#include "hyph/engine/exception_list.h"
#include "tools/container/container_writer.h"

namespace {

using Op = std::pair<uint8_t, uint8_t>;  // distance, value

struct TrieNode {
  std::map<uint8_t, std::unique_ptr<TrieNode>> children;
  std::map<uint8_t, uint8_t> values;  // distance -> largest value
  uint16_t slot = 0;
  uint16_t base = 0;
  uint16_t op = 0;
};

void Put16(std::vector<uint8_t>& out, size_t at, uint16_t v) {
  out[at] = uint8_t(v >> 8);
  out[at + 1] = uint8_t(v);
}

// Operation chains, shared by suffix: the chain for ops[k..] is op k
// followed by the chain for ops[k+1..], which is emitted first, so every
// operation's next is smaller than its own index.
class OpTable {
 public:
  OpTable() : bytes_(4, 0) {}
  uint16_t Chain(const std::vector<Op>& ops, size_t from, std::string* error) {
    if (from == ops.size()) return 0;
    const std::vector<Op> key(ops.begin() + long(from), ops.end());
    if (const auto it = memo_.find(key); it != memo_.end()) return it->second;
    const uint16_t next = Chain(ops, from + 1, error);
    const size_t index = bytes_.size() / 4;
    if (index > 0xFFFF) {
      *error = "more than 65535 pattern operations";
      return 0;
    }
    bytes_.resize(bytes_.size() + 4);
    Put16(bytes_, index * 4, next);
    bytes_[index * 4 + 2] = ops[from].first;
    bytes_[index * 4 + 3] = ops[from].second;
    memo_.emplace(key, uint16_t(index));
    return uint16_t(index);
  }
  std::vector<uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<uint8_t> bytes_;
  std::map<std::vector<Op>, uint16_t> memo_;
};

// First-fit placement of child families.
class Packer {
 public:
  // The root's children sit at their own codes (base 0).
  bool Place(TrieNode& root, std::string* error) {
    for (auto& [code, child] : root.children) Occupy(code, *child);
    std::vector<TrieNode*> queue;
    for (auto& [code, child] : root.children) queue.push_back(child.get());
    for (size_t q = 0; q < queue.size(); ++q) {
      TrieNode& node = *queue[q];
      if (node.children.empty()) continue;
      if (!PlaceFamily(node, error)) return false;
      for (auto& [code, child] : node.children) queue.push_back(child.get());
    }
    return true;
  }
  size_t highest_slot() const { return highest_slot_; }
  size_t highest_base() const { return highest_base_; }

 private:
  bool Free(size_t slot) const { return slot >= occupied_.size() || !occupied_[slot]; }
  void Occupy(size_t slot, TrieNode& node) {
    if (slot >= occupied_.size()) occupied_.resize(slot + 1024, false);
    occupied_[slot] = true;
    node.slot = uint16_t(slot);
    highest_slot_ = std::max(highest_slot_, slot);
  }
  bool PlaceFamily(TrieNode& node, std::string* error) {
    for (size_t base = 1;; ++base) {
      if (base + 255 > 0xFFFF) {
        *error = "the patterns do not fit in 65536 trie nodes";
        return false;
      }
      if (base < base_used_.size() && base_used_[base]) continue;
      bool fits = true;
      for (const auto& [code, child] : node.children) fits = fits && Free(base + code);
      if (!fits) continue;
      if (base >= base_used_.size()) base_used_.resize(base + 1024, false);
      base_used_[base] = true;
      node.base = uint16_t(base);
      highest_base_ = std::max(highest_base_, base);
      for (auto& [code, child] : node.children) Occupy(base + code, *child);
      return true;
    }
  }
  std::vector<bool> occupied_;
  std::vector<bool> base_used_;
  size_t highest_slot_ = 0;
  size_t highest_base_ = 0;
};

// Attaches op chains to every node with values and writes the node array.
// A chain lists the larger distances first, so that nodes whose values are
// a tail of another node's (short patterns inside longer ones) share it.
bool Emit(TrieNode& node, OpTable& ops, std::vector<uint8_t>& trie, uint8_t code,
          std::string* error) {
  std::vector<Op> list(node.values.rbegin(), node.values.rend());
  node.op = ops.Chain(list, 0, error);
  if (!error->empty()) return false;
  if (code != 0) {
    const size_t at = size_t(node.slot) * 6;
    Put16(trie, at, node.base);
    Put16(trie, at + 2, node.op);
    trie[at + 4] = code;
  }
  for (auto& [child_code, child] : node.children) {
    if (!Emit(*child, ops, trie, child_code, error)) return false;
  }
  return true;
}

// Polish letters in UTF-8 to Windows-1250; ASCII passes; anything else fails.
bool Utf8ToWindows1250(std::string_view text, std::string* out) {
  static const std::pair<uint16_t, uint8_t> kPolish[] = {
      {0x105, 0xB9}, {0x104, 0xA5}, {0x107, 0xE6}, {0x106, 0xC6}, {0x119, 0xEA}, {0x118, 0xCA},
      {0x142, 0xB3}, {0x141, 0xA3}, {0x144, 0xF1}, {0x143, 0xD1}, {0xF3, 0xF3},  {0xD3, 0xD3},
      {0x15B, 0x9C}, {0x15A, 0x8C}, {0x17A, 0x9F}, {0x179, 0x8F}, {0x17C, 0xBF}, {0x17B, 0xAF}};
  for (size_t i = 0; i < text.size(); ++i) {
    const uint8_t c = uint8_t(text[i]);
    if (c < 0x80) {
      out->push_back(char(c));
      continue;
    }
    if ((c & 0xE0) != 0xC0 || i + 1 >= text.size()) return false;
    const uint16_t cp = uint16_t((c & 0x1F) << 6 | (uint8_t(text[++i]) & 0x3F));
    const auto* hit = std::find_if(std::begin(kPolish), std::end(kPolish),
                                   [cp](const auto& p) { return p.first == cp; });
    if (hit == std::end(kPolish)) return false;
    out->push_back(char(hit->second));
  }
  return true;
}

}  // namespace

bool CompilePatterns(const std::vector<Pattern>& patterns, HyphData* data, std::string* error) {
  TrieNode root;
  for (const Pattern& p : patterns) {
    TrieNode* node = &root;
    for (const uint8_t code : p.codes) {
      auto& child = node->children[code];
      if (!child) {
        child = std::make_unique<TrieNode>();
        ++data->trie_nodes;
      }
      node = child.get();
    }
    const size_t m = p.codes.size();
    for (size_t i = 0; i <= m; ++i) {
      if (p.values[i] == 0) continue;
      uint8_t& value = node->values[uint8_t(m - i)];
      value = std::max(value, p.values[i]);
    }
  }
  Packer packer;
  if (!packer.Place(root, error)) return false;
  const size_t count = std::max(packer.highest_base() + 256, packer.highest_slot() + 1);
  data->highest_slot = packer.highest_slot();
  data->trie.assign(count * 6, 0);
  OpTable ops;
  error->clear();
  if (!Emit(root, ops, data->trie, 0, error)) return false;
  data->ops = ops.Take();
  return true;
}

bool CompileExceptions(std::string_view text, std::vector<uint8_t>* list, std::string* error) {
  list->assign(1, 0);
  size_t line_number = 0;
  while (!text.empty()) {
    std::string_view line = TakeLine(text);
    ++line_number;
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.remove_suffix(1);
    if (line.empty()) continue;
    std::string word;
    uint8_t entry[kExcMaxEntry];
    const size_t length = Utf8ToWindows1250(line, &word) ? exc_entry_build(word.c_str(), entry) : 0;
    if (length == 0) {
      *error = "line " + std::to_string(line_number) + ": not a word that can be stored";
      return false;
    }
    const ExcPlace place = exc_list_find(list->data(), entry + 2, entry[1]);
    if (place.found) {
      *error = "line " + std::to_string(line_number) + ": the same letters appear twice";
      return false;
    }
    list->insert(list->begin() + long(place.offset), entry, entry + length);
  }
  return true;
}

std::vector<uint8_t> BuildHyphContainer(const HyphData& data) {
  ContainerWriter writer;
  writer.Add("HYPd", 100, "", data.trie);
  writer.Add("HYPd", 101, "", data.ops);
  writer.Add("HYPd", 103, "", data.builtin_exceptions);
  writer.Add("HYPd", 104, "", data.default_user_exceptions);
  return writer.Build();
}
