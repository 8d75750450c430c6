// A minimal acyclic word automaton built from sorted words (nodes with equal
// continuations are shared), and its packing into the letter-tree arrays of
// son.dic: a letter array (one byte per position) and a link array (one
// big-endian u16 per position), where a node with base b keeps its letter L
// at position b + L, the end of a word is letter 1, and the root has base 0.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

inline constexpr size_t kTreePositions = 65536;

struct PackedTree {
  std::vector<uint8_t> letters;  // one byte per position
  std::vector<uint8_t> links;    // two bytes (big-endian) per position
  size_t used = 0;               // positions holding a letter
};

class WordGraph {
 public:
  WordGraph();
  // Words must come in ascending byte order, each at most once, none empty,
  // and none may contain the byte 0 or 1.
  void Add(std::string_view word);
  // Positions the words added so far need (transitions plus word ends).
  size_t Positions() const { return edges_ + finals_; }
  size_t Words() const { return words_; }
  // Packs the graph; false when it does not fit in 65536 positions.
  bool Pack(PackedTree* out);

 private:
  struct Node {
    std::vector<std::pair<uint8_t, uint32_t>> edges;  // ascending labels
    bool final = false;
  };
  void Minimize(size_t down_to);
  std::string Signature(const Node& node) const;

  std::vector<Node> nodes_;
  std::unordered_map<std::string, uint32_t> register_;
  std::vector<uint32_t> path_;  // nodes along the last word added
  std::string last_;
  size_t edges_ = 0;
  size_t finals_ = 0;
  size_t words_ = 0;
  bool finished_ = false;
};
