// XTLArray: fixed-size records in one relocatable block, addressed from 1,
// optionally kept sorted by a comparator. XTTArray<T> is its typed form.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "base/block_alloc.h"

// Byte-wise comparator: common prefix as unsigned bytes, then size A - size B.
class XTLComparator {
 public:
  virtual ~XTLComparator() = default;
  // Negative, zero or positive as A orders before, with or after B.
  virtual int32_t Compare(const void* a, const void* b, uint32_t size_a, uint32_t size_b) const;
  // Element against a search key (by default the key is an element).
  virtual int32_t CompareKey(const void* element, const void* key, uint32_t size) const;
};

// Elements are 32-bit signed integers, ordered by value.
class XTLLongComparator : public XTLComparator {
 public:
  int32_t Compare(const void* a, const void* b, uint32_t size_a, uint32_t size_b) const override;
};

class XTLArray {
 public:
  // `comparator` null: the shared byte comparator (the long one for 4-byte
  // elements), not owned; with own_comparator the array deletes it. The
  // element size is at least 1.
  explicit XTLArray(uint32_t element_size, XTLComparator* comparator = nullptr,
                    bool keep_sorted = false, bool own_comparator = false);
  XTLArray(const XTLArray&) = delete;
  XTLArray& operator=(const XTLArray&) = delete;
  ~XTLArray();

  uint32_t Count() const { return count_; }

  // Copies element i (1..count) into `out`; false outside that range.
  bool Get(int32_t index, void* out) const;
  // Appends (a keep-sorted array inserts at the sorted place); the new index.
  // Throws BlockError when the block cannot grow.
  int32_t Append(const void* element);
  // Deletes element i; false outside 1..count.
  bool Delete(int32_t index);
  // Index of the element matching `key` through CompareKey (binary search
  // while sorted), or 0.
  int32_t FindKey(const void* key) const;

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

  bool InRange(int32_t index) const {
    return index >= 1 && static_cast<uint32_t>(index) <= count_;
  }
  void Grow();
  // Where `probe` is or would go in sorted order (1..count+1); `found` says
  // whether an element compares equal.
  int32_t SearchPosition(const void* probe, bool by_key, bool* found) const;

  const BlockAllocator* allocator_;
  uint32_t element_size_;
  uint32_t count_ = 0;
  uint32_t allocated_ = 0;
  MemBlock block_ = nullptr;
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
  explicit XTTArray(XTLComparator* comparator = nullptr, bool keep_sorted = false,
                    bool own_comparator = false)
      : XTLArray(sizeof(T), comparator, keep_sorted, own_comparator) {}
  bool Get(int32_t index, T* out) const { return XTLArray::Get(index, out); }
  int32_t Append(const T& value) { return XTLArray::Append(&value); }
};
