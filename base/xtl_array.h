// XTLArray: fixed-size records in one relocatable block, addressed from 1,
// optionally kept sorted by a comparator, with registered iterators that stay
// valid across insertions and deletions. XTTArray<T> is its typed form.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "base/block_alloc.h"

// Index meaning "the last element".
inline constexpr int32_t kXTLLast = 0x7fffffff;
// Returned by the index-valued operations when they fail.
inline constexpr int32_t kXTLNoIndex = 0x7fffffff;

// Iterator states besides a valid index.
inline constexpr int32_t kXTLBeforeFirst = 0;
inline constexpr int32_t kXTLPastEnd = -2;
inline constexpr int32_t kXTLRemoved = -4;
inline constexpr int32_t kXTLDestroyed = -6;

// Byte-wise comparator: common prefix as unsigned bytes, then size A - size B.
class XTLComparator {
 public:
  virtual ~XTLComparator() = default;
  // Negative, zero or positive as A orders before, with or after B.
  virtual int32_t Compare(const void* a, const void* b, uint32_t size_a, uint32_t size_b) const;
  // Compare(...) == 0.
  virtual bool Equal(const void* a, const void* b, uint32_t size_a, uint32_t size_b) const;
  // Element against a search key (by default the key is an element).
  virtual int32_t CompareKey(const void* element, const void* key, uint32_t size) const;
  bool EqualKey(const void* element, const void* key, uint32_t size) const {
    return CompareKey(element, key, size) == 0;
  }
  // A new comparator of the same kind (owned by the caller).
  virtual XTLComparator* Create() const;
};

// Elements are 32-bit signed integers, ordered by value.
class XTLLongComparator : public XTLComparator {
 public:
  int32_t Compare(const void* a, const void* b, uint32_t size_a, uint32_t size_b) const override;
  int32_t CompareKey(const void* element, const void* key, uint32_t size) const override;
  XTLComparator* Create() const override;
};

class XTLArray;

// A registered iterator; `current` is an index or one of the states above.
struct XTLIterator {
  XTLArray* array = nullptr;
  int32_t current = kXTLBeforeFirst;
  int32_t next = 1;
  XTLIterator* link = nullptr;
};

class XTLArray {
 public:
  // `comparator` null: the shared byte comparator (the long one for 4-byte
  // elements), not owned; with own_comparator the array deletes it. The
  // element size is at least 1. Throws BlockError when `reserve` elements
  // cannot be had.
  XTLArray(uint32_t element_size, uint32_t reserve = 0, XTLComparator* comparator = nullptr,
           bool keep_sorted = false, bool own_comparator = false);
  // Copies the elements (and a fresh comparator when the source owns its
  // own); no iterators registered, unlocked.
  XTLArray(const XTLArray& other);
  XTLArray& operator=(const XTLArray&) = delete;
  // Registered iterators enter kXTLDestroyed.
  virtual ~XTLArray();

  uint32_t ElementSize() const { return element_size_; }
  uint32_t Count() const { return count_; }
  bool IsSorted() const { return sorted_; }
  bool KeepsSorted() const { return keep_sorted_; }
  bool IsLocked() const { return lock_count_ > 0; }

  // Copies element i into `out` (element size bytes); false outside 1..count.
  bool Get(int32_t index, void* out) const;
  // Copies min(element size, size) bytes; the size copied, 0 on failure.
  uint32_t Get(int32_t index, void* out, uint32_t size) const;
  // Overwrites element i; false outside 1..count or while locked.
  bool Set(int32_t index, const void* element);
  // Appends (a keep-sorted array inserts at the sorted place); the new index,
  // kXTLNoIndex while locked.
  int32_t Append(const void* element);
  // Inserts n copies of `element` (null: zero bytes) before index (past the
  // end appends; a keep-sorted array ignores index for one element and
  // inserts at its sorted place); the first new index, kXTLNoIndex on failure.
  int32_t Insert(int32_t index, const void* element, uint32_t n = 1);
  // Deletes n elements from index on, clipped to the end; false on failure.
  bool Delete(int32_t index, uint32_t n = 1);
  // Sets n elements from index on to `element`, clipped to the end.
  bool Fill(int32_t index, const void* element, uint32_t n);
  // Moves one element to index `to`, shifting those between.
  bool Move(int32_t from, int32_t to);
  void Clear();

