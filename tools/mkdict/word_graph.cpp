// Incremental construction of the minimal automaton for sorted input, and the
// first-fit packing of its nodes into 16-bit positions.
#include "tools/mkdict/word_graph.h"

#include <algorithm>

WordGraph::WordGraph() {
  nodes_.emplace_back();
  path_.push_back(0);
}

std::string WordGraph::Signature(const Node& node) const {
  std::string key(1, node.final ? '\1' : '\0');
  for (const auto& [label, target] : node.edges) {
    key.push_back(char(label));
    key.append(reinterpret_cast<const char*>(&target), sizeof target);
  }
  return key;
}

// Replaces the nodes of the last word's path below depth `down_to` by equal
// registered nodes, or registers them.
void WordGraph::Minimize(size_t down_to) {
  while (path_.size() > down_to + 1) {
    uint32_t child = path_.back();
    path_.pop_back();
    Node& parent = nodes_[path_.back()];
    std::string key = Signature(nodes_[child]);
    auto it = register_.find(key);
    if (it != register_.end()) {
      parent.edges.back().second = it->second;
      edges_ -= nodes_[child].edges.size();
      finals_ -= nodes_[child].final ? 1 : 0;
      nodes_[child] = Node();
      if (child + 1 == nodes_.size()) nodes_.pop_back();
    } else {
      register_.emplace(std::move(key), child);
    }
  }
}

void WordGraph::Add(std::string_view word) {
  size_t common = 0;
  while (common < word.size() && common < last_.size() && word[common] == last_[common]) ++common;
  Minimize(common);
  for (size_t i = common; i < word.size(); ++i) {
    uint32_t id = uint32_t(nodes_.size());
    nodes_.emplace_back();
    nodes_[path_.back()].edges.emplace_back(uint8_t(word[i]), id);
    ++edges_;
    path_.push_back(id);
  }
  nodes_[path_.back()].final = true;
  ++finals_;
  ++words_;
  last_.assign(word);
}

bool WordGraph::Pack(PackedTree* out) {
  if (!finished_) {
    Minimize(0);
    finished_ = true;
  }
  // Breadth-first order from the root, each reachable node once.
  std::vector<uint32_t> order{0};
  std::vector<int32_t> base(nodes_.size(), -1);
  std::vector<bool> seen(nodes_.size(), false);
  seen[0] = true;
  for (size_t i = 0; i < order.size(); ++i) {
    for (const auto& edge : nodes_[order[i]].edges) {
      if (!seen[edge.second]) {
        seen[edge.second] = true;
        order.push_back(edge.second);
      }
    }
  }
  const size_t limit = kTreePositions;
  std::vector<uint8_t> taken(limit + 256, 0);
  std::vector<uint8_t> base_used(limit, 0);
  size_t first_free = 1;
  size_t reach = 0;
  std::vector<uint8_t> labels;
  for (uint32_t id : order) {
    const Node& node = nodes_[id];
    labels.clear();
    if (node.final) labels.push_back(1);
    for (const auto& edge : node.edges) labels.push_back(edge.first);
    size_t b = 0;
    if (id != 0) {
      while (first_free < limit && taken[first_free]) ++first_free;
      b = first_free > labels.front() ? first_free - labels.front() : 1;
      for (;; ++b) {
        if (b + labels.back() >= limit) return false;
        if (base_used[b]) continue;
        bool fits = true;
        for (uint8_t label : labels) {
          if (taken[b + label]) {
            fits = false;
            break;
          }
        }
        if (fits) break;
      }
    }
    base[id] = int32_t(b);
    base_used[b] = 1;
    for (uint8_t label : labels) {
      taken[b + label] = 1;
      reach = std::max(reach, b + label + 1);
    }
  }
  out->letters.assign(reach, 0);
  out->links.assign(reach * 2, 0);
  out->used = 0;
  for (uint32_t id : order) {
    const Node& node = nodes_[id];
    size_t b = size_t(base[id]);
    if (node.final) {
      out->letters[b + 1] = 1;
      ++out->used;
    }
    for (const auto& [label, target] : node.edges) {
      size_t p = b + label;
      out->letters[p] = label;
      uint16_t link = uint16_t(base[target]);
      out->links[2 * p] = uint8_t(link >> 8);
      out->links[2 * p + 1] = uint8_t(link);
      ++out->used;
    }
  }
  return true;
}
