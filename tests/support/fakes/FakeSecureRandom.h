#pragma once

#include "core/ports/SecureRandom.h"

namespace ondi::fakes {

// Counts up from `next`, or fails when `broken` is set.
class FakeSecureRandom final : public SecureRandom {
 public:
  std::optional<std::vector<unsigned char>> bytes(std::size_t count) override {
    if (broken) return std::nullopt;
    std::vector<unsigned char> result(count);
    for (auto& byte : result) byte = next++;
    return result;
  }

  unsigned char next = 0;
  bool broken = false;
};

}  // namespace ondi::fakes
