#pragma once

#include <memory>

#include "basis/Error.h"

namespace basis {

// A counted object reference. Storing a reference releases the one held before;
// using it while it holds nothing raises "object not set" (91) instead of crashing.
template <class T>
class Ref {
 public:
  Ref() = default;
  Ref(std::shared_ptr<T> object) : object_(std::move(object)) {}

  Ref& operator=(std::shared_ptr<T> object) {
    object_ = std::move(object);
    return *this;
  }

  T* operator->() const { return &Get(); }
  T& operator*() const { return Get(); }

  T& Get() const {
    if (!object_)
      throw Error(kObjectNotSet);
    return *object_;
  }

  void Release() { object_.reset(); }
  bool IsNothing() const { return object_ == nullptr; }
  const std::shared_ptr<T>& Shared() const { return object_; }

 private:
  std::shared_ptr<T> object_;
};

}  // namespace basis
