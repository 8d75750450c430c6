// XTLArray: growth of the block, 1-based element operations and the sorted
// search.
#include "base/xtl_array.h"

#include <cstring>

namespace {

// Indices are signed 32-bit.
constexpr uint64_t kMaxCount = 0x7ffffffe;
constexpr uint64_t kMaxBytes = 0xffffffff;

int32_t Sign(int value) { return (value > 0) - (value < 0); }

int32_t ReadLong(const void* p) {
  int32_t value;
  memcpy(&value, p, sizeof value);
  return value;
}

XTLComparator& ByteComparator() {
  static XTLComparator comparator;
  return comparator;
}

XTLComparator& LongComparator() {
  static XTLLongComparator comparator;
  return comparator;
}

}  // namespace

int32_t XTLComparator::Compare(const void* a, const void* b, uint32_t size_a, uint32_t size_b) const {
  int prefix = memcmp(a, b, size_a < size_b ? size_a : size_b);
  if (prefix != 0) return Sign(prefix);
  return (size_a > size_b) - (size_a < size_b);
}

int32_t XTLComparator::CompareKey(const void* element, const void* key, uint32_t size) const {
  return Compare(element, key, size, size);
}

int32_t XTLLongComparator::Compare(const void* a, const void* b, uint32_t, uint32_t) const {
  int32_t x = ReadLong(a);
  int32_t y = ReadLong(b);
  return (x > y) - (x < y);
}

XTLArray::Pin::Pin(const XTLArray& array) : array_(array), bytes_(nullptr) {
  if (array.block_) bytes_ = static_cast<uint8_t*>(array.allocator_->lock(array.block_));
}

XTLArray::Pin::~Pin() {
  if (array_.block_) array_.allocator_->unlock(array_.block_);
}

uint8_t* XTLArray::Pin::At(int32_t index) const {
  return bytes_ + static_cast<size_t>(index - 1) * array_.element_size_;
}

XTLArray::XTLArray(uint32_t element_size, XTLComparator* comparator, bool keep_sorted,
                   bool own_comparator)
    : allocator_(&CurrentBlockAllocator()),
      element_size_(element_size ? element_size : 1),
      comparator_(comparator ? comparator : element_size_ == 4 ? &LongComparator() : &ByteComparator()),
      own_comparator_(comparator && own_comparator),
      keep_sorted_(keep_sorted) {}

XTLArray::~XTLArray() {
  if (block_) allocator_->release(block_);
  if (own_comparator_) delete comparator_;
}

// Room for one more element: the block doubles, or grows by exactly one
// element when doubling is refused.
void XTLArray::Grow() {
  uint64_t needed = (static_cast<uint64_t>(count_) + 1) * element_size_;
  if (count_ + 1ull > kMaxCount || needed > kMaxBytes) throw BlockError(kBlockErrorNoMemory);
  if (needed <= allocated_) return;
  uint64_t wanted = allocated_ + (element_size_ > allocated_ ? element_size_ : allocated_);
  if (wanted > kMaxBytes) wanted = needed;
  if (!block_) {
    block_ = allocator_->allocate(static_cast<size_t>(wanted));
    if (!block_) {
      wanted = needed;
      block_ = allocator_->allocate(static_cast<size_t>(wanted));
    }
    if (!block_) throw BlockError(allocator_->last_error());
  } else if (allocator_->resize(block_, static_cast<size_t>(wanted)) != 0) {
    wanted = needed;
    if (allocator_->resize(block_, static_cast<size_t>(wanted)) != 0) {
      throw BlockError(allocator_->last_error());
    }
  }
  allocated_ = static_cast<uint32_t>(wanted);
}

bool XTLArray::Get(int32_t index, void* out) const {
  if (!InRange(index) || !out) return false;
  Pin pin(*this);
  memcpy(out, pin.At(index), element_size_);
  return true;
}

int32_t XTLArray::Append(const void* element) {
  bool found = false;
  const int32_t at = keep_sorted_ ? SearchPosition(element, false, &found)
                                  : static_cast<int32_t>(count_) + 1;
  Grow();
  {
    Pin pin(*this);
    size_t tail = static_cast<size_t>(count_ - static_cast<uint32_t>(at) + 1) * element_size_;
    if (tail) memmove(pin.At(at + 1), pin.At(at), tail);
    memcpy(pin.At(at), element, element_size_);
  }
  ++count_;
  if (!keep_sorted_) sorted_ = count_ < 2;
  return at;
}

bool XTLArray::Delete(int32_t index) {
  if (!InRange(index)) return false;
  {
    Pin pin(*this);
    size_t tail = static_cast<size_t>(count_ - static_cast<uint32_t>(index)) * element_size_;
    if (tail) memmove(pin.At(index), pin.At(index + 1), tail);
  }
  --count_;
  if (allocator_->resize(block_, allocated_ - element_size_) == 0) allocated_ -= element_size_;
  if (count_ < 2) sorted_ = true;
  return true;
}

int32_t XTLArray::SearchPosition(const void* probe, bool by_key, bool* found) const {
  *found = false;
  if (count_ == 0) return 1;
  Pin pin(*this);
  int32_t low = 1;
  int32_t high = static_cast<int32_t>(count_);
  int32_t mid = 1;
  bool smaller = false;
  while (low <= high) {
    mid = low + (high - low) / 2;
    const uint8_t* element = pin.At(mid);
    int32_t order = by_key ? comparator_->CompareKey(element, probe, element_size_)
                           : comparator_->Compare(element, probe, element_size_, element_size_);
    if (order == 0) {
      *found = true;
      smaller = false;
      break;
    }
    smaller = order < 0;
    if (smaller) low = mid + 1;
    else high = mid - 1;
  }
  return mid + (smaller ? 1 : 0);
}

int32_t XTLArray::FindKey(const void* key) const {
  if (!key) return 0;
  if (sorted_) {
    bool found = false;
    const int32_t at = SearchPosition(key, true, &found);
    return found ? at : 0;
  }
  Pin pin(*this);
  for (int32_t i = 1; static_cast<uint32_t>(i) <= count_; ++i) {
    if (comparator_->CompareKey(pin.At(i), key, element_size_) == 0) return i;
  }
  return 0;
}
