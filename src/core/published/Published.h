#pragma once

#include <sigc++/signal.h>

#include <utility>

namespace ondi {

// An observable field: views connect to `changed` and read `get()`; they never keep a copy.
// Setting an equal value notifies nobody.
template <typename T>
class Published {
 public:
  explicit Published(T initial = T{}) : value_(std::move(initial)) {}

  const T& get() const { return value_; }
  operator const T&() const { return value_; }

  void set(T value) {
    if (value == value_) return;
    value_ = std::move(value);
    changed_.emit(value_);
  }

  // Connecting is not writing: readers holding a const reference may observe.
  sigc::signal<void(const T&)>& changed() const { return changed_; }

 private:
  T value_;
  mutable sigc::signal<void(const T&)> changed_;
};

}  // namespace ondi
