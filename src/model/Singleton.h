// One lazily created instance of a class, with a count of its live objects.
// A class T that must exist once derives publicly from Singleton<T>.
#pragma once

#include "foundation/Assert.h"

#include <cstdint>

namespace PV {
namespace Data {

template <class T>
class Singleton {
 public:
  // The one T, created with its default constructor on first use.
  static T* instance() {
    if (instance_ == nullptr) instance_ = new T();
    return instance_;
  }

  // Deletes the one T, if any; a later instance() creates a fresh one.
  static void destroy() {
    if (instance_ != nullptr) {
      delete instance_;  // T's destructor clears the pointer through ~Singleton
    }
    instance_ = nullptr;
  }

  // The number of live T objects.
  static int32_t count() { return count_; }

  Singleton(const Singleton&) = delete;
  Singleton& operator=(const Singleton&) = delete;

 protected:
  Singleton() { ++count_; }
  ~Singleton() {
    --count_;
    PV_ASSERT(count_ == 0);
    instance_ = nullptr;
  }

 private:
  static inline int32_t count_ = 0;
  static inline T* instance_ = nullptr;
};

}  // namespace Data
}  // namespace PV
