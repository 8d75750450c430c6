// The bounded walk over the letter trees for the wider suggestion search.
#include "spell/engine/near_words.h"

#include <algorithm>

#include "spell/engine/son_dict.h"
#include "spell/engine/typo_cost.h"

namespace {

class Walk {
 public:
  Walk(const uint8_t* typed, size_t n, int bound, size_t limit, std::vector<NearWord>* out)
      : typed_(typed, n), n_(n), bound_(bound), limit_(limit), out_(out) {
    max_depth_ = n + size_t(bound / typo_cost::kDoubled) + 1;
    rows_.assign((max_depth_ + 1) * (n + 1), 0);
    least_.assign(max_depth_ + 1, 0);
    small_.assign(max_depth_ + 1, 0);
    word_.assign(max_depth_ + 1, 0);
    least_[0] = typed_.FirstRow(Row(0));
  }

  // Walks one tree from its root; `capitals` lets letters be capitals.
  void Tree(const TreeView& tree, bool capitals) {
    tree_ = &tree;
    capitals_ = capitals;
    Node(0, 0);
  }

 private:
  int* Row(size_t depth) { return rows_.data() + depth * (n_ + 1); }

  // The node reached by `depth` letters, whose children lie from `base`.
  void Node(uint32_t base, size_t depth) {
    if (++visited_ > limit_) return;
    uint32_t end = base;
    if (depth > 0 && tree_->Step(&end, kEndCode) && Row(depth)[n_] <= bound_) {
      out_->push_back(NearWord{std::basic_string<uint8_t>(word_.data(), depth), Row(depth)[n_]});
    }
    if (depth == max_depth_) return;
    // A swap or a two-letter spelling reaches back one row, at a cost of at
    // least kConfusion: a child whose row is all above the bound may still
    // lead to words.
    const bool back_in_reach = least_[depth] + typo_cost::kConfusion <= bound_;
    for (int c = capitals_ ? kFirstCapital : kFirstSmall; c <= kHyphenCode; ++c) {
      if (c > kLastCapital && c < kFirstSmall) c = kFirstSmall;
      uint32_t next = base;
      if (!tree_->Step(&next, uint8_t(c))) continue;
      word_[depth] = uint8_t(c);
      small_[depth] = ToSmallCode(uint8_t(c));
      const size_t j = depth + 1;
      least_[j] = typed_.NextRow(small_.data(), j, j >= 2 ? Row(j - 2) : Row(0), Row(j - 1), Row(j));
      if (least_[j] <= bound_ ||
          (back_in_reach && typed_.ReachesBack(small_[depth], Row(depth), bound_))) {
        Node(next, j);
      }
      if (visited_ > limit_) return;
    }
  }

  const typo_cost::TypedWord typed_;
  size_t n_;
  int bound_;
  size_t limit_;
  std::vector<NearWord>* out_;
  size_t max_depth_ = 0;
  size_t visited_ = 0;
  std::vector<int> rows_;
  std::vector<int> least_;  // the smallest entry of each row
  std::vector<uint8_t> small_, word_;
  const TreeView* tree_ = nullptr;
  bool capitals_ = false;
};

}  // namespace

void FindNearWords(const SonDictionary& dict, const uint8_t* typed, size_t n, int bound,
                   size_t limit, std::vector<NearWord>* out) {
  Walk walk(typed, n, bound, limit, out);
  for (int i = 0; i < dict.TreeCount(TreeKind::kMain); ++i) walk.Tree(dict.Tree(TreeKind::kMain, i), false);
  for (int i = 0; i < dict.TreeCount(TreeKind::kCapitalised); ++i) {
    walk.Tree(dict.Tree(TreeKind::kCapitalised, i), true);
  }
}
