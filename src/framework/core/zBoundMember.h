// An object together with one of its member functions, kept without the holder knowing
// the object's class: handler nodes, idle tasks and timers call "object->member(args)"
// for objects of any class, and must be able to tell whether two registrations name the
// same object and the same member function.
#pragma once

#include <cstring>
#include <type_traits>

template <class Sig>
class zBoundMember;

template <class R, class... Args>
class zBoundMember<R(Args...)> {
 public:
  zBoundMember() : object_(nullptr), thunk_(nullptr) { std::memset(member_, 0, sizeof member_); }

  // The object may be of a class derived from the one that declares the member function.
  template <class T, class C>
  zBoundMember(T* object, R (C::*member)(Args...)) : object_(static_cast<C*>(object)), thunk_(&invoke<C>) {
    static_assert(std::is_base_of<C, T>::value, "the member function must belong to the object");
    static_assert(sizeof(member) <= sizeof(member_), "member function pointer too large");
    std::memset(member_, 0, sizeof member_);
    std::memcpy(member_, &member, sizeof(member));
  }

  R operator()(Args... args) const { return thunk_(object_, member_, args...); }
  bool isSet() const { return thunk_ != nullptr; }
  void* object() const { return object_; }

  // Same object and same member function.
  bool operator==(const zBoundMember& o) const {
    return object_ == o.object_ && thunk_ == o.thunk_ && std::memcmp(member_, o.member_, sizeof member_) == 0;
  }
  bool operator!=(const zBoundMember& o) const { return !(*this == o); }

 private:
  using Thunk = R (*)(void*, const unsigned char*, Args...);

  // GCC looks into the virtual-call branch of a member-function-pointer call even for
  // classes without virtual functions, and then takes the object's first bytes for a
  // table pointer: its warnings about them are false here.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Warray-bounds"
#endif
  template <class C>
  static R invoke(void* object, const unsigned char* member, Args... args) {
    R (C::*m)(Args...);
    std::memcpy(&m, member, sizeof m);
    return (static_cast<C*>(object)->*m)(args...);
  }
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

  void* object_;
  alignas(void*) unsigned char member_[4 * sizeof(void*)];
  Thunk thunk_;
};
