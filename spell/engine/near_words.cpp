// The bounded walk over the letter trees for the wider suggestion search.
#include "spell/engine/near_words.h"

#include <algorithm>
#include <bit>

#include "spell/engine/son_dict.h"
#include "spell/engine/typo_cost.h"

namespace {

// The small letters that have a capital, as a set of letters (typo_cost.h).
constexpr uint64_t kCapitalised = (uint64_t(1) << (kLastSmall - kFirstSmall + 1)) - 1;

class Walk {
 public:
  Walk(const typo_cost::TypedWord& typed, int bound, size_t limit, std::vector<NearWord>* out)
      : typed_(typed), n_(typed.size()), bound_(bound), limit_(limit), out_(out) {
    max_depth_ = n_ + size_t(bound / typo_cost::kDoubled) + 1;
    rows_.assign((max_depth_ + 1) * (n_ + 1), 0);
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
    // Only letters whose row comes within the bound are worth a row; a
    // swap or a two-letter spelling reaches back one row at a cost of at
    // least kConfusion, so a child whose row is all above the bound may
    // still lead to words.
    const size_t j = depth + 1;
    const int* up2 = j >= 2 ? Row(j - 2) : Row(0);
    const uint64_t within =
        typed_.LettersWithin(small_.data(), j, up2, Row(depth), least_[depth], bound_);
    const uint64_t back = least_[depth] + typo_cost::kConfusion <= bound_
                              ? typed_.LettersReachingBack(Row(depth), bound_)
                              : 0;
    const uint64_t wanted = within | back;
    // Capitals first, as the codes go.
    for (int pass = capitals_ ? 0 : 1; pass < 2; ++pass) {
      const uint8_t first = pass == 0 ? kFirstCapital : kFirstSmall;
      const uint64_t letters =
          (pass == 0 ? wanted & kCapitalised : wanted) & tree_->Children(base, first);
      for (uint64_t left = letters; left != 0; left &= left - 1) {
        const int index = std::countr_zero(left);
        const uint32_t next = tree_->ChildBase(base, first, index);
        // Its row takes a while: time enough to fetch its children.
        if (capitals_) tree_->Prefetch(next, kFirstCapital);
        tree_->Prefetch(next, kFirstSmall);
        word_[depth] = uint8_t(first + index);
        small_[depth] = uint8_t(kFirstSmall + index);
        least_[j] = typed_.NextRow(small_.data(), j, up2, Row(depth), Row(j));
        if (least_[j] <= bound_ || (back >> index & 1) != 0) Node(next, j);
        if (visited_ > limit_) return;
      }
    }
  }

  const typo_cost::TypedWord& typed_;
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

void FindNearWords(const SonDictionary& dict, const typo_cost::TypedWord& typed, int bound,
                   size_t limit, std::vector<NearWord>* out) {
  Walk walk(typed, bound, limit, out);
  for (int i = 0; i < dict.TreeCount(TreeKind::kMain); ++i)
    walk.Tree(dict.Tree(TreeKind::kMain, i), false);
  for (int i = 0; i < dict.TreeCount(TreeKind::kCapitalised); ++i) {
    walk.Tree(dict.Tree(TreeKind::kCapitalised, i), true);
  }
}
