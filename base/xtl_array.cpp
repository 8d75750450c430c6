// XTLArray: growth of the block, 1-based element operations, the sorted
// search, Shell sort and the fix-up of registered iterators.
#include "base/xtl_array.h"

#include <cstring>
#include <vector>

namespace {

// Indices are signed 32-bit, and 0x7fffffff is reserved for "last".
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

bool XTLComparator::Equal(const void* a, const void* b, uint32_t size_a, uint32_t size_b) const {
  return Compare(a, b, size_a, size_b) == 0;
}

int32_t XTLComparator::CompareKey(const void* element, const void* key, uint32_t size) const {
  return Compare(element, key, size, size);
}

XTLComparator* XTLComparator::Create() const { return new XTLComparator; }

int32_t XTLLongComparator::Compare(const void* a, const void* b, uint32_t, uint32_t) const {
  int32_t x = ReadLong(a);
  int32_t y = ReadLong(b);
  return (x > y) - (x < y);
}

int32_t XTLLongComparator::CompareKey(const void* element, const void* key, uint32_t size) const {
  return Compare(element, key, size, size);
}

XTLComparator* XTLLongComparator::Create() const { return new XTLLongComparator; }

XTLArray::Pin::Pin(const XTLArray& array) : array_(array), bytes_(nullptr) {
  if (array.lock_count_ > 0) bytes_ = static_cast<uint8_t*>(array.locked_bytes_);
  else if (array.block_) bytes_ = static_cast<uint8_t*>(array.allocator_->lock(array.block_));
}

XTLArray::Pin::~Pin() {
  if (array_.lock_count_ == 0 && array_.block_) array_.allocator_->unlock(array_.block_);
}

uint8_t* XTLArray::Pin::At(int32_t index) const {
  return bytes_ + static_cast<size_t>(index - 1) * array_.element_size_;
}

XTLArray::XTLArray(uint32_t element_size, uint32_t reserve, XTLComparator* comparator,
                   bool keep_sorted, bool own_comparator)
    : allocator_(&CurrentBlockAllocator()),
      element_size_(element_size ? element_size : 1),
      comparator_(comparator ? comparator : element_size_ == 4 ? &LongComparator() : &ByteComparator()),
      own_comparator_(comparator && own_comparator),
      keep_sorted_(keep_sorted) {
  if (reserve == 0) return;
  uint64_t bytes = static_cast<uint64_t>(reserve) * element_size_;
  if (bytes > kMaxBytes) throw BlockError(kBlockErrorNoMemory);
  block_ = allocator_->allocate(static_cast<size_t>(bytes));
  if (!block_) throw BlockError(allocator_->last_error());
  allocated_ = static_cast<uint32_t>(bytes);
}

XTLArray::XTLArray(const XTLArray& other)
    : allocator_(other.allocator_),
      element_size_(other.element_size_),
      comparator_(other.own_comparator_ ? other.comparator_->Create() : other.comparator_),
      own_comparator_(other.own_comparator_),
      sorted_(other.sorted_),
      keep_sorted_(other.keep_sorted_) {
  if (other.used_ == 0) return;
  block_ = allocator_->allocate(other.used_);
  if (!block_) {
    if (own_comparator_) delete comparator_;
    throw BlockError(allocator_->last_error());
  }
  Pin from(other);
  memcpy(allocator_->lock(block_), from.At(1), other.used_);
  allocator_->unlock(block_);
  count_ = other.count_;
  used_ = allocated_ = other.used_;
}

XTLArray::~XTLArray() {
  for (XTLIterator* it = iterators_; it;) {
    XTLIterator* next = it->link;
    it->current = kXTLDestroyed;
    it->array = nullptr;
    it->link = nullptr;
    it = next;
  }
  if (block_) {
    if (lock_count_ > 0) allocator_->unlock(block_);
    allocator_->release(block_);
  }
  if (own_comparator_) delete comparator_;
}

int32_t XTLArray::Resolve(int32_t index) const {
  if (index == kXTLLast) return static_cast<int32_t>(count_);
  return index >= 1 && static_cast<uint32_t>(index) <= count_ ? index : 0;
}

void XTLArray::Grow(uint32_t n) {
  uint64_t count = static_cast<uint64_t>(count_) + n;
  uint64_t needed = count * element_size_;
  if (count > kMaxCount || needed > kMaxBytes) throw BlockError(kBlockErrorNoMemory);
  if (needed <= allocated_) return;
  uint64_t step = static_cast<uint64_t>(n) * element_size_;
  uint64_t wanted = allocated_ + (step > allocated_ ? step : allocated_);
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

void XTLArray::Shrink(uint32_t n) {
  uint32_t freed = n * element_size_;
  if (block_ && allocator_->resize(block_, allocated_ - freed) == 0) allocated_ -= freed;
}

bool XTLArray::Get(int32_t index, void* out) const { return Get(index, out, element_size_) != 0; }

uint32_t XTLArray::Get(int32_t index, void* out, uint32_t size) const {
  int32_t i = Resolve(index);
  if (!i || !out || size == 0) return 0;
  uint32_t copied = size < element_size_ ? size : element_size_;
  Pin pin(*this);
  memcpy(out, pin.At(i), copied);
  return copied;
}

bool XTLArray::Set(int32_t index, const void* element) {
  int32_t i = Resolve(index);
  if (!i || !element || IsLocked()) return false;
  {
    Pin pin(*this);
    memcpy(pin.At(i), element, element_size_);
  }
  ChangedOrder();
  return true;
}

int32_t XTLArray::Append(const void* element) {
  return Insert(static_cast<int32_t>(count_) + 1, element, 1);
}

int32_t XTLArray::Insert(int32_t index, const void* element, uint32_t n) {
  if (IsLocked() || n == 0 || index < 1) return kXTLNoIndex;
  std::vector<uint8_t> zero;
  if (!element) {
    zero.assign(element_size_, 0);
    element = zero.data();
  }
  int32_t at = keep_sorted_ ? SortedPosition(element)
               : static_cast<uint32_t>(index) > count_ ? static_cast<int32_t>(count_) + 1
                                                       : index;
  Grow(n);
  {
    Pin pin(*this);
    size_t tail = static_cast<size_t>(count_ - static_cast<uint32_t>(at) + 1) * element_size_;
    if (tail) memmove(pin.At(at + static_cast<int32_t>(n)), pin.At(at), tail);
    for (uint32_t k = 0; k < n; ++k) memcpy(pin.At(at + static_cast<int32_t>(k)), element, element_size_);
  }
  count_ += n;
  used_ = count_ * element_size_;
  if (!keep_sorted_) ChangedOrder();
  AfterInsert(at, n);
  return at;
}

bool XTLArray::Delete(int32_t index, uint32_t n) {
  int32_t i = Resolve(index);
  if (!i || n == 0 || IsLocked()) return false;
  uint32_t available = count_ - static_cast<uint32_t>(i) + 1;
  if (n > available) n = available;
  {
    Pin pin(*this);
    size_t tail = static_cast<size_t>(available - n) * element_size_;
    if (tail) memmove(pin.At(i), pin.At(i + static_cast<int32_t>(n)), tail);
  }
  count_ -= n;
  used_ = count_ * element_size_;
  Shrink(n);
  if (count_ < 2) sorted_ = true;
  AfterDelete(i, n);
  return true;
}

bool XTLArray::Fill(int32_t index, const void* element, uint32_t n) {
  int32_t i = Resolve(index);
  if (!i || !element || n == 0 || IsLocked()) return false;
  uint32_t available = count_ - static_cast<uint32_t>(i) + 1;
  if (n > available) n = available;
  {
    Pin pin(*this);
    for (uint32_t k = 0; k < n; ++k) memcpy(pin.At(i + static_cast<int32_t>(k)), element, element_size_);
  }
  ChangedOrder();
  return true;
}

bool XTLArray::Move(int32_t from, int32_t to) {
  int32_t f = Resolve(from);
  int32_t t = Resolve(to);
  if (!f || !t || IsLocked()) return false;
  if (f == t) return true;
  std::vector<uint8_t> moving(element_size_);
  {
    Pin pin(*this);
    memcpy(moving.data(), pin.At(f), element_size_);
    if (f < t) memmove(pin.At(f), pin.At(f + 1), static_cast<size_t>(t - f) * element_size_);
    else memmove(pin.At(t + 1), pin.At(t), static_cast<size_t>(f - t) * element_size_);
    memcpy(pin.At(t), moving.data(), element_size_);
  }
  ChangedOrder();
  return true;
}

void XTLArray::Clear() {
  if (count_ > 0) Delete(1, count_);
}

void XTLArray::ChangedOrder() { sorted_ = count_ < 2; }

int32_t XTLArray::SearchPosition(const void* probe, bool by_key, bool* found) const {
  *found = false;
  if (count_ == 0) return 1;
  Lock();
  int32_t low = 1;
  int32_t high = static_cast<int32_t>(count_);
  int32_t mid = 1;
  bool smaller = false;
  while (low <= high) {
    mid = low + (high - low) / 2;
    const uint8_t* element = static_cast<const uint8_t*>(locked_bytes_) +
                             static_cast<size_t>(mid - 1) * element_size_;
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
  Unlock();
  return mid + (smaller ? 1 : 0);
}

int32_t XTLArray::LinearFind(const void* probe, bool by_key) const {
  Pin pin(*this);
  for (int32_t i = 1; static_cast<uint32_t>(i) <= count_; ++i) {
    bool equal = by_key ? comparator_->EqualKey(pin.At(i), probe, element_size_)
                        : comparator_->Equal(pin.At(i), probe, element_size_, element_size_);
    if (equal) return i;
  }
  return 0;
}

int32_t XTLArray::FindBy(const void* probe, bool by_key) const {
  if (!probe) return 0;
  if (!sorted_) return LinearFind(probe, by_key);
  bool found = false;
  const int32_t at = SearchPosition(probe, by_key, &found);
  return found ? at : 0;
}

int32_t XTLArray::Find(const void* element) const { return FindBy(element, false); }

int32_t XTLArray::FindKey(const void* key) const { return FindBy(key, true); }

int32_t XTLArray::SortedPosition(const void* element) const {
  bool found = false;
  return SearchPosition(element, false, &found);
}

int32_t XTLArray::SortedKeyPosition(const void* key) const {
  bool found = false;
  return SearchPosition(key, true, &found);
}

uint32_t XTLArray::FirstSortGap(uint32_t count) {
  uint32_t q = count / 9;
  if (q <= 1) return 1;
  uint32_t gap = 1;
  while (gap < q) gap = 3 * gap + 1;
  return gap;
}

bool XTLArray::Sort() {
  if (IsLocked()) return false;
  if (sorted_ || count_ < 2) {
    sorted_ = true;
    return true;
  }
  std::vector<uint8_t> held(element_size_);
  Pin pin(*this);
  const int32_t count = static_cast<int32_t>(count_);
  for (int32_t gap = static_cast<int32_t>(FirstSortGap(count_)); gap > 0; gap /= 3) {
    for (int32_t i = gap + 1; i <= count; ++i) {
      memcpy(held.data(), pin.At(i), element_size_);
      int32_t j = i;
      while (j > gap &&
             comparator_->Compare(pin.At(j - gap), held.data(), element_size_, element_size_) > 0) {
        memcpy(pin.At(j), pin.At(j - gap), element_size_);
        j -= gap;
      }
      memcpy(pin.At(j), held.data(), element_size_);
    }
  }
  sorted_ = true;
  return true;
}

void XTLArray::Lock() const {
  if (lock_count_++ == 0 && block_) locked_bytes_ = allocator_->lock(block_);
}

void XTLArray::Unlock() const {
  if (lock_count_ == 0) return;
  if (--lock_count_ == 0 && block_) {
    allocator_->unlock(block_);
    locked_bytes_ = nullptr;
  }
}

void* XTLArray::ElementPtr(int32_t index) const {
  int32_t i = Resolve(index);
  if (!i || lock_count_ == 0) return nullptr;
  return static_cast<uint8_t*>(locked_bytes_) + static_cast<size_t>(i - 1) * element_size_;
}

void XTLArray::Register(XTLIterator* iterator) {
  if (!iterator) return;
  Unregister(iterator);
  iterator->array = this;
  iterator->current = kXTLBeforeFirst;
  iterator->next = 1;
  iterator->link = iterators_;
  iterators_ = iterator;
}

void XTLArray::Unregister(XTLIterator* iterator) {
  for (XTLIterator** at = &iterators_; *at; at = &(*at)->link) {
    if (*at == iterator) {
      *at = iterator->link;
      iterator->link = nullptr;
      iterator->array = nullptr;
      return;
    }
  }
}

bool XTLArray::Next(XTLIterator* iterator, void* out) const {
  if (!iterator || iterator->array != this || iterator->current == kXTLPastEnd) return false;
  int32_t index = iterator->current == kXTLRemoved ? iterator->next : iterator->current + 1;
  if (index < 1 || static_cast<uint32_t>(index) > count_) {
    iterator->current = kXTLPastEnd;
    iterator->next = static_cast<int32_t>(count_) + 1;
    return false;
  }
  iterator->current = index;
  iterator->next = index + 1;
  return Current(iterator, out);
}

bool XTLArray::Previous(XTLIterator* iterator, void* out) const {
  if (!iterator || iterator->array != this) return false;
  int32_t index = iterator->current == kXTLRemoved   ? iterator->next - 1
                  : iterator->current == kXTLPastEnd ? static_cast<int32_t>(count_)
                                                     : iterator->current - 1;
  if (index < 1 || static_cast<uint32_t>(index) > count_) {
    iterator->current = kXTLBeforeFirst;
    iterator->next = 1;
    return false;
  }
  iterator->current = index;
  iterator->next = index + 1;
  return Current(iterator, out);
}

bool XTLArray::Current(const XTLIterator* iterator, void* out) const {
  if (!iterator || iterator->array != this || iterator->current < 1) return false;
  if (static_cast<uint32_t>(iterator->current) > count_) return false;
  if (out) Get(iterator->current, out);
  return true;
}

void XTLArray::AfterInsert(int32_t index, uint32_t n) {
  int32_t shift = static_cast<int32_t>(n);
  for (XTLIterator* it = iterators_; it; it = it->link) {
    if (it->current >= index) {
      it->current += shift;
      it->next += shift;
    } else if (it->current == kXTLRemoved && it->next >= index) {
      it->next += shift;
    }
  }
}

void XTLArray::AfterDelete(int32_t index, uint32_t n) {
  int32_t last = index + static_cast<int32_t>(n) - 1;
  int32_t shift = static_cast<int32_t>(n);
  for (XTLIterator* it = iterators_; it; it = it->link) {
    if (it->current >= index && it->current <= last) {
      it->current = kXTLRemoved;
      it->next = index;
    } else if (it->current > last) {
      it->current -= shift;
      it->next -= shift;
    } else if (it->current == kXTLRemoved && it->next > last) {
      it->next -= shift;
    } else if (it->current == kXTLRemoved && it->next >= index) {
      it->next = index;
    }
  }
}