  // Index of an element equal to `element` (binary search when sorted), or 0.
  int32_t Find(const void* element) const;
  // Index of the element matching `key` through CompareKey, or 0.
  int32_t FindKey(const void* key) const;
  // Where `element` / `key` would be inserted to keep the order (1 when empty).
  int32_t SortedPosition(const void* element) const;
  int32_t SortedKeyPosition(const void* key) const;
  // Shell sort by the comparator; false while locked.
  bool Sort();
  // The first gap of the sort for `count` elements (each next gap is a third
  // of the previous one, down to 1).
  static uint32_t FirstSortGap(uint32_t count);

  // Nestable; the first lock locks the block, the last unlock unlocks it.
  void Lock() const;
  void Unlock() const;
  // Element i's bytes while locked; null otherwise or outside 1..count.
  void* ElementPtr(int32_t index) const;

  void Register(XTLIterator* iterator);
  void Unregister(XTLIterator* iterator);
  // Steps forward/back and copies the element into `out` (may be null);
  // false at the end or when the array is gone.
  bool Next(XTLIterator* iterator, void* out) const;
  bool Previous(XTLIterator* iterator, void* out) const;
  bool Current(const XTLIterator* iterator, void* out) const;

  const XTLComparator* Comparator() const { return comparator_; }

 private:
  // The block's bytes for the duration of one operation.
  class Pin {
   public:
    explicit Pin(const XTLArray& array);
    ~Pin();
    Pin(const Pin&) = delete;
    Pin& operator=(const Pin&) = delete;
    uint8_t* At(int32_t index) const;  // element `index` (1-based)

   private:
    const XTLArray& array_;
    uint8_t* bytes_;
  };

  int32_t Resolve(int32_t index) const;  // 1..count, or 0
  void Grow(uint32_t n);
  void Shrink(uint32_t n);
  int32_t SearchPosition(const void* probe, bool by_key, bool* found) const;
  int32_t LinearFind(const void* probe, bool by_key) const;
  // Find (by_key false) and FindKey (true).
  int32_t FindBy(const void* probe, bool by_key) const;
  void AfterInsert(int32_t index, uint32_t n);
  void AfterDelete(int32_t index, uint32_t n);
  void ChangedOrder();

  const BlockAllocator* allocator_;
  uint32_t element_size_;
  uint32_t count_ = 0;
  uint32_t used_ = 0;
  uint32_t allocated_ = 0;
  MemBlock block_ = nullptr;
  mutable int32_t lock_count_ = 0;
  mutable void* locked_bytes_ = nullptr;
  XTLIterator* iterators_ = nullptr;
  XTLComparator* comparator_;
  bool own_comparator_;
  bool sorted_ = true;
  bool keep_sorted_;
};

// Typed view over XTLArray for records of type T (trivially copyable).
template <typename T>
class XTTArray : public XTLArray {
  static_assert(std::is_trivially_copyable_v<T>, "records are copied as bytes");

 public:
  explicit XTTArray(uint32_t reserve = 0, XTLComparator* comparator = nullptr,
                    bool keep_sorted = false, bool own_comparator = false)
      : XTLArray(sizeof(T), reserve, comparator, keep_sorted, own_comparator) {}
  bool Get(int32_t index, T* out) const { return XTLArray::Get(index, out); }
  bool Set(int32_t index, const T& value) { return XTLArray::Set(index, &value); }
  int32_t Append(const T& value) { return XTLArray::Append(&value); }
  int32_t Insert(int32_t index, const T& value) { return XTLArray::Insert(index, &value); }
  int32_t Find(const T& value) const { return XTLArray::Find(&value); }
  T* ElementPtr(int32_t index) const { return static_cast<T*>(XTLArray::ElementPtr(index)); }
};
