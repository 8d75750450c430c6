// A gap buffer: a growable array whose free space (the gap) follows the last
// edit, so inserting or erasing near the previous edit costs O(1) amortised.
// Stories keep their characters and each attribute kind in one of these.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace wirsel::model {

template <typename T>
class GapBuffer {
 public:
  GapBuffer() = default;
  // `count` elements of `value`.
  GapBuffer(std::size_t count, T value) : data_(count + kMinGap, value), gap_start_(count),
                                          gap_end_(count + kMinGap) {}

  std::size_t size() const { return data_.size() - gap_size(); }
  bool empty() const { return size() == 0; }

  // Element i, 0 <= i < size() (callers check; the story layer does).
  T operator[](std::size_t i) const { return data_[Physical(i)]; }
  void Set(std::size_t i, T value) { data_[Physical(i)] = value; }

  // Copies elements [pos, pos + count) into out; both within size().
  void CopyOut(std::size_t pos, std::size_t count, T* out) const {
    for (std::size_t i = 0; i < count; ++i) out[i] = (*this)[pos + i];
  }

  // Inserts count elements from `values` before element pos (pos <= size()).
  void Insert(std::size_t pos, const T* values, std::size_t count) {
    MakeGap(pos, count);
    std::copy(values, values + count, data_.begin() + static_cast<std::ptrdiff_t>(gap_start_));
    gap_start_ += count;
  }

  // Inserts count copies of value before element pos.
  void InsertFill(std::size_t pos, T value, std::size_t count) {
    MakeGap(pos, count);
    std::fill_n(data_.begin() + static_cast<std::ptrdiff_t>(gap_start_), count, value);
    gap_start_ += count;
  }

  // Erases elements [start, end), start <= end <= size().
  void Erase(std::size_t start, std::size_t end) {
    MoveGap(start);
    gap_end_ += end - start;
  }

 private:
  static constexpr std::size_t kMinGap = 64;

  std::size_t gap_size() const { return gap_end_ - gap_start_; }
  std::size_t Physical(std::size_t i) const { return i < gap_start_ ? i : i + gap_size(); }

  // Moves the gap so that it starts at logical position pos.
  void MoveGap(std::size_t pos) {
    auto base = data_.begin();
    if (pos < gap_start_) {
      std::size_t n = gap_start_ - pos;
      std::move_backward(base + static_cast<std::ptrdiff_t>(pos),
                         base + static_cast<std::ptrdiff_t>(gap_start_),
                         base + static_cast<std::ptrdiff_t>(gap_end_));
      gap_start_ -= n;
      gap_end_ -= n;
    } else if (pos > gap_start_) {
      std::size_t n = pos - gap_start_;
      std::move(base + static_cast<std::ptrdiff_t>(gap_end_),
                base + static_cast<std::ptrdiff_t>(gap_end_ + n),
                base + static_cast<std::ptrdiff_t>(gap_start_));
      gap_start_ += n;
      gap_end_ += n;
    }
  }

  // Moves the gap to pos and makes it at least `needed` long, growing the
  // storage geometrically (by half) so that a run of inserts stays linear
  // while a grown buffer holds little more than it needs.
  void MakeGap(std::size_t pos, std::size_t needed) {
    MoveGap(pos);
    if (gap_size() >= needed) return;
    std::size_t used = size();
    std::size_t capacity =
        std::max({data_.size() + data_.size() / 2, used + needed + kMinGap, kMinGap});
    std::size_t tail = data_.size() - gap_end_;
    std::vector<T> grown(capacity);
    std::copy(data_.begin(), data_.begin() + static_cast<std::ptrdiff_t>(gap_start_),
              grown.begin());
    std::copy(data_.end() - static_cast<std::ptrdiff_t>(tail), data_.end(),
              grown.end() - static_cast<std::ptrdiff_t>(tail));
    data_.swap(grown);
    gap_end_ = data_.size() - tail;
  }

  std::vector<T> data_;
  std::size_t gap_start_ = 0;
  std::size_t gap_end_ = 0;
};

}  // namespace wirsel::model
