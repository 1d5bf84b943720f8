#pragma once

#include <memory>

namespace ondi {

// Lets completions and timers hold their owner weakly: they capture `weak()` and do nothing
// once the owner, and with it the token, is gone.
class Lifetime {
 public:
  std::weak_ptr<void> weak() const { return token_; }

 private:
  std::shared_ptr<void> token_ = std::make_shared<char>(0);
};

// Wraps `fn` so that it runs only while the lifetime's owner exists.
template <typename Fn>
auto whileAlive(const Lifetime& lifetime, Fn fn) {
  return [weak = lifetime.weak(), fn = std::move(fn)](auto&&... args) mutable {
    if (weak.expired()) return;
    fn(std::forward<decltype(args)>(args)...);
  };
}

}  // namespace ondi
