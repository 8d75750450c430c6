// Root of every framework object: a liveness marker right after the vtable,
// "ILAV" while the object lives and "XXXX" once it is destroyed.
#pragma once

#include <cstring>

class XT40Root {
 public:
  XT40Root() { std::memcpy(marker_, "ILAV", 4); }
  // The stores are volatile so that they survive the end of the object's
  // lifetime: the marker is read later through stale pointers.
  virtual ~XT40Root() {
    volatile char* marker = marker_;
    for (int i = 0; i < 4; ++i) marker[i] = 'X';
  }
  XT40Root(const XT40Root&) = delete;
  XT40Root& operator=(const XT40Root&) = delete;

  // False for null and for an object whose destructor has run.
  static bool IsValid(const XT40Root* object) {
    return object != nullptr && std::memcmp(object->marker_, "ILAV", 4) == 0;
  }

 private:
  char marker_[4];
};
